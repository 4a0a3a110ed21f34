// Area-weighted values of the lookup dialogs: the curve number of a slope from
// its land use, the hydrologic soil group from the areas per group or per soil
// unit, and the roughness from the areas per surface class.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace hydrim {

// One grid row taking part in a weighting: its row number (for messages), the
// value text (a curve number, a roughness or a soil-group text) and the area
// text in km². Rows with an empty area take no part.
struct AreaRow {
    int row = 0;
    std::string value;
    std::string area;
};

enum class LookupStatus {
    Ok,
    ZeroArea,           // the areas sum to zero (or none was given)
    InvalidNumber,      // a value or area text is not a decimal number
    MissingGroup,       // a soil unit with an area has no (decided) soil group
    MissingCurveNumber, // a land-use row with an area has no curve number
};

struct LookupOutcome {
    LookupStatus status = LookupStatus::Ok;
    double value = 0; // the weighted mean (soil groups: the group index m)
    int category = 0; // soil groups only: 1 (A) .. 7 (D)
    int row = 0;      // the offending row when status is not Ok
    bool ok() const { return status == LookupStatus::Ok; }
};

// Category of a weighted soil-group index m (1 = A .. 4 = D):
// n = nint(100·m); n <= 125 -> 1 (A), 126..175 -> 2 (A-B), 176..225 -> 3 (B),
// 226..275 -> 4 (B-C), 276..325 -> 5 (C), 326..375 -> 6 (C-D), above -> 7 (D).
int SoilGroupCategory(double m);

// Weight of a soil-unit group text: "A" 1.0, "A - B" 1.5, "B" 2.0, "B - C" 2.5,
// "C" 3.0, "C - D" 3.5, "D" 4.0; nullopt for anything else (an empty or an
// undecided text such as "B (C)"). Blanks around the text are ignored.
std::optional<double> SoilUnitGroupWeight(const std::string& group);

// True when a soil-unit group offers an alternative ("B (C)") still to decide.
bool SoilGroupNeedsDecision(const std::string& group);

// The group letters A..D that occur in a group text ("B (C)" -> "BC").
std::string SoilGroupLetters(const std::string& group);

// Soil group from the areas a(g) [km²] of groups g = 1 (A) .. 4 (D):
//   T = sum a(g);  m = sum g·a(g)/T;  category from nint(100·m).
LookupOutcome SoilGroupFromAreas(const std::array<std::string, 4>& areasAtoD);

// Soil group from soil units (value = group text, area in km²):
//   T = sum a(r);  m = sum w(r)·a(r)/T with w the weight of the row's group.
// A row with an area and no usable group is refused (MissingGroup) rather
// than weighted with another row's group.
LookupOutcome SoilGroupFromUnits(const std::vector<AreaRow>& rows);

// Curve number of a slope (value = CN of the land-use row, area in km²):
//   T = sum a(r);  CN = sum a(r)·c(r)/T.
LookupOutcome WeightedCurveNumber(const std::vector<AreaRow>& rows);

// The check that the areas entered in a lookup table [km²] add up to the
// slope's area (the text of its area field): a Czech warning naming both sums
// when they differ by more than 1 % of the slope's area; empty when they
// agree, or when the slope's area or the entered areas are not known (an
// empty or invalid text counts as not entered).
std::string AreaSumWarning(const std::vector<std::string>& areas, const std::string& slopeArea);

// The messages of the dialogs about what they cannot weight.
inline constexpr const char* WrongInputMessage = "Špatné zadání";
inline constexpr const char* UndecidedGroupMessage = "Nejdříve vyber půdní skupinu!!";

// The message of a weighting that failed: rowName names the row of
// outcome.row (a land use, or a soil unit by its code). Empty when it did not fail.
std::string LookupFailureMessage(const LookupOutcome& outcome, const std::string& rowName);

// Why an area cannot be given to a soil unit of the group text group:
// UndecidedGroupMessage while its alternative is to be decided ("B (C)"),
// a message naming the unit when it has no group; empty when it can.
std::string SoilUnitAreaRefusal(const std::string& group, const std::string& unitName);

// Roughness of a slope over the rows with both a value and an area:
//   T = sum a(r);  gamma = sum v(r)·a(r)/T.
LookupOutcome WeightedRoughness(const std::vector<AreaRow>& rows);

} // namespace hydrim
