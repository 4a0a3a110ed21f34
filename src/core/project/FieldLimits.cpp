#include "core/project/FieldLimits.h"

#include "core/project/ProjectData.h"

#include <cmath>

namespace hydrim {

const std::vector<int>& NumericFieldNumbers() {
    static const std::vector<int> fields = {EditValleyLength, EditValleySlope, EditRainN,      EditRain100,
                                            EditAreaL,        EditSlopeL,      EditRoughnessL, EditCnL,
                                            EditDurationL,    EditIntensityL,  EditAreaR,      EditSlopeR,
                                            EditRoughnessR,   EditCnR,         EditDurationR,  EditIntensityR,
                                            EditRain10,       EditRain20,      EditRain50};
    return fields;
}

const FieldLimits& LimitsOfField(int k) {
    switch (k) {
    case EditRainN:
    case EditRain100:
    case EditRain10:
    case EditRain20:
    case EditRain50:
        return RainfallLimits;
    case EditCnL:
    case EditCnR:
        return CurveNumberLimits;
    case EditDurationL:
    case EditDurationR:
        return DurationLimits;
    default:
        return PositiveLimits;
    }
}

std::string RangeText(const FieldLimits& limits) {
    if (!limits.Bounded()) {
        return "větší než 0";
    }
    std::string text = std::to_string(limits.Low) + " až " + std::to_string(limits.High);
    return limits.WholeNumbers ? text + ", celé minuty" : text;
}

std::string BoundsText(const FieldLimits& limits) {
    return limits.Bounded() ? std::to_string(limits.Low) + "-" + std::to_string(limits.High) : std::string();
}

std::string NotANumberProblem(const std::string& text) {
    return "\"" + text + "\" není číslo.";
}

std::string OutOfRangeProblem(const FieldLimits& limits) {
    return "hodnota musí ležet v rozmezí " + std::to_string(limits.Low) + " až " +
           std::to_string(limits.High) + ".";
}

std::string LimitsProblem(const FieldLimits& limits, double value) {
    if (limits.WholeNumbers && value != std::floor(value)) {
        return PartMinutesProblem;
    }
    if (limits.Bounded() && (value < limits.Low || value > limits.High)) {
        return OutOfRangeProblem(limits);
    }
    return {};
}

} // namespace hydrim
