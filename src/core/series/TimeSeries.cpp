#include "core/series/TimeSeries.h"

#include "core/results/NumberFormat.h"

namespace hydrim {
namespace {

constexpr int HeaderRows = 2;
constexpr int DischargeDecimals = 3;
constexpr int IntensityDecimals = 2;
constexpr int ListingPrecision = 5;

const char* TitleOf(SeriesColumn role) {
    switch (role) {
    case SeriesColumn::Time:
        return "Časové řady";
    case SeriesColumn::Rain:
        return " Srážka ";
    case SeriesColumn::Catchment:
        return "  Povodí  ";
    case SeriesColumn::Left:
        return " Levý svah ";
    case SeriesColumn::Right:
        return " Pravý svah ";
    }
    return "";
}

const char* UnitOf(SeriesColumn role) {
    switch (role) {
    case SeriesColumn::Time:
        return "Čas [hod:min]";
    case SeriesColumn::Rain:
        return "[mm.min-1]";
    default:
        return "[m3.s-1]";
    }
}

} // namespace

TimeSeriesSource VariantITimeSeries(const AppState& state, int i) {
    const bool designRain = state.HydrographFromDesignRain;
    TimeSeriesSource source;
    source.Flows = VariantIHydrographs(state, i, designRain);
    source.WithRain = designRain;
    const auto k = static_cast<size_t>(i < 1 ? 1 : (i > 5 ? 5 : i));
    source.RainDuration = state.VariantI.RainDurationL[k];
    source.RainIntensity = state.VariantI.RainIntensityL[k];
    return source;
}

TimeSeriesSource Variant23TimeSeries(const AppState& state, bool twoSlopes) {
    TimeSeriesSource source;
    source.Flows = Variant23Hydrographs(state, twoSlopes);
    source.WithRain = true;
    source.RainDuration = state.Inputs.DurationL;
    source.RainIntensity = state.Inputs.IntensityL;
    return source;
}

std::string ClockText(long long minute) {
    return "    " + TwoDigits(static_cast<int>(minute / 60)) + ":" + TwoDigits(static_cast<int>(minute % 60));
}

TimeSeriesListing::TimeSeriesListing(TimeSeriesSource source, char decimalSeparator)
    : source_(std::move(source)), separator_(decimalSeparator) {
    columns_.push_back(SeriesColumn::Time);
    if (source_.WithRain) {
        columns_.push_back(SeriesColumn::Rain);
    }
    columns_.push_back(SeriesColumn::Catchment);
    if (source_.Flows.TwoSlopes) {
        columns_.push_back(SeriesColumn::Left);
        columns_.push_back(SeriesColumn::Right);
    }
}

int TimeSeriesListing::RowCount() const {
    return static_cast<int>(source_.Flows.Length()) + HeaderRows;
}

int TimeSeriesListing::ColumnCount() const {
    return static_cast<int>(columns_.size());
}

SeriesColumn TimeSeriesListing::ColumnRole(int column) const {
    return columns_.at(static_cast<size_t>(column));
}

std::string TimeSeriesListing::Cell(int row, int column) const {
    if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount()) {
        return {};
    }
    const SeriesColumn role = columns_[static_cast<size_t>(column)];
    if (row == 0) {
        return TitleOf(role);
    }
    if (row == 1) {
        return UnitOf(role);
    }
    // Row r is labelled with the end of minute r - 1 and shows point r - 2.
    const auto point = static_cast<size_t>(row - HeaderRows);
    switch (role) {
    case SeriesColumn::Time:
        return ClockText(row - 1);
    case SeriesColumn::Rain:
        if (static_cast<long long>(point) < source_.RainDuration) {
            return "    " +
                   FormatFixed(source_.RainIntensity, ListingPrecision, IntensityDecimals, separator_);
        }
        return "    0";
    case SeriesColumn::Catchment:
        return "  " +
               FormatFixed(source_.Flows.Catchment[point], ListingPrecision, DischargeDecimals, separator_);
    case SeriesColumn::Left:
        return "  " + FormatFixed(source_.Flows.Left[point], ListingPrecision, DischargeDecimals, separator_);
    case SeriesColumn::Right:
        return "  " +
               FormatFixed(source_.Flows.Right[point], ListingPrecision, DischargeDecimals, separator_);
    }
    return {};
}

std::vector<std::string> TimeSeriesListing::Row(int row) const {
    std::vector<std::string> cells;
    cells.reserve(columns_.size());
    for (int column = 0; column < ColumnCount(); ++column) {
        cells.push_back(Cell(row, column));
    }
    return cells;
}

} // namespace hydrim
