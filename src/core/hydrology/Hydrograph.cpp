#include "core/hydrology/Hydrograph.h"

#include "core/hydrology/Minutes.h"
#include "core/hydrology/ShapeVolumes.h"

#include <algorithm>

#include <cmath>

namespace hydrim {

namespace {

// Volume difference at which the fitted exponent is fine enough [m3].
constexpr double VolumeTolerance = 0.5;

double Exponent(int n, int d) {
    return static_cast<double>(n) / d;
}

// The n in (lo, hi) where the volume comes down to the target, taking the
// reciprocal of the volume as a straight line between lo and hi (the volume
// falls ever more slowly as the exponent grows, its reciprocal nearly evenly).
int Interpolated(ShapeVolumes& volumes, int d, int lo, int hi, double target) {
    const double above = 1.0 / volumes.ApproximateVolume(Exponent(lo, d));
    const double below = 1.0 / volumes.ApproximateVolume(Exponent(hi, d));
    const double share = (1.0 / target - above) / (below - above);
    const double guess = std::ceil(lo + share * (hi - lo));
    if (!std::isfinite(guess)) {
        return lo + (hi - lo) / 2;
    }
    return static_cast<int>(std::clamp(guess, lo + 1.0, hi - 1.0));
}

// The smallest n in (lo, hi] whose volume V(n / d) does not exceed the
// target, where V(lo / d) exceeds it and V(hi / d) does not. The volume falls
// as the exponent grows, so this is the n that raising n one by one from lo
// reaches. Each step probes the interpolated n and its neighbour towards the
// answer; a step that does not halve the range is followed by a halving one.
int SearchBetween(ShapeVolumes& volumes, int d, int lo, int hi, double target) {
    bool halve = false;
    while (hi - lo > 1) {
        const int width = hi - lo;
        const int n = halve ? lo + width / 2 : Interpolated(volumes, d, lo, hi, target);
        if (volumes.Exceeds(Exponent(n, d))) {
            lo = n;
            if (n + 1 < hi) {
                (volumes.Exceeds(Exponent(n + 1, d)) ? lo : hi) = n + 1;
            }
        } else {
            hi = n;
            if (n - 1 > lo) {
                (volumes.Exceeds(Exponent(n - 1, d)) ? lo : hi) = n - 1;
            }
        }
        halve = 2 * (hi - lo) > width;
    }
    return hi;
}

// Raising n one by one from first while V(n / d) exceeds the target, where
// V(last / d) is known not to.
int RaiseUntilWithinTarget(ShapeVolumes& volumes, int d, int first, int last, double target) {
    if (!volumes.Exceeds(Exponent(first, d))) {
        return first;
    }
    return SearchBetween(volumes, d, first, last, target);
}

// The smallest whole exponent from 1 up whose volume does not exceed the
// target (MaxShapeExponent is known to meet it): doubling, then searching.
int WholeExponent(ShapeVolumes& volumes, double target) {
    int lo = 1;
    if (!volumes.Exceeds(lo)) {
        return lo;
    }
    for (;;) {
        const int hi = std::min(2 * lo, MaxShapeExponent);
        if (hi == MaxShapeExponent || !volumes.Exceeds(hi)) {
            return SearchBetween(volumes, 1, lo, hi, target);
        }
        lo = hi;
    }
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
        if (q <= HydrographEndOrdinate && k > tr) {
            result.Length = k;
            break;
        }
    }
    result.Volume = 60.0 * sum;
    return result;
}

HydrographShape FitHydrographShape(int tr, int M, double qmax, double target) {
    ShapeVolumes volumes(tr, M, qmax, target);
    // A target below the volume of the steepest exponent allowed cannot be
    // met by any exponent of the search.
    if (volumes.Exceeds(MaxShapeExponent)) {
        return HydrographShape{MaxShapeExponent * 1000, 1000, volumes.Length(MaxShapeExponent), true};
    }
    int n = WholeExponent(volumes, target);
    int d = 1;
    // The next digit: one step back (if above 0), ten times finer, and up
    // again until the volume is within the target, which it is at 10 n.
    const auto refine = [&] {
        const int first = 10 * std::max(n - 1, 0);
        d *= 10;
        n = RaiseUntilWithinTarget(volumes, d, first, 10 * n, target);
    };
    for (int digit = 0; digit < 3; ++digit) {
        refine();
    }
    for (int extra = 0; extra < 2 && !volumes.WithinTolerance(Exponent(n, d), VolumeTolerance); ++extra) {
        refine();
    }
    return HydrographShape{n, d, volumes.Length(Exponent(n, d)), false};
}

FittedHydrograph FitHydrographWithPlateau(int rise, int plateau, double qmax, double volume) {
    const HydrographShape shape = FitHydrographShape(rise, HydrographOrdinateCount(rise), qmax,
                                                     VolumeWithoutPlateau(volume, plateau, qmax));
    return FittedHydrograph{shape.Numerator, shape.Divisor, MinutesBetween(shape.Length, rise),
                            AddMinutes(shape.Length, plateau)};
}

} // namespace hydrim
