#include "core/hydrology/HydrographOrdinates.h"

#include "core/hydrology/Hydrograph.h"

#include <gtest/gtest.h>

#include <cmath>

namespace hydrim {
namespace {

constexpr double Tolerance = 1e-9;

// q(k) for peak Q, rise T and shape exponent m.
double Q(double peak, int rise, double m, int k) {
    return HydrographOrdinate(m, rise, k, peak);
}

HydrographParams Params(int ponding, int rise, int plateau, int fall, int n, int d, double peak) {
    HydrographParams p;
    p.Ponding = ponding;
    p.Rise = rise;
    p.Plateau = plateau;
    p.Fall = fall;
    p.ShapeNumerator = n;
    p.ShapeDivisor = d;
    p.Peak = peak;
    return p;
}

TEST(Hydrograph, OrdinatesOfAWorkedCase) {
    // Q = 2, T = 4, m = 1.5: q(2) = 2 · 0.5^1.5 · e^0.75 = 1.4969451...
    const auto p = [] {
        HydrographParams params;
        params.Rise = 4;
        params.Fall = 4;
        params.ShapeNumerator = 3;
        params.ShapeDivisor = 2;
        params.Peak = 2.0;
        return params;
    }();
    const HydrographPoints points = GenerateHydrograph(p, p.Length());
    ASSERT_EQ(points.Discharges.size(), 8u);
    EXPECT_NEAR(points.Discharges[2], 1.4969451, 1e-6);
    EXPECT_NEAR(points.Discharges[4], 2.0, Tolerance);
}

TEST(Hydrograph, ZeroPondingStartsWithOneZeroPointAndRisesFromMinuteOne) {
    const auto p = Params(0, 3, 0, 5, 2, 1, 1.0);
    const HydrographPoints points = GenerateHydrograph(p, p.Length());
    ASSERT_EQ(points.Discharges.size(), 8u);
    EXPECT_EQ(points.Discharges[0], 0.0);
    EXPECT_NEAR(points.Discharges[1], Q(1.0, 3, 2.0, 1), Tolerance);
    EXPECT_GT(points.Discharges[1], 0.0);
    EXPECT_NEAR(points.Discharges[3], 1.0, Tolerance);
    EXPECT_EQ(points.Minutes[7], 7);
}

TEST(Hydrograph, PondingRisePlateauAndFallInTheirMinutes) {
    // P = 2, T = 3, B = 2, F = 4: 11 points, minutes 0..10.
    const auto p = Params(2, 3, 2, 4, 1500, 1000, 5.0);
    const HydrographPoints points = GenerateHydrograph(p, p.Length());
    ASSERT_EQ(points.Discharges.size(), 11u);
    EXPECT_EQ(points.Discharges[0], 0.0);
    EXPECT_EQ(points.Discharges[2], 0.0);
    EXPECT_NEAR(points.Discharges[3], Q(5.0, 3, 1.5, 1), Tolerance);
    EXPECT_NEAR(points.Discharges[5], 5.0, Tolerance);
    EXPECT_EQ(points.Discharges[6], 5.0);
    EXPECT_EQ(points.Discharges[7], 5.0);
    // The falling limb continues the curve after its peak: q(4) at minute 8.
    EXPECT_NEAR(points.Discharges[8], Q(5.0, 3, 1.5, 4), Tolerance);
    EXPECT_NEAR(points.Discharges[10], Q(5.0, 3, 1.5, 6), Tolerance);
    EXPECT_LT(points.Discharges[10], points.Discharges[8]);
}

TEST(Hydrograph, LongHydrographsRunOnPastTheFirstDay) {
    const auto p = Params(10, 60, 0, 1430, 3, 1, 2.0);
    ASSERT_EQ(p.Length(), 1500);
    const HydrographPoints points = GenerateHydrograph(p, p.Length());
    ASSERT_EQ(points.Discharges.size(), 1500u);
    EXPECT_EQ(points.Minutes[1439], 1439);
    EXPECT_EQ(points.Minutes[1440], 1440);
    EXPECT_EQ(points.Minutes[1499], 1499);
    EXPECT_NEAR(points.Discharges[1440], Q(2.0, 60, 3.0, 1430), Tolerance);
    EXPECT_NEAR(points.Discharges[1499], Q(2.0, 60, 3.0, 1489), Tolerance);
    const HydrographPoints longer = GenerateHydrograph(p, 20000);
    EXPECT_EQ(longer.Discharges.size(), 20000u);
}

TEST(Hydrograph, LengthIsExactEvenWhenShorterThanTheShape) {
    const auto p = Params(5, 10, 3, 20, 1, 1, 1.0);
    EXPECT_EQ(GenerateHydrograph(p, 4).Discharges, (std::vector<double>{0, 0, 0, 0}));
    EXPECT_TRUE(GenerateHydrograph(p, 0).Discharges.empty());
    EXPECT_TRUE(GenerateHydrograph(p, -3).Discharges.empty());
    const auto unset = Params(0, 0, 0, 3, 0, 0, 1.0); // no shape fitted
    for (double q : GenerateHydrograph(unset, 3).Discharges) {
        EXPECT_TRUE(std::isfinite(q));
    }
}

TEST(Hydrograph, TwoSlopesShareTheLongerLengthAndSumExactly) {
    const auto left = Params(2, 5, 0, 10, 2, 1, 1.0);  // 17 minutes
    const auto right = Params(4, 8, 2, 20, 3, 1, 2.0); // 34 minutes
    const HydrographSet set = CombineHydrographs(left, right);
    ASSERT_EQ(set.Length(), 34u);
    ASSERT_EQ(set.Left.size(), 34u);
    ASSERT_EQ(set.Right.size(), 34u);
    // The shorter hydrograph runs on along its falling limb.
    EXPECT_NEAR(set.Left[30], Q(1.0, 5, 2.0, 28), Tolerance);
    for (size_t k = 0; k < set.Length(); ++k) {
        EXPECT_EQ(set.Catchment[k], set.Left[k] + set.Right[k]);
    }
    const HydrographSet one = CombineHydrographs(left);
    EXPECT_FALSE(one.TwoSlopes);
    EXPECT_EQ(one.Length(), 17u);
    EXPECT_TRUE(one.Left.empty());
}

TEST(Hydrograph, ParametersComeFromTheChosenHydrographOfTheResultSet) {
    AppState state;
    state.VariantI.PondingTimeR[3] = 7;
    state.VariantI.RiseTimeR[3] = 30;
    state.VariantI.DailyRiseTimeR[3] = 31;
    state.VariantI.DailyFallTimeR[3] = 400;
    state.VariantI.DailyShapeNumeratorR[3] = 2500;
    state.VariantI.DailyShapeDivisorR[3] = 1000;
    state.VariantI.PeakDischargeR[3] = 4.5;
    const HydrographParams daily = VariantIHydrograph(state, 3, Slope::Right, false);
    EXPECT_EQ(daily.Ponding, 7);
    EXPECT_EQ(daily.Rise, 31);
    EXPECT_EQ(daily.Fall, 400);
    EXPECT_EQ(daily.ShapeNumerator, 2500);
    EXPECT_EQ(daily.Peak, 4.5);
    EXPECT_EQ(VariantIHydrograph(state, 3, Slope::Right, true).Rise, 30);
    state.Variant23.DesignFallL = 99;
    EXPECT_EQ(Variant23Hydrograph(state, Slope::Left).Fall, 99);
}

} // namespace
} // namespace hydrim
