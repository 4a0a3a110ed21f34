#include "core/results/CellMarkup.h"
#include "core/results/ResultTable.h"

#include <gtest/gtest.h>

namespace hydrim {
namespace {

LayoutText ShippedLayout(int variant) {
    return ReadVariant23Layout(std::string(HYDRIM_SOURCE_DIR) + "/DATA", variant);
}

AppState Variant2State() {
    AppState state;
    NumericInputs& in = state.Inputs;
    in.AreaL = 1.25;
    in.AreaR = 0.75;
    in.CnTypeL = 2;
    in.CnTypeR = 1;
    in.ReturnPeriod = 20;
    in.RainN = 55.5;
    in.Rain100 = 80.0;
    in.DurationL = 60;
    in.IntensityL = 0.45678;
    Variant23Results& r = state.Variant23;
    r.TotalArea = 2.0;
    r.CritDurationL = 95;
    r.CritDurationR = 120;
    r.DesignPondingL = 14;
    r.DesignPondingR = 11;
    r.DesignPeakL = 0.5;
    r.DesignPeakR = 12.345;
    r.DesignPeakC = 123.45;
    r.DesignVolumeC = 1000.0;
    r.DesignVolumeL = 850.0;
    r.DesignVolumeR = 150.0;
    r.DesignRiseL = 40;
    r.DesignRiseC = 46;
    r.DesignLengthC = 300;
    return state;
}

TEST(Variant23Table, VariantTwoRowsAndFormats) {
    const AppState state = Variant2State();
    const ResultGrid grid = BuildVariant23Table(state, ShippedLayout(2), 2, true, '.');
    ASSERT_EQ(grid.RowCount(), 45);
    ASSERT_EQ(grid.ColumnCount(), 7);
    EXPECT_EQ(grid.Cell(1, 2), "  2.00");
    EXPECT_EQ(grid.Cell(2, 3), "  1.25");
    EXPECT_EQ(grid.Cell(2, 4), "  0.75");
    EXPECT_EQ(grid.Cell(5, 4), "  1");
    EXPECT_EQ(grid.Cell(7, 2), "  20");
    EXPECT_EQ(grid.Cell(8, 2), "  55.5");
    EXPECT_EQ(grid.Cell(12, 2), "  60");
    EXPECT_EQ(grid.Cell(19, 3), "  95");
    EXPECT_EQ(grid.Cell(19, 4), "  120");
    EXPECT_EQ(grid.Cell(27, 2), "  60");
    EXPECT_EQ(grid.Cell(28, 2), "  0.457");
    EXPECT_EQ(grid.Cell(30, 2), "  11");
    EXPECT_EQ(grid.Cell(30, 3), "  14");
    EXPECT_EQ(grid.Cell(38, 2), "  123");
    EXPECT_EQ(grid.Cell(38, 3), "  0.500");
    EXPECT_EQ(grid.Cell(38, 4), "  12.3");
    EXPECT_EQ(grid.Cell(40, 2), "  1.00");
    EXPECT_EQ(grid.Cell(40, 3), "  0.850");
    EXPECT_EQ(grid.Cell(40, 5), "  [103.m3]");
    EXPECT_EQ(grid.Cell(41, 2), "  46");
    EXPECT_EQ(grid.Cell(41, 3), "  40");
    EXPECT_EQ(grid.Table23PeakRow, 38);
    EXPECT_EQ(grid.HighlightRow, 38);
    EXPECT_EQ(grid.Table23SectionStarts, (std::vector<int>{0, 13, 18, 26, 39, 45, 45}));
    EXPECT_EQ(state.Variant23.DesignVolumeC, 1000.0);
}

TEST(Variant23Table, VariantThreeHasNoCriticalRain) {
    AppState state = Variant2State();
    state.Inputs.IntensityL = 1.2;
    state.Variant23.DesignVolumeC = 2500000.0;
    const ResultGrid grid = BuildVariant23Table(state, ShippedLayout(3), 3, true, ',');
    ASSERT_EQ(grid.RowCount(), 35);
    EXPECT_EQ(grid.Cell(9, 2), "  60");
    EXPECT_EQ(grid.Cell(10, 2), "  1,200");
    EXPECT_EQ(grid.Cell(18, 2), "  1,200");
    EXPECT_EQ(grid.Cell(28, 2), "  123");
    EXPECT_EQ(grid.Cell(30, 2), "  2,50");
    EXPECT_EQ(grid.Cell(30, 5), "  [106.m3]");
    EXPECT_EQ(grid.Table23SectionRows, (std::vector<int>{0, 11, 16, 29}));
    EXPECT_EQ(grid.Table23TopHeadingRows, (std::vector<int>{0, 11}));
}

TEST(Variant23Table, OneSlopeKeepsOneValueColumnWithTheCatchmentValue) {
    AppState state = Variant2State();
    state.Variant23.DesignVolumeC = 999.0;
    state.Variant23.DesignVolumeL = 999.0;
    const ResultGrid grid = BuildVariant23Table(state, ShippedLayout(2), 2, false, '.');
    ASSERT_EQ(grid.ColumnCount(), 5);
    EXPECT_EQ(grid.UnitColumn, 3);
    EXPECT_EQ(grid.Cell(30, 2), "  14"); // DesignPondingL
    EXPECT_EQ(grid.Cell(38, 2), "  123");
    EXPECT_EQ(grid.Cell(40, 2), "  999");
    EXPECT_EQ(grid.Cell(40, 3), "  [m3]");
    const std::string copy = CopyTableText(grid);
    EXPECT_EQ(std::count(copy.begin(), copy.end(), '\t'), 0);
    EXPECT_EQ(std::count(copy.begin(), copy.end(), '\n'), 44);
}

TEST(Variant23Table, CopyGivesThreeFieldsPerLineWithTwoSlopes) {
    const ResultGrid grid = BuildVariant23Table(Variant2State(), ShippedLayout(2), 2, true, '.');
    const std::string copy = CopyTableText(grid);
    EXPECT_EQ(copy.substr(0, copy.find("\r\n") + 2), "  2.00\t\t\r\n");
    EXPECT_NE(copy.find("  123\t  0.500\t  12.3\r\n"), std::string::npos);
}

TEST(Variant23Table, SectionHeadingsReadAcrossTheRow) {
    const ResultGrid grid = BuildVariant23Table(Variant2State(), ShippedLayout(2), 2, true, '.');
    EXPECT_TRUE(grid.HeadingAcrossRow(18));
    const auto heading = CellRuns(grid, 18, 0);
    ASSERT_EQ(heading.size(), 2u);
    EXPECT_EQ(heading[0].text.back(), 'H');
    EXPECT_EQ(heading[1].text, "1dN");
    EXPECT_EQ(heading[1].position, TextRun::Lowered);
    EXPECT_TRUE(heading[0].bold);
    EXPECT_TRUE(CellRuns(grid, 18, 1).empty());
    EXPECT_EQ(JoinRuns(CellRuns(grid, 0, 3)), " Levý svah ");
    EXPECT_EQ(RowStyle(grid, 13).background, CellStyle::Heading);
    EXPECT_EQ(RowStyle(grid, 18).background, CellStyle::Plain);
    EXPECT_EQ(RowStyle(grid, 38).background, CellStyle::Peak);
}

TEST(Variant23Table, MissingLayoutGivesAMessageAndAnEmptyFrame) {
    const LayoutText missing = ReadVariant23Layout("/nonexistent-data-dir", 3);
    EXPECT_NE(missing.Error.Message.find("tabulka3.tab"), std::string::npos);
    const ResultGrid grid = BuildVariant23Table(Variant2State(), missing, 3, true, '.');
    EXPECT_EQ(grid.RowCount(), 35);
    EXPECT_EQ(grid.Cell(28, 2), "  123");
}

} // namespace
} // namespace hydrim
