#include "core/results/NumberFormat.h"

#include <gtest/gtest.h>

namespace hydrim {
namespace {

TEST(NumberFormat, ThreeSignificantDigitsOfPeaksAndVolumes) {
    EXPECT_EQ(FormatSignificant3(0.5678, '.'), "0.568");
    EXPECT_EQ(FormatSignificant3(45.67, '.'), "45.7");
    EXPECT_EQ(FormatSignificant3(123.4, '.'), "123");
    EXPECT_EQ(FormatSignificant3(0.5, '.'), "0.500");
    EXPECT_EQ(FormatSignificant3(12.345, '.'), "12.3");
    EXPECT_EQ(FormatSignificant3(123.45, '.'), "123");
    EXPECT_EQ(FormatSignificant3(999, '.'), "999");
    EXPECT_EQ(FormatSignificant3(1.0, '.'), "1.00");
    EXPECT_EQ(FormatSignificant3(0.85, '.'), "0.850");
    EXPECT_EQ(FormatSignificant3(0.8, '.'), "0.800");
    EXPECT_EQ(FormatSignificant3(2.5, '.'), "2.50");
}

TEST(NumberFormat, RoundingThatCarriesIntoANewDigitKeepsThreeSignificantDigits) {
    EXPECT_EQ(FormatSignificant3(99.96, '.'), "100");
    EXPECT_EQ(FormatSignificant3(9.996, '.'), "10.0");
    EXPECT_EQ(FormatSignificant3(0.9996, '.'), "1.00");
}

TEST(NumberFormat, HalvesRoundAwayFromZero) {
    EXPECT_EQ(FormatFixed(0.125, 5, 2, '.'), "0.13");
    EXPECT_EQ(FormatFixed(2.5, 1, 0, '.'), "3");
    EXPECT_EQ(FormatFixed(-0.125, 5, 2, '.'), "-0.13");
}

TEST(NumberFormat, ValuesOfAThousandAndMoreNeedTheExponentFormAtThreeDigits) {
    EXPECT_EQ(FormatSignificant3(1000, '.'), "1.00E+3");
    EXPECT_EQ(FormatSignificant3(1234.5, ','), "1,23E+3");
    EXPECT_EQ(FormatSignificant3(999.6, '.'), "1.00E+3");
    EXPECT_EQ(FormatFixed(123456.0, 5, 2, '.'), "1.2346E+5");
    EXPECT_EQ(FormatFixed(99999.4, 5, 2, '.'), "99999");
}

TEST(NumberFormat, FixedDecimalsNeverExceedFiveSignificantDigits) {
    EXPECT_EQ(FormatFixed(123.4567, 5, 3, '.'), "123.46");
    EXPECT_EQ(FormatFixed(1.5, 5, 3, '.'), "1.500");
    EXPECT_EQ(FormatFixed(12345.6, 5, 3, '.'), "12346");
    EXPECT_EQ(FormatFixed(0.0123456, 5, 3, '.'), "0.012");
    EXPECT_EQ(FormatFixed(0.0, 5, 3, '.'), "0.000");
    EXPECT_EQ(FormatFixed(-0.0001, 5, 3, '.'), "0.000");
    EXPECT_EQ(FormatFixed(9.99996, 5, 3, '.'), "10.000");
}

TEST(NumberFormat, TheLocaleSeparatorReplacesThePoint) {
    EXPECT_EQ(FormatFixed(45.678, 5, 2, ','), "45,68");
    EXPECT_EQ(FormatSignificant3(0.5678, ','), "0,568");
    EXPECT_EQ(CellFixed(3.14159, 3, ','), "  3,142");
    EXPECT_EQ(CellSignificant3(45.67, ','), "  45,7");
    EXPECT_EQ(CellInteger(-12), "  -12");
}

TEST(NumberFormat, SmallInputsAreNeverEchoedAsZero) {
    EXPECT_EQ(CellInput(0.001, 2, '.'), "  0.001");
    EXPECT_EQ(CellInput(0.0015, 2, ','), "  0,0015");
    EXPECT_EQ(CellInput(0.04, 1, '.'), "  0.04");
    // What the row's decimals show stays as it was.
    EXPECT_EQ(CellInput(0.25, 2, '.'), "  0.25");
    EXPECT_EQ(CellInput(0.006, 2, '.'), "  0.01");
    EXPECT_EQ(CellInput(12.345, 1, '.'), "  12.3");
    EXPECT_EQ(CellInput(0.0, 2, '.'), "  0.00");
}

TEST(NumberFormat, DecimalsForFollowsTheMagnitude) {
    EXPECT_EQ(DecimalsFor(100.0), 0);
    EXPECT_EQ(DecimalsFor(99.99), 1);
    EXPECT_EQ(DecimalsFor(10.0), 1);
    EXPECT_EQ(DecimalsFor(9.99), 2);
    EXPECT_EQ(DecimalsFor(1.0), 2);
    EXPECT_EQ(DecimalsFor(0.999), 3);
    EXPECT_EQ(DecimalsFor(-5.0), 3);
}

} // namespace
} // namespace hydrim
