// The equilibrium test of a trial rain and the critical-duration search.
#include "TestSupport.h"

#include "core/hydrology/CriticalDuration.h"
#include "core/hydrology/RainCoefficients.h"

#include <gtest/gtest.h>

namespace hydrim::test {
namespace {

TrialValues trial;

TEST(EquilibriumTest, ZeroExcessDurationNeverPasses) {
    // Intensity exponent 0: te = t - Ia / F = 10 - 10 / 1 = 0 exactly, where
    // both trial intensities are infinite.
    RainState rain;
    rain.RainFactor = 1.0;
    rain.RainIntensityExponent = 0.0;
    const SlopeLoss slope{10.0, 50.0, 100.0};
    EXPECT_FALSE(PassesEquilibriumTest(rain, 10, 20.0, slope, SlopeTrialOf(trial, Side::Left)));
    EXPECT_FALSE(PassesEquilibriumTest(rain, 9, 20.0, slope, SlopeTrialOf(trial, Side::Left)));
    EXPECT_LT(trial.TrialExcessIntensityL, 0.0); // negative te, negative trial intensity
}

TEST(EquilibriumTest, StoresTheTrialIntensities) {
    RainState rain;
    rain.RainFactor = 2.0;
    rain.RainIntensityExponent = 0.0;
    const SlopeLoss slope{4.0, 36.0, 16.0}; // te = 10 - 4 / 2 = 8
    EXPECT_TRUE(PassesEquilibriumTest(rain, 10, 20.0, slope, SlopeTrialOf(trial, Side::Right)));
    EXPECT_DOUBLE_EQ(trial.TrialExcessIntensityR, 16.0 * 16.0 / (56.0 * 8.0));
    EXPECT_DOUBLE_EQ(trial.TrialEquilibriumIntensityR, 16.0 / 64.0);
}

TEST(CriticalSearch, PassesAtTheFirstTrial) {
    const ParTable par = PublishedParTable();
    RainState rain;
    const SlopeLoss smooth{1.0, 80.0, 0.0};
    const CriticalRains found = FindCriticalDurations(rain, trial, par, 3, 50.0, smooth, nullptr);
    ASSERT_TRUE(found.Left.Found);
    EXPECT_EQ(found.Left.Duration, FirstTrialDuration);
    EXPECT_DOUBLE_EQ(found.Left.RainFactor, 0.171 * 50.0);
    EXPECT_EQ(found.Left.IntensityExponent, 0.688);
}

TEST(CriticalSearch, GivesUpAfterTheLastTrialWithItsRainSelected) {
    const ParTable par = PublishedParTable();
    RainState rain;
    const SlopeLoss wet{1.0, 80.0, 0.0};
    const SlopeLoss never{1000.0, 10.0, 1.0}; // Ia far above any rain depth
    const CriticalRains found = FindCriticalDurations(rain, trial, par, 7, 92.0, wet, &never);
    EXPECT_TRUE(found.Left.Found);
    EXPECT_FALSE(found.Right.Found);
    EXPECT_EQ(found.Right.Duration, 0);
    EXPECT_EQ(found.Left.Duration, FirstTrialDuration); // the first pass is kept
    EXPECT_EQ(rain.RainIntensityExponent, 0.939);       // band 3 of t = 20001
}

} // namespace
} // namespace hydrim::test
