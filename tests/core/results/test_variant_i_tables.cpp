#include "core/results/CellMarkup.h"
#include "core/results/ResultTable.h"

#include <gtest/gtest.h>

namespace hydrim {
namespace {

VariantILayouts ShippedLayouts() {
    return ReadVariantILayouts(std::string(HYDRIM_SOURCE_DIR) + "/DATA");
}

// A Variant I result set with distinct values, so a value in a wrong cell shows.
AppState TwoSlopeState() {
    AppState state;
    state.TwoSlopes = true;
    NumericInputs& in = state.Inputs;
    in.AreaL = 1.25;
    in.AreaR = 0.75;
    in.SlopeL = 12.34;
    in.SlopeR = 8.0;
    in.RoughnessL = 10.0;
    in.RoughnessR = 20.5;
    in.ValleyLength = 1.5;
    in.ValleySlope = 2.25;
    in.CnTypeL = 2;
    in.CnTypeR = 3;
    in.CnL = 75.0;
    in.CnR = 80.0;
    in.RainByN = {0, 40.0, 50.0, 60.0, 70.0, 80.0};
    state.Derived.CnAdjL = 75.0;
    state.Derived.CnAdjR = 90.4;
    state.Derived.RetentionL = 84.667;
    state.Derived.WidthL = 0.8333;
    state.Derived.FlowLengthL = 0.9123;
    VariantIResults& r = state.VariantI;
    r.TotalArea = 2.0;
    for (size_t i = 1; i <= 5; ++i) {
        r.CriticalDurationL[i] = 60 + static_cast<int>(i);
        r.CriticalIntensityL[i] = 0.54321;
        r.RainDurationL[i] = 45;
        r.RainIntensityL[i] = 0.9876;
        r.RainDepthL[i] = 44.44;
        r.PondingTimeL[i] = 12;
        r.PondingTimeR[i] = 9;
        r.PeakDischargeL[i] = 0.5678;
        r.PeakDischargeR[i] = 45.67;
        r.PeakDischargeC[i] = 123.4;
        r.RiseTimeL[i] = 33;
        r.RiseTimeR[i] = 36;
        r.RiseTimeC[i] = 36;
        r.DailyHydrographLengthC[i] = 1500;
    }
    r.VolumeC = {0, 999.0, 1000.0, 2500000.0, 800.0, 12000.0};
    r.VolumeL = {0, 600.0, 850.0, 2000000.0, 500.0, 7000.0};
    r.VolumeR = {0, 399.0, 150.0, 500000.0, 300.0, 5000.0};
    r.DailyVolumeC = {0, 5000.0, 5000.0, 5000.0, 5000.0, 5000.0};
    return state;
}

TEST(VariantITables, OutputSheetPutsEachQuantityInItsRowAndColumn) {
    const auto grids = BuildVariantITables(TwoSlopeState(), ShippedLayouts(), '.');
    const ResultGrid& n5 = grids[1];
    EXPECT_EQ(n5.Title, "VÝSTUP N=5");
    ASSERT_EQ(n5.RowCount(), 38);
    ASSERT_EQ(n5.ColumnCount(), 7);
    EXPECT_EQ(n5.Cell(0, 2), "  Povodí  ");
    EXPECT_EQ(n5.Cell(0, 3), " Levý svah ");
    EXPECT_EQ(n5.Cell(0, 4), " Pravý svah ");
    EXPECT_EQ(n5.Cell(1, 3), "  75.0");
    EXPECT_EQ(n5.Cell(1, 4), "  90.4");
    EXPECT_EQ(n5.Cell(3, 3), "  0.83");
    EXPECT_EQ(n5.Cell(6, 3), "  61");
    EXPECT_EQ(n5.Cell(7, 3), "  0.543");
    EXPECT_EQ(n5.Cell(14, 2), "  45");
    EXPECT_EQ(n5.Cell(15, 2), "  0.988");
    // Ponding: the catchment shows the earlier of the two slopes.
    EXPECT_EQ(n5.Cell(17, 2), "  9");
    EXPECT_EQ(n5.Cell(17, 3), "  12");
    EXPECT_EQ(n5.Cell(25, 2), "  123");
    EXPECT_EQ(n5.Cell(25, 3), "  0.568");
    EXPECT_EQ(n5.Cell(25, 4), "  45.7");
    EXPECT_EQ(n5.Cell(28, 2), "  36");
    EXPECT_EQ(n5.Cell(37, 2), "  1500");
    EXPECT_EQ(n5.Cell(5, 2), "");
    EXPECT_EQ(n5.UnitColumn, 5);
    EXPECT_EQ(n5.Cell(25, 5), "  [m3.s-1]");
    EXPECT_EQ(n5.HighlightRow, 25);
    EXPECT_EQ(n5.BoldRows, (std::set<int>{0, 5, 13, 26, 32}));
    EXPECT_EQ(n5.SectionRows, (std::vector<int>{0, 5, 13, 26, 32, 38, 38}));
}

TEST(VariantITables, VolumesAreShownInPowersOfTenDecidedByTheCatchment) {
    const AppState state = TwoSlopeState();
    const auto grids = BuildVariantITables(state, ShippedLayouts(), '.');
    EXPECT_EQ(grids[1].Cell(27, 2), "  999");
    EXPECT_EQ(grids[1].Cell(27, 5), "  [m3]");
    EXPECT_EQ(grids[2].Cell(27, 2), "  1.00");
    EXPECT_EQ(grids[2].Cell(27, 3), "  0.850");
    EXPECT_EQ(grids[2].Cell(27, 5), "  [103.m3]");
    EXPECT_EQ(grids[3].Cell(27, 2), "  2.50");
    EXPECT_EQ(grids[3].Cell(27, 5), "  [106.m3]");
    EXPECT_EQ(grids[1].Cell(33, 2), "  5.00");
    EXPECT_EQ(grids[1].Cell(33, 5), "  [103.m3]");
    // The result set itself stays in m³.
    EXPECT_EQ(state.VariantI.VolumeC[3], 2500000.0);
    EXPECT_EQ(state.VariantI.VolumeL[2], 850.0);
}

TEST(VariantITables, SummaryRowsCarryTheExponentOfTheirReturnPeriod) {
    const auto grids = BuildVariantITables(TwoSlopeState(), ShippedLayouts(), '.');
    const ResultGrid& summary = grids[6];
    ASSERT_EQ(summary.RowCount(), 17);
    ASSERT_EQ(summary.ColumnCount(), 8);
    EXPECT_EQ(summary.Cell(0, 3), "  Povodí  ");
    EXPECT_EQ(summary.Cell(2, 3), "  123");
    EXPECT_EQ(summary.Cell(2, 4), "  0.568");
    EXPECT_EQ(summary.Cell(3, 3), "  999");
    EXPECT_EQ(summary.Cell(3, 6), "  [m3]");
    EXPECT_EQ(summary.Cell(6, 3), "  1.00");
    EXPECT_EQ(summary.Cell(6, 6), "  [103.m3]");
    EXPECT_EQ(summary.Cell(9, 5), "  0.500");
    EXPECT_EQ(summary.Cell(9, 6), "  [106.m3]");
    // The return-period labels, one per block of three rows.
    ASSERT_EQ(summary.Spans.size(), 5u);
    EXPECT_EQ(summary.Spans[4].FirstRow, 14);
    EXPECT_EQ(summary.Spans[4].RowCount, 3);
    EXPECT_EQ(summary.Spans[4].Text, "  100");
    EXPECT_EQ(summary.Cell(14, 0), "  100");
    EXPECT_EQ(summary.Cell(15, 0), "");
}

TEST(VariantITables, CatchmentSummaryUsesOnePowerOfTenPerRow) {
    const auto grids = BuildVariantITables(TwoSlopeState(), ShippedLayouts(), '.');
    const ResultGrid& catchment = grids[7];
    ASSERT_EQ(catchment.RowCount(), 5);
    EXPECT_EQ(catchment.Cell(1, 1), "  5");
    EXPECT_EQ(catchment.Cell(1, 5), "  100");
    EXPECT_EQ(catchment.Cell(2, 1), "  123");
    // The largest volume exponent (10^6 for N = 20) applies to every N.
    EXPECT_EQ(catchment.Cell(3, 3), "  2.50");
    EXPECT_EQ(catchment.Cell(3, 4), "  0.001"); // 800 m³ at 10^6: three decimals
    EXPECT_EQ(catchment.Cell(3, 6), "  [106.m3]");
    EXPECT_EQ(catchment.Cell(4, 1), "  5.00");
    EXPECT_EQ(catchment.Cell(4, 6), "  [103.m3]");
}

TEST(VariantITables, SmallVolumesAgainstAThousandsExponentShowAsFractions) {
    AppState state = TwoSlopeState();
    state.VariantI.VolumeC = {0, 800.0, 900.0, 950.0, 990.0, 12000.0};
    const auto grids = BuildVariantITables(state, ShippedLayouts(), '.');
    EXPECT_EQ(grids[7].Cell(3, 1), "  0.800");
    EXPECT_EQ(grids[7].Cell(3, 5), "  12.0");
    EXPECT_EQ(grids[7].Cell(3, 6), "  [103.m3]");
}

TEST(VariantITables, InputsSheetListsTheInputsAndStacksTheReturnPeriods) {
    const auto grids = BuildVariantITables(TwoSlopeState(), ShippedLayouts(), ',');
    const ResultGrid& inputs = grids[0];
    ASSERT_EQ(inputs.RowCount(), 15);
    EXPECT_EQ(inputs.Cell(1, 2), "  2,00");
    EXPECT_EQ(inputs.Cell(2, 3), "  1,25");
    EXPECT_EQ(inputs.Cell(2, 4), "  0,75");
    EXPECT_EQ(inputs.Cell(3, 3), "  12,3");
    EXPECT_EQ(inputs.Cell(4, 4), "  20,50");
    EXPECT_EQ(inputs.Cell(5, 2), "  1,50");
    EXPECT_EQ(inputs.Cell(7, 4), "  3");
    EXPECT_EQ(inputs.Cell(9, 2), "  5");
    EXPECT_EQ(inputs.Cell(14, 2), "  80,0");
    ASSERT_EQ(inputs.Stacked.size(), 1u);
    EXPECT_EQ(inputs.Stacked[0].Lines, (std::vector<std::string>{"  5", "  10", "  20", "  50", "  100"}));
    EXPECT_EQ(inputs.RowLines[9], 5);
}

TEST(VariantITables, OneSlopeMovesTheUnitsNextToTheCatchmentColumn) {
    AppState state = TwoSlopeState();
    state.TwoSlopes = false;
    const auto grids = BuildVariantITables(state, ShippedLayouts(), '.');
    const ResultGrid& n5 = grids[1];
    ASSERT_EQ(n5.ColumnCount(), 5);
    EXPECT_EQ(n5.UnitColumn, 3);
    EXPECT_EQ(n5.VisibleColumns, (std::vector<bool>{true, true, true, true, false}));
    EXPECT_EQ(n5.Cell(25, 3), "  [m3.s-1]");
    EXPECT_EQ(n5.Cell(25, 2), "  123"); // the catchment value is written last
    EXPECT_EQ(n5.Cell(1, 2), "  75.0");
    EXPECT_EQ(n5.Cell(17, 2), "  12");
    EXPECT_EQ(n5.Cell(25, 4), "");
    const ResultGrid& summary = grids[6];
    ASSERT_EQ(summary.ColumnCount(), 6);
    EXPECT_EQ(summary.UnitColumn, 4);
    EXPECT_EQ(summary.Cell(2, 4), "  [m3.s-1]");
    EXPECT_EQ(summary.ValueColumns, (std::vector<int>{3}));
    EXPECT_EQ(grids[7].ColumnCount(), 8);
}

TEST(VariantITables, CopyTextHoldsTheValueColumnsOfRowsOneOnward) {
    AppState state = TwoSlopeState();
    const auto two = BuildVariantITables(state, ShippedLayouts(), '.');
    const std::string text = CopyTableText(two[1]);
    EXPECT_EQ(text.substr(0, text.find("\r\n") + 2), "\t  75.0\t  90.4\r\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 37);
    state.TwoSlopes = false;
    const auto one = BuildVariantITables(state, ShippedLayouts(), '.');
    const std::string single = CopyTableText(one[1]);
    EXPECT_EQ(single.substr(0, single.find("\r\n") + 2), "  75.0\r\n");
    const std::string catchment = CopyTableText(one[7]);
    EXPECT_EQ(catchment.substr(0, catchment.find("\r\n") + 2), "  5\t  10\t  20\t  50\t  100\r\n");
}

TEST(VariantITables, MissingLayoutFilesLeaveTheRowTextsEmptyButKeepTheValues) {
    const VariantILayouts none = ReadVariantILayouts("/nonexistent-data-dir");
    EXPECT_NE(none.Error.Message.find("VarTab1.tab"), std::string::npos);
    EXPECT_NE(none.Error.Message.find("VarTab8.tab"), std::string::npos);
    const auto grids = BuildVariantITables(TwoSlopeState(), none, '.');
    EXPECT_EQ(grids[1].RowCount(), 38);
    EXPECT_EQ(grids[1].Cell(25, 0), "");
    EXPECT_EQ(grids[1].Cell(25, 2), "  123");
}

TEST(VariantITables, ShippedLayoutTextsFollowTheDrawingConventions) {
    const auto grids = BuildVariantITables(TwoSlopeState(), ShippedLayouts(), '.');
    const ResultGrid& n5 = grids[1];
    const auto peak = CellRuns(n5, 25, 0);
    ASSERT_EQ(peak.size(), 2u);
    EXPECT_EQ(peak[0].text, " Q");
    EXPECT_EQ(peak[1].position, TextRun::Lowered);
    EXPECT_TRUE(peak[0].bold); // the highlighted peak row
    const auto gamma = CellRuns(grids[0], 4, 0);
    ASSERT_EQ(gamma.size(), 1u);
    EXPECT_TRUE(gamma[0].symbolFont);
    const auto volumeUnit = CellRuns(grids[2], 27, 5);
    EXPECT_EQ(JoinRuns(volumeUnit), "  [103.m3]");
    EXPECT_EQ(volumeUnit[1], (TextRun{"3", TextRun::Raised, false, false}));
}

} // namespace
} // namespace hydrim
