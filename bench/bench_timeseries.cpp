// A 20 000-minute time series as text: the hydrograph ordinates of two
// slopes, their sum and every row of the listing (the whole "Kopíruj vše"
// text). The listing window must stay responsive at this length (< 50 ms).
#include "core/series/CopyText.h"
#include "core/series/TimeSeries.h"

#include <benchmark/benchmark.h>

namespace {

hydrim::HydrographParams Slope(int ponding, int rise, int fall, double peak) {
    hydrim::HydrographParams p;
    p.Ponding = ponding;
    p.Rise = rise;
    p.Fall = fall;
    p.ShapeNumerator = 1234;
    p.ShapeDivisor = 1000;
    p.Peak = peak;
    return p;
}

void TimeSeriesAsText(benchmark::State& state) {
    const int minutes = static_cast<int>(state.range(0));
    for (auto _ : state) {
        hydrim::TimeSeriesSource source;
        source.Flows =
            hydrim::CombineHydrographs(Slope(12, 240, minutes - 252, 3.5), Slope(8, 120, 5000, 1.25));
        source.WithRain = true;
        source.RainDuration = 240;
        source.RainIntensity = 0.5;
        const hydrim::TimeSeriesListing listing(std::move(source), ',');
        std::string text = hydrim::CopyAllText(hydrim::ViewOf(listing));
        benchmark::DoNotOptimize(text);
    }
    state.SetItemsProcessed(state.iterations() * minutes);
}
BENCHMARK(TimeSeriesAsText)->Arg(20000)->Unit(benchmark::kMillisecond);

// One row on demand, as a view asks for the rows it shows.
void ListingRowOnDemand(benchmark::State& state) {
    hydrim::TimeSeriesSource source;
    source.Flows = hydrim::CombineHydrographs(Slope(12, 240, 19748, 3.5), Slope(8, 120, 5000, 1.25));
    source.WithRain = true;
    source.RainDuration = 240;
    source.RainIntensity = 0.5;
    const hydrim::TimeSeriesListing listing(std::move(source), '.');
    int row = 2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(listing.Row(row));
        row = row + 7919 < listing.RowCount() ? row + 7919 : 2 + (row % 97);
    }
}
BENCHMARK(ListingRowOnDemand)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
