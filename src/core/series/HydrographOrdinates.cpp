#include "core/series/HydrographOrdinates.h"

#include "core/hydrology/Hydrograph.h"

#include <algorithm>
#include <cmath>

namespace hydrim {

long long HydrographParams::Length() const {
    return static_cast<long long>(Ponding) + Rise + Plateau + Fall;
}

namespace {

// q(k) of a hydrograph with rise time T; no flow without a rise.
double Ordinate(const HydrographParams& params, double shapeExponent, long long k) {
    if (params.Rise <= 0) {
        return 0.0;
    }
    return HydrographOrdinate(shapeExponent, params.Rise, static_cast<int>(k), params.Peak);
}

} // namespace

// Ordinates of one slope's hydrograph, one per minute.
// Inputs: ponding P, rise T, plateau B [min], shape n / d, peak Q [m³/s],
// total number of points L. Point j: 0 for j <= P; q(j − P) for the rise;
// Q on the plateau; q(j − P − B) on the falling limb.
HydrographPoints GenerateHydrograph(const HydrographParams& params, long long length) {
    HydrographPoints points;
    if (length <= 0) {
        return points;
    }
    const double m =
        params.ShapeDivisor != 0 ? static_cast<double>(params.ShapeNumerator) / params.ShapeDivisor : 0.0;
    const long long ponding = std::max(params.Ponding, 0);
    const long long rise = std::max(params.Rise, 0);
    const long long plateau = std::max(params.Plateau, 0);
    points.Minutes.resize(static_cast<size_t>(length));
    points.Discharges.resize(static_cast<size_t>(length));
    for (long long j = 0; j < length; ++j) {
        double q = 0.0;
        if (j <= ponding) {
            q = 0.0;
        } else if (j <= ponding + rise) {
            q = Ordinate(params, m, j - ponding);
        } else if (j <= ponding + rise + plateau) {
            q = params.Peak;
        } else {
            q = Ordinate(params, m, j - ponding - plateau);
        }
        points.Minutes[static_cast<size_t>(j)] = static_cast<int>(j);
        points.Discharges[static_cast<size_t>(j)] = q;
    }
    return points;
}

HydrographParams VariantIHydrograph(const AppState& state, int i, Slope slope, bool designRain) {
    const VariantIResults& r = state.VariantI;
    const auto k = static_cast<size_t>(std::clamp(i, 1, 5));
    const bool left = slope == Slope::Left;
    HydrographParams p;
    p.Ponding = left ? r.PondingTimeL[k] : r.PondingTimeR[k];
    p.Peak = left ? r.PeakDischargeL[k] : r.PeakDischargeR[k];
    if (designRain) {
        p.Rise = left ? r.RiseTimeL[k] : r.RiseTimeR[k];
        p.Plateau = left ? r.PlateauTimeL[k] : r.PlateauTimeR[k];
        p.Fall = left ? r.FallTimeL[k] : r.FallTimeR[k];
        p.ShapeNumerator = left ? r.ShapeNumeratorL[k] : r.ShapeNumeratorR[k];
        p.ShapeDivisor = left ? r.ShapeDivisorL[k] : r.ShapeDivisorR[k];
    } else {
        p.Rise = left ? r.DailyRiseTimeL[k] : r.DailyRiseTimeR[k];
        p.Plateau = left ? r.DailyPlateauTimeL[k] : r.DailyPlateauTimeR[k];
        p.Fall = left ? r.DailyFallTimeL[k] : r.DailyFallTimeR[k];
        p.ShapeNumerator = left ? r.DailyShapeNumeratorL[k] : r.DailyShapeNumeratorR[k];
        p.ShapeDivisor = left ? r.DailyShapeDivisorL[k] : r.DailyShapeDivisorR[k];
    }
    return p;
}

HydrographParams Variant23Hydrograph(const AppState& state, Slope slope) {
    const Variant23Results& r = state.Variant23;
    const bool left = slope == Slope::Left;
    HydrographParams p;
    p.Ponding = left ? r.DesignPondingL : r.DesignPondingR;
    p.Rise = left ? r.DesignRiseL : r.DesignRiseR;
    p.Plateau = left ? r.DesignPlateauL : r.DesignPlateauR;
    p.Fall = left ? r.DesignFallL : r.DesignFallR;
    p.ShapeNumerator = left ? r.DesignShapeNumeratorL : r.DesignShapeNumeratorR;
    p.ShapeDivisor = left ? r.DesignShapeDivisorL : r.DesignShapeDivisorR;
    p.Peak = left ? r.DesignPeakL : r.DesignPeakR;
    return p;
}

HydrographSet CombineHydrographs(const HydrographParams& left) {
    HydrographSet set;
    set.Catchment = GenerateHydrograph(left, left.Length()).Discharges;
    return set;
}

HydrographSet CombineHydrographs(const HydrographParams& left, const HydrographParams& right) {
    HydrographSet set;
    set.TwoSlopes = true;
    const long long length = std::max(left.Length(), right.Length());
    set.Left = GenerateHydrograph(left, length).Discharges;
    set.Right = GenerateHydrograph(right, length).Discharges;
    set.Catchment.resize(set.Left.size());
    for (size_t k = 0; k < set.Left.size(); ++k) {
        set.Catchment[k] = set.Left[k] + set.Right[k];
    }
    return set;
}

} // namespace hydrim
