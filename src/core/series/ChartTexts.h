// Texts around a hydrograph chart that every front end writes alike: the
// title as it is shown, and the words naming the hydrograph shown.
#pragma once

#include <string>

namespace hydrim {

struct AppState;

// The most characters a chart title holds (what the title editor accepts;
// the chart shows it on at most two lines).
inline constexpr int ChartTitleMaxLength = 60;

// The title a chart shows and prints: nothing while the project still holds
// the placeholder "Název grafu" (DefaultChartTitle) or a blank title.
std::string ShownChartTitle(const std::string& title);

// Which hydrograph a chart or a listing shows: the one of the design rain
// or the one of the whole 1-day rainfall H1dN; with a return period N > 0
// (a Variant II design rain) followed by ", N = … let".
std::string HydrographCaption(bool designRain, int returnPeriod = 0);

// The return period N [years] of the Variant II / III design rain that the
// captions name: the N of a Variant II computation, 0 for Variant III (its
// rain is given by its intensity, not by a return period).
int DesignRainReturnPeriod(const AppState& state);

// "N = 5 let": the return period a chart shows.
std::string ReturnPeriodCaption(int years);

} // namespace hydrim
