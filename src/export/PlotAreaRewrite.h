// The one place that reaches into libxlsxwriter's internals. Its charts
// (1.1.x) have no secondary axes, but a chart keeps the writer of its plot
// area as a function pointer: a rewrite registered here is wrapped around
// that writer and reshapes the plot area's XML as the chart is written.
#pragma once

#include "export/Workbook.h"

#include <functional>
#include <string>

namespace hydrim {

using PlotAreaRewrite = std::function<std::string(const std::string& plotAreaXml)>;

// True when this build of the library is one whose chart internals are
// known to hold the plot-area writer (1.1.x).
bool PlotAreaRewriteSupported();

// Registers rewrite for chart until the workbook of file is gone. Returns
// false and registers nothing when the library is not a known version; the
// chart is then written as the library writes it.
bool RewritePlotArea(WorkbookFile& file, lxw_chart* chart, PlotAreaRewrite rewrite);

} // namespace hydrim
