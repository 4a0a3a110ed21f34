#include "core/hydrology/HydrographOrdinates.h"

#include "core/hydrology/Hydrograph.h"

#include <algorithm>
#include <cmath>

namespace hydrim {

long long HydrographParams::Length() const {
    return static_cast<long long>(Ponding) + Rise + Plateau + Fall;
}

namespace {

double ShapeExponent(const HydrographParams& params) {
    return params.ShapeDivisor != 0 ? static_cast<double>(params.ShapeNumerator) / params.ShapeDivisor : 0.0;
}

// q(k) of a hydrograph with rise time T; no flow without a rise.
double Ordinate(const HydrographParams& params, double shapeExponent, long long k) {
    if (params.Rise <= 0) {
        return 0.0;
    }
    return HydrographOrdinate(shapeExponent, params.Rise, static_cast<int>(k), params.Peak);
}

// Where the parts of a drawn hydrograph end: points 0..Ponding have no
// flow, the rise reaches to point Rise, the plateau to point Plateau, the
// falling limb follows.
struct PartEnds {
    long long Ponding, Rise, Plateau;
};
PartEnds PartsOf(const HydrographParams& params) {
    const long long ponding = std::max(params.Ponding, 0);
    const long long rise = ponding + std::max(params.Rise, 0);
    return {ponding, rise, rise + std::max(params.Plateau, 0)};
}

// Point j of a drawn hydrograph.
double PointOf(const HydrographParams& params, const PartEnds& parts, double m, long long j) {
    if (j <= parts.Ponding) {
        return 0.0;
    }
    if (j <= parts.Rise) {
        return Ordinate(params, m, j - parts.Ponding);
    }
    if (j <= parts.Plateau) {
        return params.Peak;
    }
    return Ordinate(params, m, j - (parts.Plateau - parts.Rise) - parts.Ponding);
}

// Most points of one limb summed one by one (as many as the longest
// hydrograph sum takes). Valid inputs never reach it; beyond it, as the limb
// is monotone, the rest is taken as the mean of its first and last point.
constexpr long long MaxSummedPoints = MaxHydrographOrdinates;

// Sum of points first..last (inclusive) of one limb of a drawn hydrograph.
double LimbSum(const HydrographParams& params, const PartEnds& parts, double m, long long first,
               long long last) {
    double sum = 0.0;
    const long long summed = std::min(last, first + MaxSummedPoints - 1);
    for (long long j = first; j <= summed; ++j) {
        sum += PointOf(params, parts, m, j);
    }
    if (summed < last) {
        const double rest = static_cast<double>(last - summed);
        sum += rest * (PointOf(params, parts, m, summed + 1) + PointOf(params, parts, m, last)) / 2.0;
    }
    return sum;
}

// Sum of points from..to-1 of a drawn hydrograph: the points of no flow and
// of the plateau (every one 0 or Q) at once, the limbs point by point.
double DrawnSum(const HydrographParams& params, long long from, long long to) {
    const PartEnds parts = PartsOf(params);
    const double m = ShapeExponent(params);
    const long long last = to - 1;
    double sum = 0.0;
    const auto limb = [&](long long first, long long end) {
        first = std::max(first, from);
        end = std::min(end, last);
        if (first <= end) {
            sum += LimbSum(params, parts, m, first, end);
        }
    };
    limb(parts.Ponding + 1, parts.Rise);
    const long long plateauFirst = std::max(parts.Rise + 1, from);
    const long long plateauLast = std::min(parts.Plateau, last);
    if (plateauFirst <= plateauLast) {
        sum += static_cast<double>(plateauLast - plateauFirst + 1) * params.Peak;
    }
    limb(parts.Plateau + 1, last);
    return sum;
}

} // namespace

HydrographPoints GenerateHydrograph(const HydrographParams& params, long long length) {
    HydrographPoints points;
    if (length <= 0) {
        return points;
    }
    const PartEnds parts = PartsOf(params);
    const double m = ShapeExponent(params);
    points.Minutes.resize(static_cast<size_t>(length));
    points.Discharges.resize(static_cast<size_t>(length));
    for (long long j = 0; j < length; ++j) {
        points.Minutes[static_cast<size_t>(j)] = static_cast<int>(j);
        points.Discharges[static_cast<size_t>(j)] = PointOf(params, parts, m, j);
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
    const long long length = DrawnLength(left, right);
    set.Left = GenerateHydrograph(left, length).Discharges;
    set.Right = GenerateHydrograph(right, length).Discharges;
    set.Catchment.resize(set.Left.size());
    for (size_t k = 0; k < set.Left.size(); ++k) {
        set.Catchment[k] = set.Left[k] + set.Right[k];
    }
    return set;
}

HydrographSet VariantIHydrographs(const AppState& state, int i, bool designRain) {
    const HydrographParams left = VariantIHydrograph(state, i, Slope::Left, designRain);
    return state.TwoSlopes ? CombineHydrographs(left, VariantIHydrograph(state, i, Slope::Right, designRain))
                           : CombineHydrographs(left);
}

HydrographSet Variant23Hydrographs(const AppState& state, bool twoSlopes) {
    const HydrographParams left = Variant23Hydrograph(state, Slope::Left);
    return twoSlopes ? CombineHydrographs(left, Variant23Hydrograph(state, Slope::Right))
                     : CombineHydrographs(left);
}

long long DrawnLength(const HydrographParams& left, const HydrographParams& right) {
    return std::max(left.Length(), right.Length());
}

DrawnVolumes DrawnVolumesOf(const HydrographParams& left) {
    DrawnVolumes volumes;
    volumes.Catchment = 60.0 * DrawnSum(left, 0, left.Length());
    return volumes;
}

DrawnVolumes DrawnVolumesOf(const HydrographParams& left, const HydrographParams& right) {
    const long long length = DrawnLength(left, right);
    const auto own = [length](const HydrographParams& slope) {
        return std::clamp(slope.Length(), 0LL, std::max(length, 0LL));
    };
    DrawnVolumes volumes;
    volumes.LeftPastEnd = 60.0 * DrawnSum(left, own(left), length);
    volumes.Left = 60.0 * DrawnSum(left, 0, own(left)) + volumes.LeftPastEnd;
    volumes.RightPastEnd = 60.0 * DrawnSum(right, own(right), length);
    volumes.Right = 60.0 * DrawnSum(right, 0, own(right)) + volumes.RightPastEnd;
    volumes.Catchment = volumes.Left + volumes.Right;
    return volumes;
}

DrawnVolumes VariantIDrawnVolumes(const AppState& state, int i, bool designRain) {
    const HydrographParams left = VariantIHydrograph(state, i, Slope::Left, designRain);
    return state.TwoSlopes ? DrawnVolumesOf(left, VariantIHydrograph(state, i, Slope::Right, designRain))
                           : DrawnVolumesOf(left);
}

DrawnVolumes Variant23DrawnVolumes(const AppState& state, bool twoSlopes) {
    const HydrographParams left = Variant23Hydrograph(state, Slope::Left);
    return twoSlopes ? DrawnVolumesOf(left, Variant23Hydrograph(state, Slope::Right)) : DrawnVolumesOf(left);
}

} // namespace hydrim
