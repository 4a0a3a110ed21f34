#include "core/series/ChartScales.h"

#include <algorithm>
#include <cmath>

namespace hydrim {
namespace {

constexpr double AxisHeadroom = 1.1;
// The first view ends when the flow has fallen below this share of the
// peak, plus a fifth for the tail; it shows everything when that is most of
// the hydrograph anyway.
constexpr double RecededShare = 0.02;
constexpr double FirstViewTail = 1.2;
constexpr double FirstViewWholeShare = 0.8;

double Largest(const std::vector<double>& values) {
    return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
}

} // namespace

double DischargeAxisMaximum(const std::vector<double>& firstSeries, const std::vector<double>& catchment,
                            bool twoSlopes) {
    double maximum = AxisHeadroom * Largest(firstSeries);
    if (twoSlopes) {
        maximum = std::max(maximum, AxisHeadroom * Largest(catchment));
    }
    return maximum > 0.0 ? maximum : 1.0;
}

double DischargeAxisMaximum(const HydrographSet& flows) {
    return DischargeAxisMaximum(flows.TwoSlopes ? flows.Left : flows.Catchment, flows.Catchment,
                                flows.TwoSlopes);
}

double IntensityAxisMaximum(double rainIntensity) {
    return std::nearbyint(rainIntensity) + 1.0;
}

int FirstViewMinutes(const std::vector<double>& flows, int rainDuration) {
    const int last = std::max(static_cast<int>(flows.size()) - 1, 1);
    if (flows.empty()) {
        return last;
    }
    const auto peak = std::max_element(flows.begin(), flows.end());
    const auto receded = std::find_if(
        peak, flows.end(), [threshold = *peak * RecededShare](double flow) { return flow < threshold; });
    if (receded == flows.end() || *peak <= 0.0) {
        return last;
    }
    const auto end = static_cast<int>(receded - flows.begin());
    const int shown = static_cast<int>(std::ceil(FirstViewTail * std::max(end, rainDuration)));
    // A view showing most of the hydrograph anyway shows all of it.
    return shown >= FirstViewWholeShare * last ? last : shown;
}

int FirstViewMinutes(const HydrographSet& flows, int rainDuration) {
    return FirstViewMinutes(flows.Catchment, rainDuration);
}

} // namespace hydrim
