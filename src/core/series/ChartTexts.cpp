#include "core/series/ChartTexts.h"

#include "core/project/ProjectData.h"

namespace hydrim {

std::string ShownChartTitle(const std::string& title) {
    if (title == DefaultChartTitle || title.find_first_not_of(" \t") == std::string::npos) {
        return {};
    }
    return title;
}

std::string HydrographCaption(bool designRain, int returnPeriod) {
    std::string caption = designRain ? "Hydrogram TPV vyvolaný výpočtovým deštěm"
                                     : "Hydrogram TPV vyvolaný 1denním srážkovým úhrnem H1dN";
    if (returnPeriod > 0) {
        caption += ", " + ReturnPeriodCaption(returnPeriod);
    }
    return caption;
}

int DesignRainReturnPeriod(const AppState& state) {
    return Variant23Number(state.CurrentProject.Texts) == 2 ? state.Inputs.ReturnPeriod : 0;
}

std::string ReturnPeriodCaption(int years) {
    return "N = " + std::to_string(years) + " let";
}

} // namespace hydrim
