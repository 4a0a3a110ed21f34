// Variants II and III computed end to end from project texts.
#include "ExpectedResults.h"
#include "TestSupport.h"

#include "core/hydrology/Compute.h"

#include <gtest/gtest.h>

namespace hydrim::test {
namespace {

AppState VariantIIState(const std::string& duration, const SlopeTexts* right = nullptr) {
    return Variant23Project(VariantII, Item20Years, "65", "92", "2", "3", Moderate, right, duration, "");
}

AppState VariantIIIState(const std::string& duration, const std::string& intensity,
                         const SlopeTexts* right = nullptr) {
    return Variant23Project(VariantIII, Item100Years, "", "", "2", "3", Moderate, right, duration, intensity);
}

void ExpectComputed(AppState& state, const ExpectedFields& expected) {
    const ComputeOutcome outcome = ComputeProject(state);
    ASSERT_TRUE(outcome.ok()) << outcome.message;
    EXPECT_FALSE(state.LastResultVariantI);
    ExpectVariant23Fields(state, expected);
}

TEST(VariantII, OneSlopeAtEquilibrium) {
    AppState state = VariantIIState("60");
    ExpectComputed(state, expected::VariantIIOneSlope60);
    EXPECT_EQ(state.Inputs.RainIntensity, state.Inputs.IntensityL);
    EXPECT_EQ(state.Inputs.RainDuration, 60);
}

TEST(VariantII, RainShorterThanCriticalIsBelowEquilibrium) {
    AppState state = VariantIIState("40");
    ExpectComputed(state, expected::VariantIIShorterThanCritical);
    const double q = state.Variant23.DesignRunoffL;
    EXPECT_DOUBLE_EQ(state.Variant23.DesignPeakIntensityL, q * q / state.Derived.FlowCoefL);
}

TEST(VariantII, TwoSlopes) {
    AppState state = VariantIIState("60", &SteepRough);
    ExpectComputed(state, expected::VariantIITwoSlopes);
    const Variant23Results& r = state.Variant23;
    EXPECT_EQ(r.DesignLengthC, r.DesignFallC + r.DesignPlateauC + r.DesignRiseC);
}

TEST(VariantII, ProgressPositions) {
    std::vector<int> positions;
    AppState one = VariantIIState("60");
    ASSERT_TRUE(ComputeProject(one, [&](int p) { positions.push_back(p); }).ok());
    EXPECT_EQ(positions, (std::vector<int>{50, 300, 900}));
    positions.clear();
    AppState two = VariantIIState("60", &SteepRough);
    ASSERT_TRUE(ComputeProject(two, [&](int p) { positions.push_back(p); }).ok());
    EXPECT_EQ(positions, (std::vector<int>{50, 300, 500, 900}));
}

TEST(VariantIII, ExcessShorterThanEquilibriumLowersThePeak) {
    AppState state = VariantIIIState("30", "2");
    ExpectComputed(state, expected::VariantIIIRatioBelowOne);
    EXPECT_LT(state.Variant23.DesignExcessDurationL, state.Variant23.DesignEquilibriumTimeL);
}

TEST(VariantIII, ExcessLongerThanEquilibriumRaisesThePeak) {
    AppState state = VariantIIIState("60", "1");
    ExpectComputed(state, expected::VariantIIIRatioAboveOne);
    const Variant23Results& r = state.Variant23;
    const double ratio = static_cast<double>(r.DesignExcessDurationL) / r.DesignEquilibriumTimeL;
    EXPECT_GT(ratio, 1.0);
    EXPECT_DOUBLE_EQ(r.DesignPeakL, 16.67 * r.DesignPeakIntensityL * state.Inputs.AreaL * ratio);
}

TEST(VariantIII, SmallVolumeOutsidePlateauDropsTheRatio) {
    AppState state = VariantIIIState("60", "2");
    ExpectComputed(state, expected::VariantIIIPeakWithoutRatio);
    const Variant23Results& r = state.Variant23;
    EXPECT_GT(r.DesignPlateauL, 0);
    EXPECT_DOUBLE_EQ(r.DesignPeakL, 16.67 * r.DesignPeakIntensityL * state.Inputs.AreaL);
}

TEST(VariantIII, FlatShapeTakesEveryOrdinate) {
    // The fitted exponent is 0: the hydrograph never falls, so its length is
    // the number of ordinates summed, 100 times the rise.
    AppState state = VariantIIIState("30", "1");
    ExpectComputed(state, expected::VariantIIIFlatShape);
    EXPECT_EQ(state.Variant23.DesignLengthL, 100 * state.Variant23.DesignRiseL);
}

TEST(VariantIII, PondingOfNineMinutesInATenMinuteRainStillRuns) {
    AppState state = VariantIIIState("10", "1.88");
    ExpectComputed(state, expected::VariantIIIOneMinuteExcess);
}

TEST(VariantIII, TwoSlopes) {
    AppState state = VariantIIIState("60", "1", &SteepRough);
    ExpectComputed(state, expected::VariantIIITwoSlopes);
}

TEST(VariantIII, ProgressPositionsAndNoSearch) {
    AppState state = VariantIIIState("60", "1", &SteepRough);
    state.Variant23.CritDurationL = 77;
    std::vector<int> positions;
    ASSERT_TRUE(ComputeProject(state, [&](int p) { positions.push_back(p); }).ok());
    EXPECT_EQ(positions, (std::vector<int>{50, 400, 700, 900}));
    EXPECT_EQ(state.Variant23.CritDurationL, 77);
    EXPECT_EQ(state.Derived.AbstractionFactor, 1.0);
}

} // namespace
} // namespace hydrim::test
