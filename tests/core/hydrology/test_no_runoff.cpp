// Computations that end because a slope yields no runoff, and inputs that
// must neither crash nor hang the engine.
#include "TestSupport.h"

#include "core/hydrology/Compute.h"
#include "core/hydrology/NoRunoffMessages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace hydrim::test {
namespace {

const std::vector<std::string> Rains = {"45", "55", "65", "80", "92"};
// So rough and so retentive that no rain up to 20001 minutes reaches equilibrium.
const SlopeTexts NeverRunsOff{"1.5", "8", "500", "45", 1};

const std::string LeftOfTwo = "Z levého břehu nedojde při zadaných parametrech k odtoku.\n"
                              "Pro výpočet pravého svahu zvolte typ povodí = Jeden svah.";
const std::string RightOfTwo = "Z pravého břehu nedojde při zadaných parametrech k odtoku.\n"
                               "Pro výpočet levého svahu zvolte typ povodí = Jeden svah.";
const std::string OnlySlope = "Se zadanými parametry nedojde k odtoku z povodí!!";

// The message is the given text, then one line with the reason.
void ExpectNoRunoff(AppState& state, const std::string& message) {
    const ComputeOutcome outcome = ComputeProject(state);
    EXPECT_EQ(outcome.status, ComputeOutcome::Status::NoRunoff);
    EXPECT_EQ(outcome.message.substr(0, message.size() + 1), message + "\n");
    const std::string reason = outcome.message.substr(std::min(outcome.message.size(), message.size() + 1));
    EXPECT_EQ(reason.rfind("Příčina: ", 0), 0u) << outcome.message;
    EXPECT_EQ(reason.find('\n'), std::string::npos);
}

TEST(NoRunoffVariantI, OnlySlopeNamesTheReturnPeriod) {
    AppState state = VariantIProject(Rains, "2", "3", NeverRunsOff);
    state.TwoSlopes = true;
    ExpectNoRunoff(state, "Pro počet let N=5.\n" + OnlySlope);
    EXPECT_TRUE(state.TwoSlopes); // set only by a finished computation
    EXPECT_EQ(state.VariantI.CriticalDurationL[1], 0);
}

TEST(NoRunoffVariantI, FailedLeftOfTwoSlopesEvenWhenTheRightRunsOff) {
    AppState state = VariantIProject(Rains, "2", "3", NeverRunsOff, &Moderate);
    ExpectNoRunoff(state, "Pro počet let N=5.\n" + LeftOfTwo);
}

TEST(NoRunoffVariantI, FailedRightOfTwoSlopes) {
    AppState state = VariantIProject(Rains, "2", "3", Moderate, &NeverRunsOff);
    ExpectNoRunoff(state, "Pro počet let N=5.\n" + RightOfTwo);
}

TEST(NoRunoffVariantII, SearchFailsWithoutPrefix) {
    AppState state =
        Variant23Project(VariantII, Item20Years, "65", "92", "2", "3", NeverRunsOff, nullptr, "60", "");
    ExpectNoRunoff(state, OnlySlope);
    EXPECT_EQ(state.Variant23.CritDurationL, 0);
}

TEST(NoRunoffVariantII, DesignRainWithoutExcess) {
    // Critical rain of 110 minutes, but a 15-minute rain ends before ponding.
    const SlopeTexts slope{"1.5", "8", "0.05", "50", 1};
    AppState state = Variant23Project(VariantII, Item20Years, "65", "92", "2", "3", slope, nullptr, "15", "");
    ExpectNoRunoff(state, OnlySlope);
    EXPECT_EQ(state.Variant23.CritDurationL, 110);
    EXPECT_LE(state.Variant23.DesignExcessDurationL, 0);
}

TEST(NoRunoffVariantII, CriticalRainWithoutWholeMinuteOfExcess) {
    // The search passes at 12 minutes with a ponding time of 11.5..12 minutes,
    // which rounds to 12: no excess minute, so no critical excess intensity.
    const SlopeTexts slope{"1.5", "8", "0.0000001", "40", 1};
    AppState state =
        Variant23Project(VariantII, Item20Years, "54", "92", "2", "3", slope, nullptr, "300", "");
    ExpectNoRunoff(state, OnlySlope);
    EXPECT_EQ(state.Variant23.CritDurationL, 12);
    EXPECT_EQ(state.Variant23.CritExcessDurationL, 0);
    EXPECT_TRUE(std::isfinite(state.Variant23.CritExcessIntensityL));
}

TEST(NoRunoffVariantIII, PondingAsLongAsTheRain) {
    AppState state =
        Variant23Project(VariantIII, Item100Years, "", "", "2", "3", Moderate, nullptr, "10", "1.69");
    ExpectNoRunoff(state, OnlySlope);
    EXPECT_EQ(state.Variant23.DesignPondingL, 10);
}

TEST(NoRunoffVariantIII, FailedRightOfTwoSlopes) {
    const SlopeTexts dry{"1.5", "8", "1", "45", 1};
    AppState state = Variant23Project(VariantIII, Item100Years, "", "", "2", "3", Moderate, &dry, "30", "1");
    ExpectNoRunoff(state, RightOfTwo);
}

TEST(NoRunoffMessages, TextBySlope) {
    EXPECT_EQ(NoRunoffText(Side::Left, false), OnlySlope);
    EXPECT_EQ(NoRunoffText(Side::Right, true), RightOfTwo);
    EXPECT_EQ(VariantINoRunoffMessage(100, Side::Left, true), "Pro počet let N=100.\n" + LeftOfTwo);
}

TEST(DegenerateInputs, EmptyProjectEndsWithAMessage) {
    AppState state;
    state.Par = PublishedParTable();
    const ComputeOutcome none = ComputeProject(state);
    EXPECT_EQ(none.status, ComputeOutcome::Status::InvalidInput);
    EXPECT_FALSE(none.message.empty());

    for (int variant : {0, 1, 2}) {
        state.CurrentProject.Texts.CatchmentType = 1;
        state.CurrentProject.Texts.Variant = variant;
        EXPECT_EQ(ComputeProject(state).status, ComputeOutcome::Status::NoRunoff) << variant;
    }
}

TEST(DegenerateInputs, ZeroRoughnessGivesFiniteResults) {
    // K = 0: every excess is at equilibrium at once; the equilibrium time is
    // kept at one minute, so nothing divides by zero.
    const SlopeTexts smooth{"1.5", "8", "0", "75", 2};
    AppState state =
        Variant23Project(VariantII, Item20Years, "65", "92", "2", "3", smooth, nullptr, "60", "");
    ASSERT_TRUE(ComputeProject(state).ok());
    const Variant23Results& r = state.Variant23;
    EXPECT_EQ(r.DesignEquilibriumTimeL, 1);
    for (double value :
         {r.DesignEquilibriumIntensityL, r.DesignPeakL, r.DesignVolumeL, r.CritExcessIntensityL}) {
        EXPECT_TRUE(std::isfinite(value));
    }
    EXPECT_GT(r.DesignLengthL, 0);

    AppState third = Variant23Project(VariantIII, Item100Years, "", "", "2", "3", smooth, nullptr, "60", "1");
    ASSERT_TRUE(ComputeProject(third).ok());
    EXPECT_TRUE(std::isfinite(third.Variant23.DesignPeakL));
}

TEST(DegenerateInputs, HugeDurationIsBounded) {
    AppState state =
        Variant23Project(VariantIII, Item100Years, "", "", "2", "3", Moderate, nullptr, "2000000000", "0.5");
    const ComputeOutcome outcome = ComputeProject(state);
    EXPECT_TRUE(outcome.ok());
    EXPECT_LE(state.Variant23.DesignShapeDivisorL, 100000);
}

} // namespace
} // namespace hydrim::test
