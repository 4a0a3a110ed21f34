// The gamma-shaped hydrograph: its volume, its length and the digit-by-digit
// fitting of the shape exponent.
#include "core/hydrology/Hydrograph.h"

#include <gtest/gtest.h>

#include <cmath>

namespace hydrim {
namespace {

constexpr double VolumeTolerance = 1e-8; // [m3]

TEST(HydrographOrdinate, EqualsThePeakAtTheRiseTime) {
    for (double m : {0.0, 0.5, 3.5, 64.0, 1000.0}) {
        EXPECT_NEAR(HydrographOrdinate(m, 20, 20, 5.0), 5.0, 1e-15) << m;
    }
}

TEST(HydrographOrdinate, SteepShapesStayFinite) {
    // (1/300)^1000 underflows while exp(1000 (1 - 1/300)) overflows.
    const double q = HydrographOrdinate(1000.0, 300, 1, 5.0);
    EXPECT_TRUE(std::isfinite(q));
    EXPECT_EQ(q, 0.0);
}

TEST(HydrographVolume, WorkedValues) {
    const HydrographSum wide = HydrographVolume(0.5, 20, 2000, 5.0);
    EXPECT_NEAR(wide.Volume, 24761.03941985605, VolumeTolerance);
    EXPECT_EQ(wide.Length, 354);
    const HydrographSum narrow = HydrographVolume(3.5, 20, 2000, 5.0);
    EXPECT_NEAR(narrow.Volume, 8230.4147634268156, VolumeTolerance);
    EXPECT_EQ(narrow.Length, 90);
}

TEST(HydrographVolume, LargerExponentGivesSmallerVolume) {
    double previous = HydrographVolume(0.1, 30, 3000, 2.0).Volume;
    for (double m = 0.5; m < 50; m += 0.5) {
        const double volume = HydrographVolume(m, 30, 3000, 2.0).Volume;
        EXPECT_LT(volume, previous) << m;
        previous = volume;
    }
}

TEST(HydrographVolume, LengthIsTheOrdinateCountWhenTheLimbNeverDiesAway) {
    const HydrographSum flat = HydrographVolume(0.0, 10, 1000, 1.0);
    EXPECT_EQ(flat.Length, 1000);
    EXPECT_NEAR(flat.Volume, 60.0 * 1000, VolumeTolerance);
    const HydrographSum none = HydrographVolume(2.0, 0, 0, 1.0);
    EXPECT_EQ(none.Length, 0);
    EXPECT_EQ(none.Volume, 0.0);
}

TEST(FitHydrographShape, FindsTheExponentWithinHalfACubicMetre) {
    const double target = HydrographVolume(6.4437, 20, 2000, 5.0).Volume;
    const HydrographShape shape = FitHydrographShape(20, 2000, 5.0, target);
    EXPECT_EQ(shape.Numerator, 6444);
    EXPECT_EQ(shape.Divisor, 1000);
    EXPECT_EQ(shape.Length, 66);
    EXPECT_FALSE(shape.Capped);
    const HydrographSum fitted = HydrographVolume(6.444, 20, 2000, 5.0);
    EXPECT_LE(fitted.Volume, target);
    EXPECT_LE(std::fabs(target - fitted.Volume), 0.5);
}

TEST(FitHydrographShape, RefinementStartsFromZero) {
    // V(1) already meets the target, so the tenths start from exponent 0.
    const double target = HydrographVolume(0.5, 20, 2000, 5.0).Volume + 0.1;
    const HydrographShape shape = FitHydrographShape(20, 2000, 5.0, target);
    EXPECT_EQ(shape.Numerator, 500);
    EXPECT_EQ(shape.Divisor, 1000);
    EXPECT_EQ(shape.Length, 354);
}

TEST(FitHydrographShape, TargetAboveEveryVolumeEndsAtExponentZero) {
    const HydrographShape shape = FitHydrographShape(20, 2000, 5.0, 1e9);
    EXPECT_EQ(shape.Numerator, 0);
    EXPECT_EQ(shape.Divisor, 100000);
    EXPECT_EQ(shape.Length, 2000);
}

TEST(FitHydrographShape, UnreachableTargetIsBounded) {
    // A rise of 1 minute: no exponent brings the volume below 60 Qmax = 60 m3.
    const HydrographShape shape = FitHydrographShape(1, 100, 1.0, 50.0);
    EXPECT_TRUE(shape.Capped);
    EXPECT_EQ(shape.Numerator, MaxShapeExponent * 1000);
    EXPECT_EQ(shape.Divisor, 1000);
    EXPECT_EQ(shape.Length, 2);
    const HydrographShape negative = FitHydrographShape(5, 500, 3.0, -100.0);
    EXPECT_TRUE(negative.Capped);
    EXPECT_GT(negative.Length, 5);
}

TEST(FitWithPlateau, PlateauGoesIntoTheLengthNotTheFall) {
    const FittedHydrograph plain = FitHydrographWithPlateau(20, 0, 5.0, 8230.4);
    const FittedHydrograph plateau = FitHydrographWithPlateau(20, 7, 5.0, 8230.4 + 60.0 * 7 * 5.0);
    EXPECT_EQ(plateau.Numerator, plain.Numerator);
    EXPECT_EQ(plateau.Fall, plain.Fall);
    EXPECT_EQ(plateau.Length, plain.Length + 7);
    EXPECT_EQ(plain.Length, 20 + plain.Fall);
}

TEST(HydrographOrdinateCount, HundredTimesTheRiseWithinBounds) {
    EXPECT_EQ(HydrographOrdinateCount(48), 4800);
    EXPECT_EQ(HydrographOrdinateCount(0), 0);
    EXPECT_EQ(HydrographOrdinateCount(-3), 0);
    EXPECT_EQ(HydrographOrdinateCount(2000000000), MaxHydrographOrdinates);
}

} // namespace
} // namespace hydrim
