// Spreadsheet export: the result tables and the time series with their
// charts, written as .xlsx workbooks. A workbook is written into a
// temporary file beside the target and renamed over it at the end, so a
// failure never leaves a half-written file behind.
//
// Result tables: one worksheet per result grid, named as the grid says
// ("Vstup", "Výstup N=5", ... "Výstup Povodí" for Variant I, "Výstup" for
// Variants II / III). Value cells become real numbers shown with the
// decimals of the table; symbols and units keep their indices and exponents
// as rich text; section rows are merged, bold and shaded; the table is
// framed and its columns sized to their texts.
//
// Time series: per set a listing sheet (clock times as spreadsheet times
// "hh:mm", the rain intensity and the discharges as numbers) followed by a
// chart sheet (discharges by slope and catchment over a time axis with a
// label every round number of minutes, the rain hanging from the top on a
// reversed secondary axis).
//
// Every sheet prints as a page of its own document (export/WorkbookPrint.h),
// its header naming the project (title; the file's name when empty).
#pragma once

#include "core/project/Error.h"
#include "core/project/ProjectData.h"
#include "core/project/Warning.h"
#include "core/results/ResultTable.h"
#include "core/series/TimeSeries.h"

#include <functional>
#include <string>
#include <vector>

namespace hydrim {

// Progress positions 0..1000, as the wait window shows them.
using ExportProgress = std::function<void(int position)>;

// Writes the grids, one worksheet each, in order, and the warnings on a last
// sheet "Upozornění" when there are any. decimalSeparator is the separator
// the grids' value texts were written with. Fails with a Czech message
// naming the file.
Error WriteResultTableWorkbook(const std::string& path, const std::vector<ResultGrid>& grids,
                               char decimalSeparator, const ExportProgress& progress = {},
                               const Warnings& warnings = {}, const std::string& title = {});

// One listing sheet and its chart sheet.
struct TimeSeriesSheets {
    std::string ListingSheet; // "Časové řady N=5" / "Časové řady"
    std::string ChartSheet;   // "Graf N=5" / "Graf"
    std::string ChartTitle;
    TimeSeriesSource Source;
};

// Variant I: the five return periods, with the hydrograph the chart shows
// (state.HydrographFromDesignRain) and its title.
std::vector<TimeSeriesSheets> VariantITimeSeriesSheets(const AppState& state);
// Variants II / III: the design-rain hydrograph.
std::vector<TimeSeriesSheets> Variant23TimeSeriesSheets(const AppState& state, bool twoSlopes);

// Writes the sets, and the warnings on a last sheet "Upozornění" when there are any.
Error WriteTimeSeriesWorkbook(const std::string& path, const std::vector<TimeSeriesSheets>& sets,
                              const ExportProgress& progress = {}, const Warnings& warnings = {},
                              const std::string& title = {});

} // namespace hydrim
