// Variant I computed end to end from project texts, compared field by field
// with values of an independent reference computation.
#include "ExpectedResults.h"
#include "TestSupport.h"

#include "core/hydrology/Compute.h"
#include "core/hydrology/VariantI.h"

#include <gtest/gtest.h>

namespace hydrim::test {
namespace {

const std::vector<std::string> Rains = {"45", "55", "65", "80", "92"};
const SlopeTexts VeryRough{"1.5", "8", "4", "60", 2};
const SlopeTexts VeryRough2{"1.2", "6", "4", "60", 2};
const SlopeTexts Same{"1", "10", "1", "80", 2};

AppState Computed(const SlopeTexts& left, const SlopeTexts* right = nullptr) {
    AppState state = VariantIProject(Rains, "2", "3", left, right);
    const ComputeOutcome outcome = ComputeProject(state);
    EXPECT_TRUE(outcome.ok()) << outcome.message;
    return state;
}

TEST(VariantI, OneSlopeEveryReturnPeriod) {
    const AppState state = Computed(Moderate);
    EXPECT_TRUE(state.LastResultVariantI);
    EXPECT_FALSE(state.TwoSlopes);
    ExpectVariantIFields(state.VariantI, 1, expected::OneSlopeN5);
    ExpectVariantIFields(state.VariantI, 5, expected::OneSlopeN100);
    const ByN<int> critical = {0, 79, 61, 51, 46, 43};
    EXPECT_EQ(state.VariantI.CriticalDurationL, critical);
}

TEST(VariantI, AbstractionOfHundredYearsIsExactlyOne) {
    const AppState state = Computed(Moderate);
    EXPECT_EQ(state.Derived.AbstractionFactorByN[5], 1.0);
    EXPECT_EQ(state.Derived.InitialLossByNL[5], 0.2 * state.Derived.RetentionL);
    EXPECT_LT(state.Derived.AbstractionFactorByN[1], 1.0);
}

TEST(VariantI, CappedAndUncappedSlope) {
    const AppState state = Computed(VeryRough);
    // N = 5: critical duration 351 minutes, design rain capped at 300.
    ExpectVariantIFields(state.VariantI, 1, expected::CappedSlopeN5);
    EXPECT_EQ(state.VariantI.RainDurationL[1], DesignRainCap);
    // N = 10: 281 minutes, below the cap, design rain = critical rain.
    ExpectVariantIFields(state.VariantI, 2, expected::UncappedSlopeN10);
    EXPECT_EQ(state.VariantI.RainDurationL[2], state.VariantI.CriticalDurationL[2]);
}

TEST(VariantI, TwoSlopesCombination) {
    const AppState state = Computed(Moderate, &SteepRough);
    EXPECT_TRUE(state.TwoSlopes);
    ExpectVariantIFields(state.VariantI, 1, expected::TwoSlopesN5);
}

TEST(VariantI, TwoSlopesWithEqualCriticalDurations) {
    const AppState state = Computed(Same, &Same);
    ASSERT_EQ(state.VariantI.CriticalDurationL[1], state.VariantI.CriticalDurationR[1]);
    ExpectVariantIFields(state.VariantI, 1, expected::EqualSlopesN5);
    ExpectVariantIFields(state.VariantI, 4, expected::EqualSlopesN50);
}

TEST(VariantI, OneSlopeCappedOtherNot) {
    const AppState state = Computed(VeryRough, &Moderate);
    ExpectVariantIFields(state.VariantI, 1, expected::CappedAndUncappedN5);
}

TEST(VariantI, BothSlopesCappedAndCommonDurationInside) {
    const AppState state = Computed(VeryRough, &VeryRough2);
    // N = 5: both critical durations above 300, no search; peaks add up.
    ExpectVariantIFields(state.VariantI, 1, expected::BothCappedN5);
    // N = 20: 262 and 252 minutes; the best common rain lies between them.
    ExpectVariantIFields(state.VariantI, 3, expected::InteriorCommonN20);
}

TEST(VariantI, ProgressEndsAt990) {
    AppState state = VariantIProject(Rains, "2", "3", Moderate);
    std::vector<int> positions;
    ASSERT_TRUE(ComputeProject(state, [&](int p) { positions.push_back(p); }).ok());
    EXPECT_EQ(positions, (std::vector<int>{198, 396, 594, 792, 990}));
}

TEST(CommonDuration, EarliestOfEqualSumsWins) {
    const CommonDuration best = FindBestCommonDuration(40, 90, [](int t) { return t < 50 ? 1.0 * t : 50.0; });
    EXPECT_EQ(best.Duration, 50);
    EXPECT_EQ(best.PeakSum, 50.0);
}

TEST(CommonDuration, LaterLargerSumReplaces) {
    const CommonDuration best = FindBestCommonDuration(60, 60, [](int) { return 3.5; });
    EXPECT_EQ(best.Duration, 60);
    const CommonDuration rising = FindBestCommonDuration(10, 20, [](int t) { return t == 20 ? 2.0 : 1.0; });
    EXPECT_EQ(rising.Duration, 20);
}

TEST(CommonDuration, NoPositiveSumStaysInsideTheRange) {
    const CommonDuration best = FindBestCommonDuration(40, 90, [](int) { return 0.0; });
    EXPECT_EQ(best.Duration, 40);
    EXPECT_EQ(best.PeakSum, 0.0);
}

} // namespace
} // namespace hydrim::test
