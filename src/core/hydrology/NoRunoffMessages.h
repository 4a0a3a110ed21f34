// The messages that end a computation whose slope yields no runoff.
#pragma once

#include "core/hydrology/SlopeViews.h"
#include "core/project/ProjectData.h"

#include <string>

namespace hydrim {

// Message texts of the no-runoff outcomes (a "\n" stands for the line break).
inline const std::string NoRunoffLeftOfTwo = "Z levého břehu nedojde při zadaných parametrech k odtoku.\n"
                                             "Pro výpočet pravého svahu zvolte typ povodí = Jeden svah.";
inline const std::string NoRunoffRightOfTwo = "Z pravého břehu nedojde při zadaných parametrech k odtoku.\n"
                                              "Pro výpočet levého svahu zvolte typ povodí = Jeden svah.";
inline const std::string NoRunoffOnlySlope = "Se zadanými parametry nedojde k odtoku z povodí!!";

// The text for a slope without runoff: the left slope of two, the right slope
// of two, or the only slope.
const std::string& NoRunoffText(Side side, bool twoSlopes);

// Variant I prefixes the text with its return period:
// "Pro počet let N=" N "." line break, then the text.
std::string VariantINoRunoffMessage(int returnPeriod, Side side, bool twoSlopes);

// The message followed by a line with the reason (core/hydrology/WarningTexts.h).
std::string WithReason(const std::string& message, const std::string& reason);

// Why a slope with initial abstraction Ia [mm] passed no trial of the
// critical-duration search, from the rain of its last trial: that rain does
// not even exceed Ia (curve number and rainfall to check), or it does but the
// runoff never reaches equilibrium (roughness, gradient, length to check).
std::string FailedSearchReason(const RainState& lastTrialRain, double initialLoss);

} // namespace hydrim
