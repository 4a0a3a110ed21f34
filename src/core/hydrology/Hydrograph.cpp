#include "core/hydrology/Hydrograph.h"

#include "core/hydrology/Minutes.h"

#include <cmath>

namespace hydrim {

namespace {

// Ordinate at or below which the falling limb counts as died away [m3/s].
constexpr double EndOrdinate = 0.005;
// Volume difference at which the fitted exponent is fine enough [m3].
constexpr double VolumeTolerance = 0.5;

// One step of the digit-by-digit search: the exponent n / d, its volume and
// the length of the last evaluation.
struct FitState {
    int n = 1;
    int d = 1;
    HydrographSum last;
};

HydrographSum VolumeAt(const FitState& s, int tr, int M, double qmax) {
    return HydrographVolume(static_cast<double>(s.n) / s.d, tr, M, qmax);
}

// Raises n until the volume no longer exceeds the target. The volume falls as
// the exponent grows, so this stops at n <= MaxShapeExponent * d at the latest
// once the whole-exponent search has found a reachable target; the bound is
// kept anyway so that no input can make it run away.
void RaiseUntilWithinTarget(FitState& s, int tr, int M, double qmax, double target) {
    const long long limit = static_cast<long long>(MaxShapeExponent) * s.d;
    s.last = VolumeAt(s, tr, M, qmax);
    while (s.last.Volume > target && s.n < limit) {
        ++s.n;
        s.last = VolumeAt(s, tr, M, qmax);
    }
}

// Moves to the next digit: one step back (if above 0), ten times finer, and
// up again until the volume is within the target.
void RefineOneDigit(FitState& s, int tr, int M, double qmax, double target) {
    if (s.n > 0) {
        --s.n;
    }
    s.n *= 10;
    s.d *= 10;
    RaiseUntilWithinTarget(s, tr, M, qmax, target);
}

HydrographShape ShapeOf(const FitState& s) {
    return HydrographShape{s.n, s.d, s.last.Length, false};
}

} // namespace

int HydrographOrdinateCount(int tr) {
    const long long count = 100LL * tr;
    if (count < 0) {
        return 0;
    }
    return count > MaxHydrographOrdinates ? MaxHydrographOrdinates : static_cast<int>(count);
}

double VolumeWithoutPlateau(double volume, int plateau, double qmax) {
    return volume - 60.0 * plateau * qmax;
}

double HydrographOrdinate(double m, int tr, int k, double qmax) {
    const double x = static_cast<double>(k) / static_cast<double>(tr);
    const double power = std::pow(x, m);
    const double decay = std::exp(m * (1.0 - x));
    if (std::isfinite(power) && std::isfinite(decay)) {
        return qmax * power * decay;
    }
    // Steep shapes overflow one factor while the other underflows (0 * inf);
    // the same ordinate taken as one exponential stays finite.
    return qmax * std::exp(m * (std::log(x) + 1.0 - x));
}

HydrographSum HydrographVolume(double m, int tr, int M, double qmax) {
    HydrographSum result;
    double sum = 0.0;
    result.Length = M > 0 ? M : 0;
    for (int k = 1; k <= M; ++k) {
        const double q = HydrographOrdinate(m, tr, k, qmax);
        sum += q;
        if (q <= EndOrdinate && k > tr) {
            result.Length = k;
            break;
        }
    }
    result.Volume = 60.0 * sum;
    return result;
}

HydrographShape FitHydrographShape(int tr, int M, double qmax, double target) {
    // A target below the volume of the steepest exponent allowed cannot be
    // met by any exponent of the search.
    const HydrographSum steepest = HydrographVolume(MaxShapeExponent, tr, M, qmax);
    if (steepest.Volume > target) {
        return HydrographShape{MaxShapeExponent * 1000, 1000, steepest.Length, true};
    }

    FitState s;
    RaiseUntilWithinTarget(s, tr, M, qmax, target);
    for (int digit = 0; digit < 3; ++digit) {
        RefineOneDigit(s, tr, M, qmax, target);
    }
    for (int extra = 0; extra < 2; ++extra) {
        if (std::fabs(target - s.last.Volume) <= VolumeTolerance) {
            return ShapeOf(s);
        }
        RefineOneDigit(s, tr, M, qmax, target);
    }
    return ShapeOf(s);
}

FittedHydrograph FitHydrographWithPlateau(int rise, int plateau, double qmax, double volume) {
    const HydrographShape shape = FitHydrographShape(rise, HydrographOrdinateCount(rise), qmax,
                                                     VolumeWithoutPlateau(volume, plateau, qmax));
    return FittedHydrograph{shape.Numerator, shape.Divisor, MinutesBetween(shape.Length, rise),
                            AddMinutes(shape.Length, plateau)};
}

} // namespace hydrim
