// The time-series listing: one row per minute with the clock time, the
// design rain intensity (only for the design-rain hydrograph) and the
// discharges of the catchment and, with two slopes, of each slope. Rows 0
// and 1 are the column titles and units. Row texts are computed on demand,
// so a view can show hydrographs of any length without building them all.
#pragma once

#include "core/project/ProjectData.h"
#include "core/hydrology/HydrographOrdinates.h"

#include <string>
#include <vector>

namespace hydrim {

// What a listing shows.
struct TimeSeriesSource {
    HydrographSet Flows;
    bool WithRain = false;    // the design-rain hydrograph: a rain column
    int RainDuration = 0;     // [min]
    double RainIntensity = 0; // [mm/min]
};

// Variant I, return-period index i = 1..5 (state.TwoSlopes decides the slopes;
// state.HydrographFromDesignRain the hydrograph and the rain column).
TimeSeriesSource VariantITimeSeries(const AppState& state, int i);
// Variants II / III (the rain of the left slope's inputs).
TimeSeriesSource Variant23TimeSeries(const AppState& state, bool twoSlopes);

// Role of a listing column.
enum class SeriesColumn { Time, Rain, Catchment, Left, Right };

class TimeSeriesListing {
public:
    TimeSeriesListing(TimeSeriesSource source, char decimalSeparator);

    int RowCount() const;    // number of points + 2
    int ColumnCount() const; // time, [rain], catchment, [left, right]
    SeriesColumn ColumnRole(int column) const;
    // The text of a cell, computed on demand; empty outside the listing.
    std::string Cell(int row, int column) const;
    std::vector<std::string> Row(int row) const;
    const TimeSeriesSource& Source() const { return source_; }

private:
    TimeSeriesSource source_;
    char separator_;
    std::vector<SeriesColumn> columns_;
};

// "    hh:mm" for minute m, hours not wrapped at 24 ("    25:00" at 1500).
std::string ClockText(long long minute);

} // namespace hydrim
