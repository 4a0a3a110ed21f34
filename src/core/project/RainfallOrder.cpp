#include "core/project/RainfallOrder.h"

#include "core/project/InputRules.h"

#include <optional>

namespace hydrim {
namespace {

struct RainField {
    int edit;
    int returnPeriod;
};

constexpr std::array<RainField, 5> VariantIRainFields = {
    {{EditRainN, 5}, {EditRain10, 10}, {EditRain20, 20}, {EditRain50, 50}, {EditRain100, 100}}};

std::string Described(const RainField& field, const std::string& text) {
    return "N = " + std::to_string(field.returnPeriod) + " let (" + text + " mm)";
}

} // namespace

std::string FallingRainfallWarning(const std::array<std::string, 27>& edit, int variant, int k) {
    if (variant != 0) {
        return {};
    }
    for (size_t shorter = 0; shorter < VariantIRainFields.size(); ++shorter) {
        for (size_t longer = shorter + 1; longer < VariantIRainFields.size(); ++longer) {
            const RainField& a = VariantIRainFields[shorter];
            const RainField& b = VariantIRainFields[longer];
            if (a.edit != k && b.edit != k) {
                continue;
            }
            const std::string& textA = edit[static_cast<size_t>(a.edit)];
            const std::string& textB = edit[static_cast<size_t>(b.edit)];
            const std::optional<double> valueA = FieldValue(textA);
            const std::optional<double> valueB = FieldValue(textB);
            if (valueA && valueB && *valueB < *valueA) {
                return "1-denní maximální srážkový úhrn pro " + Described(b, textB) + " je menší než pro " +
                       Described(a, textA) +
                       ". S rostoucí dobou opakování má úhrn růst; jinak vyjde pro vzácnější událost menší "
                       "průtok. Zkontrolujte zadané úhrny.";
            }
        }
    }
    return {};
}

} // namespace hydrim
