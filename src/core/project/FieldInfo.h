// What each numeric field of the project input window holds: the quantity,
// its unit and its admissible range, as the field's tooltip, the correction
// messages and the check before a computation name them.
#pragma once

#include "core/project/InputRules.h"

#include <string>
#include <string_view>

namespace hydrim {

struct FieldInfo {
    std::string Quantity; // "Délka údolnice"; rainfall names its return period
    std::string Unit;     // "km", "km²", "mm.min⁻¹"; empty for the curve number
    std::string Range;    // "větší než 0", "10 až 500"
};

// The description of field EditK for this variant (0 Variant I, 1 II, 2 III;
// it names the return period of the N field); an empty quantity for a field
// that is not numeric.
FieldInfo DescribeField(int k, int variant);

// The field as one names it to the user: "Číslo CN křivky (levý svah)", the
// slope named only for two slopes (catchmentType 1).
std::string FieldName(int k, int variant, int catchmentType);

// The tooltip text of a numeric field: quantity with its unit, the range and
// the length limit of the field, on separate lines.
std::string FieldTooltip(int k, int variant, int catchmentType);

// What a correction did, for the message that announces it: the field, the
// value it held, the admissible range (for an out-of-range value) and the
// value written. before is the field's text before the correction.
std::string CorrectionDetail(const Correction& step, std::string_view before, int variant, int catchmentType);

} // namespace hydrim
