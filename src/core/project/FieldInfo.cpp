#include "core/project/FieldInfo.h"

namespace hydrim {

namespace {

std::string RainQuantity(const std::string& period) {
    return "1-denní maximální srážkový úhrn pro " + period;
}

// The quantity and unit of the slope fields in the order of the left column
// (EditAreaL .. EditIntensityL).
FieldInfo SlopeField(int offset) {
    switch (offset) {
    case 0:
        return {"Plocha svahu", "km²", {}};
    case 1:
        return {"Sklon svahu", "%", {}};
    case 2:
        return {"Drsnost γ", "s", {}};
    case 4:
        return {"Číslo CN křivky", "", {}};
    case 5:
        return {"Doba trvání deště", "min", {}};
    case 6:
        return {"Intenzita deště", "mm.min⁻¹", {}};
    default:
        return {};
    }
}

bool IsLeftSlopeField(int k) {
    return k >= EditAreaL && k <= EditIntensityL;
}
bool IsRightSlopeField(int k) {
    return k >= EditAreaR && k <= EditIntensityR;
}

// The quantity and unit of field EditK (an empty quantity for a field that is
// not numeric).
FieldInfo QuantityOf(int k, int variant) {
    switch (k) {
    case EditValleyLength:
        return {"Délka údolnice", "km", {}};
    case EditValleySlope:
        return {"Sklon údolnice", "%", {}};
    case EditRainN:
        return {RainQuantity(variant == 0 ? "N = 5 let" : "zvolenou dobu opakování N"), "mm", {}};
    case EditRain10:
        return {RainQuantity("N = 10 let"), "mm", {}};
    case EditRain20:
        return {RainQuantity("N = 20 let"), "mm", {}};
    case EditRain50:
        return {RainQuantity("N = 50 let"), "mm", {}};
    case EditRain100:
        return {RainQuantity("N = 100 let"), "mm", {}};
    default:
        break;
    }
    if (IsLeftSlopeField(k)) {
        return SlopeField(k - EditAreaL);
    }
    if (IsRightSlopeField(k)) {
        return SlopeField(k - EditAreaR);
    }
    return {};
}

std::string WithUnit(const FieldInfo& info) {
    return info.Unit.empty() ? info.Quantity : info.Quantity + " [" + info.Unit + "]";
}

} // namespace

FieldInfo DescribeField(int k, int variant) {
    FieldInfo info = QuantityOf(k, variant);
    if (info.Quantity.empty()) {
        return info;
    }
    info.Range = RangeText(LimitsOfField(k));
    if (k == EditRain100) {
        info.Range += ", ne menší než úhrny kratších dob opakování";
    }
    return info;
}

std::string FieldName(int k, int variant, int catchmentType) {
    std::string name = WithUnit(DescribeField(k, variant));
    if (catchmentType == 1 && IsLeftSlopeField(k)) {
        name += " (levý svah)";
    } else if (catchmentType == 1 && IsRightSlopeField(k)) {
        name += " (pravý svah)";
    }
    return name;
}

std::string FieldTooltip(int k, int variant, int catchmentType) {
    const FieldInfo info = DescribeField(k, variant);
    if (info.Quantity.empty()) {
        return {};
    }
    std::string text = FieldName(k, variant, catchmentType);
    text += "\nJednotka: " + (info.Unit.empty() ? std::string("bezrozměrné číslo") : info.Unit);
    text += "\nPřípustné hodnoty: " + info.Range;
    text += "\nNejvýše " + std::to_string(NumericFieldMaxLength) + " znaků, desetinná tečka";
    return text;
}

std::string CorrectionDetail(const Correction& step, std::string_view before, int variant,
                             int catchmentType) {
    if (step.Message == CorrectionMessage::None) {
        return {};
    }
    std::string text = "Pole: " + FieldName(step.Field, variant, catchmentType);
    const bool outOfRange = step.Message == CorrectionMessage::OutOfRange;
    text += outOfRange ? "\nZadaná hodnota: " : "\nDosavadní hodnota: ";
    text += before.empty() ? std::string("(prázdné)") : std::string(before);
    if (outOfRange) {
        text += "\nPřípustné hodnoty: " + DescribeField(step.Field, variant).Range;
    } else {
        text += "\nÚhrn pro N = 100 let nesmí být menší než úhrny kratších dob opakování"
                " (při zvolené době opakování N = 100 let se jim rovná).";
    }
    text += "\nNová hodnota: " + step.Text;
    return text;
}

} // namespace hydrim
