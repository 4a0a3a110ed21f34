#include "core/hydrology/NoRunoffMessages.h"

#include "core/hydrology/CriticalDuration.h"
#include "core/hydrology/RainCoefficients.h"
#include "core/hydrology/WarningTexts.h"

namespace hydrim {

const std::string& NoRunoffText(Side side, bool twoSlopes) {
    if (!twoSlopes) {
        return NoRunoffOnlySlope;
    }
    return side == Side::Left ? NoRunoffLeftOfTwo : NoRunoffRightOfTwo;
}

std::string VariantINoRunoffMessage(int returnPeriod, Side side, bool twoSlopes) {
    return "Pro počet let N=" + std::to_string(returnPeriod) + ".\n" + NoRunoffText(side, twoSlopes);
}

std::string WithReason(const std::string& message, const std::string& reason) {
    return message + "\n" + reason;
}

std::string FailedSearchReason(const RainState& lastTrialRain, double initialLoss) {
    if (RainDepthFor(lastTrialRain, LastTrialDuration) <= initialLoss) {
        return NoRunoffRainBelowLossReason(LastTrialDuration, initialLoss);
    }
    return NoRunoffNoEquilibriumReason(LastTrialDuration);
}

} // namespace hydrim
