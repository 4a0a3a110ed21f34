#include "core/hydrology/CriticalDuration.h"

#include "core/hydrology/RainCoefficients.h"

#include <cmath>

namespace hydrim {

namespace {

void TryToPass(const RainState& rain, int t, double rainDepth, const SlopeLoss& slope, SlopeTrial trial,
               CriticalRain& found) {
    if (PassesEquilibriumTest(rain, t, rainDepth, slope, trial) && !found.Found) {
        found = CriticalRain{t, rain.RainFactor, rain.RainIntensityExponent, true};
    }
}

} // namespace

bool PassesEquilibriumTest(const RainState& rain, int t, double rainDepth, const SlopeLoss& slope,
                           SlopeTrial trial) {
    const double td = static_cast<double>(t);
    const double excessDuration =
        td - std::pow(td, rain.RainIntensityExponent) * slope.InitialLoss / rain.RainFactor;
    const double excess = rainDepth - slope.InitialLoss;
    trial.ExcessIntensity = excess * excess / ((rainDepth + slope.NetRetention) * excessDuration);
    trial.EquilibriumIntensity = slope.FlowCoef / (excessDuration * excessDuration);
    // With te = 0 both sides are infinite; such a trial has no excess rain.
    return excessDuration > 0.0 && trial.ExcessIntensity >= trial.EquilibriumIntensity;
}

CriticalRains FindCriticalDurations(RainState& rain, TrialValues& trial, const ParTable& par, int group,
                                    double dailyRain, const SlopeLoss& left, const SlopeLoss* right) {
    CriticalRains found;
    for (int t = FirstTrialDuration; t <= LastTrialDuration; ++t) {
        SelectRainCoefficients(rain, par, t, group, dailyRain);
        const double rainDepth = RainDepthFor(rain, t);
        TryToPass(rain, t, rainDepth, left, SlopeTrialOf(trial, Side::Left), found.Left);
        if (right != nullptr) {
            TryToPass(rain, t, rainDepth, *right, SlopeTrialOf(trial, Side::Right), found.Right);
        }
        if (found.Left.Found && (right == nullptr || found.Right.Found)) {
            break;
        }
    }
    return found;
}

} // namespace hydrim
