#include "render/ResultHydrographs.h"

#include "core/hydrology/HydrographOrdinates.h"
#include "core/series/ChartTexts.h"

#include <algorithm>
#include <numeric>

namespace hydrim::render {

namespace {

int ClampIndex(int i) {
    return std::clamp(i, 1, static_cast<int>(ReturnPeriods.size()) - 1);
}

// Point k of every hydrograph stands at minute k.
HydrographChartContent ContentOf(const HydrographSet& set) {
    HydrographChartContent content;
    content.twoSlopes = set.TwoSlopes;
    content.minutes.resize(set.Length());
    std::iota(content.minutes.begin(), content.minutes.end(), 0);
    if (set.TwoSlopes) {
        content.left = set.Left;
        content.right = set.Right;
        content.catchment = set.Catchment;
    } else {
        content.left = set.Catchment;
    }
    return content;
}

} // namespace

HydrographChartContent VariantIChartContent(const AppState& state, int i, bool designRain) {
    i = ClampIndex(i);
    HydrographChartContent content = ContentOf(VariantIHydrographs(state, i, designRain));
    content.designRain = designRain;
    content.rainDuration = state.VariantI.RainDurationC[static_cast<size_t>(i)];
    content.rainIntensity = state.VariantI.RainIntensityC[static_cast<size_t>(i)];
    content.returnPeriod = ReturnPeriods[static_cast<size_t>(i)];
    content.decimalSeparator = state.LocaleDecimalSeparator;
    return content;
}

HydrographChartContent Variant23ChartContent(const AppState& state) {
    HydrographChartContent content =
        ContentOf(Variant23Hydrographs(state, HasTwoSlopes(state.CurrentProject.Texts)));
    content.designRain = true;
    content.rainDuration = state.Inputs.RainDuration;
    content.rainIntensity = state.Inputs.RainIntensity;
    content.captionReturnPeriod = DesignRainReturnPeriod(state);
    content.decimalSeparator = state.LocaleDecimalSeparator;
    return content;
}

} // namespace hydrim::render
