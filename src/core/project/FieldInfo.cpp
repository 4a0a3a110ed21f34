#include "core/project/FieldInfo.h"

namespace hydrim {

namespace {

const std::string Positive = "větší než 0";
const std::string RainRange = "10 až 500";

std::string RainQuantity(const std::string& period) {
    return "1-denní maximální srážkový úhrn pro " + period;
}

// The slope fields in the order of the left column (EditAreaL .. EditIntensityL).
FieldInfo SlopeField(int offset) {
    switch (offset) {
    case 0:
        return {"Plocha svahu", "km²", Positive};
    case 1:
        return {"Sklon svahu", "%", Positive};
    case 2:
        return {"Drsnost γ", "s", Positive};
    case 4:
        return {"Číslo CN křivky", "", "40 až 100"};
    case 5:
        return {"Doba trvání deště", "min", "10 až 300, celé minuty"};
    case 6:
        return {"Intenzita deště", "mm.min⁻¹", Positive};
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

std::string WithUnit(const FieldInfo& info) {
    return info.Unit.empty() ? info.Quantity : info.Quantity + " [" + info.Unit + "]";
}

} // namespace

FieldInfo DescribeField(int k, int variant) {
    switch (k) {
    case EditValleyLength:
        return {"Délka údolnice", "km", Positive};
    case EditValleySlope:
        return {"Sklon údolnice", "%", Positive};
    case EditRainN:
        return {RainQuantity(variant == 0 ? "N = 5 let" : "zvolenou dobu opakování N"), "mm", RainRange};
    case EditRain10:
        return {RainQuantity("N = 10 let"), "mm", RainRange};
    case EditRain20:
        return {RainQuantity("N = 20 let"), "mm", RainRange};
    case EditRain50:
        return {RainQuantity("N = 50 let"), "mm", RainRange};
    case EditRain100:
        return {RainQuantity("N = 100 let"), "mm", RainRange + ", ne menší než úhrny kratších dob opakování"};
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
