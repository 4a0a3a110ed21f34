#include "core/series/ChartTexts.h"

#include "core/project/ProjectData.h"

namespace hydrim {

std::string ShownChartTitle(const std::string& title) {
    if (title == DefaultChartTitle || title.find_first_not_of(" \t") == std::string::npos) {
        return {};
    }
    return title;
}

std::string HydrographCaption(bool designRain) {
    return designRain ? "Hydrogram TPV vyvolaný výpočtovým deštěm"
                      : "Hydrogram TPV vyvolaný 1denním srážkovým úhrnem H1dN";
}

std::string ReturnPeriodCaption(int years) {
    return "N = " + std::to_string(years) + " let";
}

} // namespace hydrim
