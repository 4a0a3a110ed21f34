// The fast fitting of the hydrograph shape against the method as written
// down: every volume the plain minute-by-minute sum, n raised one by one.
// Rise times, peaks and targets are random (seeded), the targets on, near and
// far from the volumes the digits can reach, with capped and flat cases.
#include "core/hydrology/Hydrograph.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace hydrim {
namespace {

// The plain volume sum of the exponent n / d, which may stop as soon as a
// partial sum exceeds the target: ordinates are never negative, so the whole
// sum would exceed it as well.
struct PlainStep {
    bool exceeds = false;
    double volume = 0;
    int length = 0;
};

PlainStep PlainVolume(int n, int d, int tr, int M, double qmax, double target) {
    const double m = static_cast<double>(n) / d;
    double sum = 0.0;
    int length = M;
    for (int k = 1; k <= M; ++k) {
        const double q = HydrographOrdinate(m, tr, k, qmax);
        sum += q;
        if (60.0 * sum > target) {
            break;
        }
        if (q <= 0.005 && k > tr) {
            length = k;
            break;
        }
    }
    return {60.0 * sum > target, 60.0 * sum, length};
}

// Raises n from first while the volume exceeds the target.
PlainStep PlainRaise(int& n, int d, int tr, int M, double qmax, double target) {
    PlainStep step = PlainVolume(n, d, tr, M, qmax, target);
    while (step.exceeds && n < MaxShapeExponent * d) {
        step = PlainVolume(++n, d, tr, M, qmax, target);
    }
    return step;
}

HydrographShape PlainFit(int tr, int M, double qmax, double target) {
    if (PlainVolume(MaxShapeExponent, 1, tr, M, qmax, target).exceeds) {
        return {MaxShapeExponent * 1000, 1000, HydrographVolume(MaxShapeExponent, tr, M, qmax).Length, true};
    }
    int n = 1;
    int d = 1;
    PlainStep last = PlainRaise(n, d, tr, M, qmax, target);
    for (int digit = 1; digit <= 5 && (digit <= 3 || std::fabs(target - last.volume) > 0.5); ++digit) {
        n = 10 * (n > 0 ? n - 1 : 0);
        d *= 10;
        last = PlainRaise(n, d, tr, M, qmax, target);
    }
    return {n, d, last.length, false};
}

// A target around the volume of a random exponent: on it, within the 0.5 m3
// tolerance, a hair (the fast form's rounding) or a per cent away, below
// what any exponent reaches (capped) or above the flat hydrograph's volume.
double RandomTarget(std::mt19937_64& random, int tr, int M, double qmax) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const double exponent = std::pow(10.0, -3.0 + 6.0 * unit(random));
    const int divisor = std::array{1, 10, 100, 1000, 10000, 100000}[random() % 6];
    const double onGrid = std::round(exponent * divisor) / divisor;
    const double volume = HydrographVolume(onGrid, tr, M, qmax).Volume;
    switch (random() % 8) {
    case 0:
        return volume;
    case 1:
        return volume + (unit(random) - 0.5) * 1.2;
    case 2:
        return volume * (1.0 + (unit(random) - 0.5) * 1e-9);
    case 3:
        return std::nextafter(volume, unit(random) < 0.5 ? 0.0 : 1e300);
    case 4:
        return volume * (1.0 + (unit(random) - 0.5) * 0.02);
    case 5:
        return HydrographVolume(MaxShapeExponent, tr, M, qmax).Volume * unit(random);
    case 6: // above the volume of exponent 0, 60 Qmax M
        return 60.0 * qmax * M * (1.0 + unit(random));
    default:
        return volume * (0.5 + unit(random));
    }
}

// 10 000 fits in four seeded shards, so that they can run side by side.
class ShapeFitEquivalence : public ::testing::TestWithParam<int> {};

TEST_P(ShapeFitEquivalence, FastFitEqualsThePlainMethod) {
    std::mt19937_64 random(static_cast<unsigned>(GetParam()));
    std::uniform_int_distribution<int> rise(1, 300);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int fit = 0; fit < 2500; ++fit) {
        const int tr = rise(random);
        const int M = HydrographOrdinateCount(tr);
        const double qmax = std::pow(10.0, -3.0 + 5.0 * unit(random));
        const double target = RandomTarget(random, tr, M, qmax);
        const HydrographShape fast = FitHydrographShape(tr, M, qmax, target);
        const HydrographShape plain = PlainFit(tr, M, qmax, target);
        ASSERT_EQ(fast.Numerator, plain.Numerator) << tr << ' ' << qmax << ' ' << target;
        ASSERT_EQ(fast.Divisor, plain.Divisor) << tr << ' ' << qmax << ' ' << target;
        ASSERT_EQ(fast.Length, plain.Length) << tr << ' ' << qmax << ' ' << target;
        ASSERT_EQ(fast.Capped, plain.Capped) << tr << ' ' << qmax << ' ' << target;
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, ShapeFitEquivalence, ::testing::Range(1, 5));

} // namespace
} // namespace hydrim
