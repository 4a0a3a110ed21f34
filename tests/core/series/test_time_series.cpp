#include "core/series/CopyText.h"
#include "core/series/TimeSeries.h"

#include <gtest/gtest.h>

namespace hydrim {
namespace {

TimeSeriesSource OneSlopeSource(std::vector<double> flows, int rainDuration = 30) {
    TimeSeriesSource source;
    source.Flows.Catchment = std::move(flows);
    source.WithRain = true;
    source.RainDuration = rainDuration;
    source.RainIntensity = 1.23456;
    return source;
}

TEST(TimeSeries, OneSlopeListingHasTimeRainAndCatchment) {
    const TimeSeriesListing listing(OneSlopeSource(std::vector<double>(40, 123.4567)), '.');
    ASSERT_EQ(listing.ColumnCount(), 3);
    ASSERT_EQ(listing.RowCount(), 42);
    EXPECT_EQ(listing.Row(0), (std::vector<std::string>{"Časové řady", " Srážka ", "  Povodí  "}));
    EXPECT_EQ(listing.Row(1), (std::vector<std::string>{"Čas [hod:min]", "[mm.min-1]", "[m3.s-1]"}));
    EXPECT_EQ(listing.Row(2), (std::vector<std::string>{"    00:01", "    1.23", "  123.46"}));
    EXPECT_EQ(listing.Cell(31, 0), "    00:30");
    EXPECT_EQ(listing.Cell(31, 1), "    1.23");
    EXPECT_EQ(listing.Cell(32, 0), "    00:31");
    EXPECT_EQ(listing.Cell(32, 1), "    0");
    EXPECT_EQ(listing.Cell(42, 0), "");
    EXPECT_EQ(listing.Cell(2, 3), "");
}

TEST(TimeSeries, ClockLabelsRollOverTheDayWithoutWrappingTheHours) {
    const TimeSeriesListing listing(OneSlopeSource(std::vector<double>(6100, 0.5)), ',');
    EXPECT_EQ(listing.Cell(1440, 0), "    23:59");
    EXPECT_EQ(listing.Cell(1441, 0), "    24:00");
    EXPECT_EQ(listing.Cell(1501, 0), "    25:00");
    EXPECT_EQ(listing.Cell(6001, 0), "    100:00");
    EXPECT_EQ(listing.Cell(1441, 2), "  0,500");
    EXPECT_EQ(ClockText(0), "    00:00");
    EXPECT_EQ(ClockText(1439), "    23:59");
}

TEST(TimeSeries, TwoSlopesWithoutRainShiftTheColumnsLeft) {
    TimeSeriesSource source;
    source.Flows.TwoSlopes = true;
    source.Flows.Left = {0.0, 1.0};
    source.Flows.Right = {0.0, 2.5};
    source.Flows.Catchment = {0.0, 3.5};
    const TimeSeriesListing listing(source, '.');
    ASSERT_EQ(listing.ColumnCount(), 4);
    EXPECT_EQ(listing.ColumnRole(1), SeriesColumn::Catchment);
    EXPECT_EQ(listing.Row(0),
              (std::vector<std::string>{"Časové řady", "  Povodí  ", " Levý svah ", " Pravý svah "}));
    EXPECT_EQ(listing.Row(3), (std::vector<std::string>{"    00:02", "  3.500", "  1.000", "  2.500"}));
}

TEST(TimeSeries, VariantISourceFollowsTheChosenHydrograph) {
    AppState state;
    state.TwoSlopes = false;
    VariantIResults& r = state.VariantI;
    r.PondingTimeL[2] = 3;
    r.RiseTimeL[2] = 10;
    r.FallTimeL[2] = 20;
    r.DailyRiseTimeL[2] = 10;
    r.DailyFallTimeL[2] = 50;
    r.ShapeNumeratorL[2] = r.DailyShapeNumeratorL[2] = 2;
    r.ShapeDivisorL[2] = r.DailyShapeDivisorL[2] = 1;
    r.PeakDischargeL[2] = 1.0;
    r.RainDurationL[2] = 12;
    r.RainIntensityL[2] = 0.75;
    state.HydrographFromDesignRain = true;
    const TimeSeriesListing design(VariantITimeSeries(state, 2), '.');
    EXPECT_EQ(design.RowCount(), 33 + 2);
    EXPECT_EQ(design.Cell(13, 1), "    0.75");
    EXPECT_EQ(design.Cell(14, 1), "    0");
    EXPECT_EQ(design.Cell(15, 2), "  1.000"); // the peak, minute 13
    state.HydrographFromDesignRain = false;
    const TimeSeriesListing daily(VariantITimeSeries(state, 2), '.');
    EXPECT_EQ(daily.ColumnCount(), 2);
    EXPECT_EQ(daily.RowCount(), 63 + 2);
}

TEST(TimeSeriesCopy, SingleCellAndHeaderCopies) {
    TimeSeriesSource source = OneSlopeSource({0.0, 1.5, 2.25});
    source.Flows.TwoSlopes = true;
    source.Flows.Left = {0.0, 1.0, 2.0};
    source.Flows.Right = {0.0, 0.5, 0.25};
    const TimeSeriesListing listing(source, '.');
    const TextGridView view = ViewOf(listing);
    EXPECT_EQ(CopySelectionText(view, {2, 3, 2, 3}), "  1.500\r");
    EXPECT_EQ(CopySelectionWithHeaderText(view, {3, 4, 3, 4}),
              "Časové řady\t Levý svah \rČas [hod:min]\t[m3.s-1]\r    00:03\t  2.000\r");
    // A selection starting in column 0 repeats the time column.
    EXPECT_EQ(CopySelectionWithHeaderText(view, {0, 2, 1, 2}).substr(0, 30),
              std::string("Časové řady\tČasové řady\t Srážka \r").substr(0, 30));
    EXPECT_EQ(CopySelectionText(view, {1, 2, 2, 3}), "    1.23\t  0.000\r    1.23\t  1.500\r");
}

TEST(TimeSeriesCopy, EmptyCellsKeepTheirSeparatorsAndAllCopiesEveryRow) {
    TextGridView grid{3, 3,
                      [](int row, int column) { return column == 1 ? std::string() : std::to_string(row); }};
    EXPECT_EQ(CopyAllText(grid), "0\t\t0\r1\t\t1\r2\t\t2\r");
    EXPECT_EQ(CopySelectionText(grid, {0, 1, 1, 1}), "1\t\r");
    EXPECT_EQ(CopySelectionText(grid, {2, 1, 1, 1}), "");      // empty selection
    EXPECT_EQ(CopySelectionText(grid, {1, 2, 9, 9}), "\t2\r"); // clipped to the grid
}

} // namespace
} // namespace hydrim
