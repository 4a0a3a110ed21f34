// Texts around a hydrograph chart that every front end writes alike: the
// title as it is shown, and the words naming the hydrograph shown.
#pragma once

#include <string>

namespace hydrim {

// The title a chart shows and prints: nothing while the project still holds
// the placeholder "Název grafu" (DefaultChartTitle) or a blank title.
std::string ShownChartTitle(const std::string& title);

// Which hydrograph a chart or a listing shows: the one of the design rain
// or the one of the whole 1-day rainfall H1dN.
std::string HydrographCaption(bool designRain);

// "N = 5 let": the return period a chart shows.
std::string ReturnPeriodCaption(int years);

} // namespace hydrim
