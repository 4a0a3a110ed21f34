// The shared formulas: rounding, rain reduction, curve numbers, abstraction,
// slope geometry and equilibrium.
#include "TestSupport.h"

#include "core/hydrology/RainCoefficients.h"
#include "core/hydrology/RunoffFormulas.h"
#include "core/hydrology/SlopeGeometry.h"
#include "core/hydrology/TextNumbers.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace hydrim::test {
namespace {

constexpr double Tight = 1e-13;

TEST(Nint, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(nint(0.5), 0);
    EXPECT_EQ(nint(1.5), 2);
    EXPECT_EQ(nint(2.5), 2);
    EXPECT_EQ(nint(3.5), 4);
    EXPECT_EQ(nint(-2.5), -2);
    EXPECT_EQ(nint(2.4999999), 2);
    EXPECT_EQ(nint(2.5000001), 3);
}

TEST(Nint, DegenerateValuesStayDefined) {
    EXPECT_EQ(nint(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(nint(1e20), INT_MAX);
    EXPECT_EQ(nint(-std::numeric_limits<double>::infinity()), INT_MIN);
}

TEST(PondingTime, RoundsHalvesToEven) {
    EXPECT_EQ(PondingTime(5.0, 2.0), 2); // 2.5
    EXPECT_EQ(PondingTime(7.0, 2.0), 4); // 3.5
    EXPECT_EQ(PondingTime(0.0, 2.0), 0);
}

TEST(RainCoefficients, DurationBandEdges) {
    EXPECT_EQ(DurationBand(9), 3);
    EXPECT_EQ(DurationBand(10), 1);
    EXPECT_EQ(DurationBand(40), 1);
    EXPECT_EQ(DurationBand(41), 2);
    EXPECT_EQ(DurationBand(120), 2);
    EXPECT_EQ(DurationBand(121), 3);
    EXPECT_EQ(DurationBand(20001), 3);
}

TEST(RainCoefficients, ReturnPeriodGroups) {
    const int periods[] = {1, 2, 5, 10, 20, 50, 100};
    for (int g = 1; g <= 7; ++g) {
        EXPECT_EQ(ReturnPeriodGroup(periods[g - 1]), g);
    }
    EXPECT_EQ(ReturnPeriodGroup(0), 1);
    EXPECT_EQ(ReturnPeriodGroup(25), 1);
}

TEST(RainCoefficients, SelectionSetsTheRainState) {
    const ParTable par = PublishedParTable();
    RainState rain;
    SelectRainCoefficients(rain, par, 40, 3, 50.0);
    EXPECT_EQ(rain.RainCoefficient, 0.171);
    EXPECT_EQ(rain.RainDepthExponent, 0.312);
    EXPECT_EQ(rain.RainIntensityExponent, 0.688);
    EXPECT_NEAR(rain.RainFactor, 8.5500000000000007, Tight);
    EXPECT_NEAR(RainDepthFor(rain, 40), 27.027683961883913, Tight);
    EXPECT_NEAR(RainIntensityFor(rain, 40), 0.67569209904709804, Tight);

    SelectRainCoefficients(rain, par, 121, 7, 92.0);
    EXPECT_EQ(rain.RainCoefficient, 0.642);
    EXPECT_EQ(rain.RainIntensityExponent, 0.939);
    EXPECT_NEAR(rain.RainFactor, 59.064, Tight);
}

TEST(CurveNumber, ConversionByCurveType) {
    EXPECT_NEAR(ConvertCurveNumber(90, 3), 96.297881446608159, Tight);
    EXPECT_NEAR(ConvertCurveNumber(40, 1), 22.21728504776716, Tight);
    EXPECT_EQ(ConvertCurveNumber(75, 2), 75.0);
}

TEST(CurveNumber, CapAtHundredGivesNoRetention) {
    // 100 / (0.4036 + 0.59) = 100.64..., set to 100.
    EXPECT_EQ(ConvertCurveNumber(100, 3), 100.0);
    EXPECT_EQ(PotentialRetention(100.0), 0.0);
    EXPECT_EQ(RunoffDepth(37.5, 0.0, 0.0), 37.5); // S = 0: all rain runs off
}

TEST(Abstraction, RetentionExponentAndFactor) {
    EXPECT_NEAR(PotentialRetention(75), 84.666666666666671, Tight);
    EXPECT_NEAR(AbstractionExponent(5), 6.0738309796186813, Tight);
    EXPECT_NEAR(AbstractionExponent(20), 3.9878378857964818, Tight);
    EXPECT_NEAR(AbstractionFactor(45, 92, AbstractionExponent(5)), 0.012990265843754078, Tight);
    EXPECT_EQ(AbstractionFactor(92, 92, AbstractionExponent(100)), 1.0);
    EXPECT_EQ(InitialLoss(1.0, 84.0), 0.2 * 84.0);
}

TEST(Runoff, DepthPeakAndVolume) {
    EXPECT_NEAR(RunoffDepth(60.0, 10.0, 70.0), 19.23076923076923, Tight);
    EXPECT_EQ(PeakDischarge(0.5, 2.0), 16.67 * 0.5 * 2.0); // 16.67 exactly, not 1000/60
    EXPECT_EQ(RunoffVolume(1.5, 20.0), 30000.0);
    EXPECT_EQ(PeakIntensityBelowEquilibrium(3.0, 4.5), 2.0);
}

TEST(SlopeGeometry, WidthFlowLengthAndCoefficient) {
    const double width = SlopeWidth(1.5, 2.0);
    const double flowLength = FlowPathLength(width, 3.0, 8.0);
    EXPECT_EQ(width, 0.75);
    EXPECT_NEAR(flowLength, 0.7948894986527959, Tight);
    EXPECT_NEAR(FlowCoefficient(1.0, flowLength, 8.0), 538.38324068568488, 1e-10);
}

TEST(SlopeGeometry, EquilibriumTimeIsAtLeastOneMinute) {
    EXPECT_EQ(EquilibriumTime(1200.0, 0.5), 49); // sqrt(2400) = 48.99
    EXPECT_EQ(EquilibriumTime(0.1, 1.0), 1);     // sqrt(0.1) rounds to 0
    EXPECT_EQ(EquilibriumTime(0.0, 1.0), 1);
    EXPECT_EQ(EquilibriumIntensity(1200.0, 49), 1200.0 / 2401.0);
    EXPECT_TRUE(std::isfinite(EquilibriumIntensity(1.0, EquilibriumTime(0.0, 1.0))));
}

TEST(TextNumbers, DecimalPointWhateverTheLocale) {
    EXPECT_EQ(TextToReal("12.5"), 12.5);
    EXPECT_EQ(TextToReal(" 0.75"), 0.75);
    EXPECT_EQ(TextToReal("3e2"), 300.0);
    EXPECT_EQ(TextToReal("12,5"), 12.0); // the rest after the number is ignored
    EXPECT_EQ(TextToReal(""), 0.0);
    EXPECT_EQ(TextToReal("abc"), 0.0);
    EXPECT_EQ(TextToReal("\t-.5e1 mm"), -5.0);
    EXPECT_EQ(TextToReal("inf"), 0.0);   // names are not numbers
    EXPECT_EQ(TextToReal("1e999"), 0.0); // beyond the range of double
    EXPECT_EQ(TextToInteger("120"), 120);
    EXPECT_EQ(TextToInteger("12.9"), 12);
    EXPECT_EQ(TextToInteger(""), 0);
    EXPECT_EQ(TextToInteger("99999999999"), INT_MAX);
}

} // namespace
} // namespace hydrim::test
