// Result sets with hand-picked hydrograph parameters for the chart and
// time-series window tests.
#pragma once

#include "core/project/ProjectData.h"

#include <cmath>

namespace hydrim::testdata {

struct Shape {
    int P, T, B, F, n, d;
    double Q;
};

// q(k) = Q (k / T)^m exp(m (1 - k / T)), m = n / d: the hydrograph curve,
// written out here independently of the engine.
inline double Ordinate(const Shape& s, long long k) {
    const double m = double(s.n) / s.d;
    const double x = double(k) / s.T;
    return s.Q * std::pow(x, m) * std::exp(m * (1.0 - x));
}

// Discharge of minute j of a hydrograph (zero flow, rise, plateau, fall).
inline double Discharge(const Shape& s, long long j) {
    if (j <= s.P) {
        return 0.0;
    }
    if (j <= s.P + s.T) {
        return Ordinate(s, j - s.P);
    }
    if (j <= s.P + s.T + s.B) {
        return s.Q;
    }
    return Ordinate(s, j - s.P - s.B);
}

inline void SetVariant23(AppState& state, const Shape& left, int rainDuration, double rainIntensity) {
    auto& r = state.Variant23;
    r.DesignPondingL = left.P;
    r.DesignRiseL = left.T;
    r.DesignPlateauL = left.B;
    r.DesignFallL = left.F;
    r.DesignShapeNumeratorL = left.n;
    r.DesignShapeDivisorL = left.d;
    r.DesignPeakL = left.Q;
    state.Inputs.RainDuration = rainDuration;
    state.Inputs.RainIntensity = rainIntensity;
    state.Inputs.DurationL = rainDuration;
    state.Inputs.IntensityL = rainIntensity;
    state.CurrentProject.Texts.CatchmentType = 0;
    state.LastResultVariantI = false;
}

inline void SetVariant23Right(AppState& state, const Shape& right) {
    auto& r = state.Variant23;
    r.DesignPondingR = right.P;
    r.DesignRiseR = right.T;
    r.DesignPlateauR = right.B;
    r.DesignFallR = right.F;
    r.DesignShapeNumeratorR = right.n;
    r.DesignShapeDivisorR = right.d;
    r.DesignPeakR = right.Q;
    state.CurrentProject.Texts.CatchmentType = 1;
}

// One slope of Variant I at return-period index i: design-rain and 1-day
// hydrographs (they share ponding and peak).
inline void SetVariantI(AppState& state, int i, bool left, const Shape& design, const Shape& daily) {
    auto& r = state.VariantI;
    const auto k = static_cast<size_t>(i);
    (left ? r.PondingTimeL : r.PondingTimeR)[k] = design.P;
    (left ? r.PeakDischargeL : r.PeakDischargeR)[k] = design.Q;
    (left ? r.RiseTimeL : r.RiseTimeR)[k] = design.T;
    (left ? r.PlateauTimeL : r.PlateauTimeR)[k] = design.B;
    (left ? r.FallTimeL : r.FallTimeR)[k] = design.F;
    (left ? r.ShapeNumeratorL : r.ShapeNumeratorR)[k] = design.n;
    (left ? r.ShapeDivisorL : r.ShapeDivisorR)[k] = design.d;
    (left ? r.DailyRiseTimeL : r.DailyRiseTimeR)[k] = daily.T;
    (left ? r.DailyPlateauTimeL : r.DailyPlateauTimeR)[k] = daily.B;
    (left ? r.DailyFallTimeL : r.DailyFallTimeR)[k] = daily.F;
    (left ? r.DailyShapeNumeratorL : r.DailyShapeNumeratorR)[k] = daily.n;
    (left ? r.DailyShapeDivisorL : r.DailyShapeDivisorR)[k] = daily.d;
    state.LastResultVariantI = true;
}

inline void SetVariantIRain(AppState& state, int i, int duration, double intensity) {
    const auto k = static_cast<size_t>(i);
    state.VariantI.RainDurationL[k] = state.VariantI.RainDurationC[k] = duration;
    state.VariantI.RainIntensityL[k] = state.VariantI.RainIntensityC[k] = intensity;
}

} // namespace hydrim::testdata
