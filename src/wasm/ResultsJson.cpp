#include "wasm/ResultsJson.h"

#include "core/results/CellMarkup.h"
#include "core/results/WarningLists.h"
#include "core/series/ChartScales.h"
#include "core/series/ChartTexts.h"
#include "json/ComputationJson.h"

#include <algorithm>

namespace hydrim::wasm {
namespace {

using ordered = nlohmann::ordered_json;

const char* KindName(GridKind kind) {
    switch (kind) {
    case GridKind::VariantISheet:
        return "variantISheet";
    case GridKind::VariantISummary:
        return "variantISummary";
    case GridKind::VariantICatchment:
        return "variantICatchment";
    case GridKind::Variant23:
        return "variant23";
    }
    return "";
}

const char* BackgroundName(CellStyle::Background background) {
    switch (background) {
    case CellStyle::Heading:
        return "heading";
    case CellStyle::Peak:
        return "peak";
    case CellStyle::Plain:
        break;
    }
    return "plain";
}

ordered RowsJson(const ResultGrid& grid) {
    ordered rows = ordered::array();
    for (int row = 0; row < grid.RowCount(); ++row) {
        const CellStyle style = RowStyle(grid, row);
        const size_t index = static_cast<size_t>(row);
        rows.push_back({{"bold", style.bold},
                        {"background", BackgroundName(style.background)},
                        {"headingAcross", grid.HeadingAcrossRow(row)},
                        {"lines", index < grid.RowLines.size() ? grid.RowLines[index] : 1}});
    }
    return rows;
}

int ReturnPeriodOf(const AppState& state, int i) {
    return state.LastResultVariantI && i >= 1 && i <= 5 ? ReturnPeriods[static_cast<size_t>(i)] : 0;
}

const char* ColumnName(SeriesColumn column) {
    switch (column) {
    case SeriesColumn::Time:
        return "time";
    case SeriesColumn::Rain:
        return "rain";
    case SeriesColumn::Catchment:
        return "catchment";
    case SeriesColumn::Left:
        return "left";
    case SeriesColumn::Right:
        return "right";
    }
    return "";
}

// The words naming the hydrograph shown, as the desktop's chart and listing
// write them: a Variant II design rain with its return period, a Variant I
// hydrograph with "N = … let" of its own.
void AddCaptions(ordered& out, const AppState& state, const TimeSeriesSource& source, int i) {
    const int returnPeriod = ReturnPeriodOf(state, i);
    out["caption"] = HydrographCaption(source.WithRain, returnPeriod > 0 ? 0 : DesignRainReturnPeriod(state));
    out["periodCaption"] = returnPeriod > 0 ? ReturnPeriodCaption(returnPeriod) : std::string();
}

} // namespace

ordered RunsJson(const std::vector<TextRun>& runs) {
    ordered out = ordered::array();
    for (const TextRun& run : runs) {
        ordered item = {{"text", run.symbolFont ? SymbolFontToUnicode(run.text) : run.text}};
        if (run.position == TextRun::Lowered) {
            item["sub"] = true;
        } else if (run.position == TextRun::Raised) {
            item["sup"] = true;
        }
        out.push_back(std::move(item));
    }
    return out;
}

ordered GridJson(const ResultGrid& grid) {
    ordered runs = ordered::array();
    for (int row = 0; row < grid.RowCount(); ++row) {
        ordered line = ordered::array();
        for (int column = 0; column < grid.ColumnCount(); ++column) {
            line.push_back(RunsJson(CellRuns(grid, row, column)));
        }
        runs.push_back(std::move(line));
    }
    ordered spans = ordered::array();
    for (const CellSpan& span : grid.Spans) {
        spans.push_back({{"firstRow", span.FirstRow},
                         {"rowCount", span.RowCount},
                         {"column", span.Column},
                         {"text", span.Text}});
    }
    ordered stacked = ordered::array();
    for (const StackedCell& cell : grid.Stacked) {
        stacked.push_back({{"row", cell.Row}, {"column", cell.Column}, {"lines", cell.Lines}});
    }
    return {{"number", grid.Number},
            {"kind", KindName(grid.Kind)},
            {"title", grid.Title},
            {"sheetName", grid.SheetName},
            {"firstShownRow", grid.FirstShownRow()},
            {"cells", grid.Cells},
            {"runs", std::move(runs)},
            {"rows", RowsJson(grid)},
            {"visibleColumns", grid.VisibleColumns},
            {"valueColumns", grid.ValueColumns},
            {"symbolColumn", grid.SymbolColumn},
            {"descriptionColumn", grid.DescriptionColumn},
            {"unitColumn", grid.UnitColumn},
            {"widthTexts", grid.WidthTexts},
            {"spans", std::move(spans)},
            {"stacked", std::move(stacked)},
            {"sectionRows", grid.Kind == GridKind::Variant23 ? grid.Table23SectionStarts : grid.SectionRows},
            {"copyText", CopyTableText(grid)}};
}

ordered HydrographJson(const AppState& state, const TimeSeriesSource& source, int i) {
    const HydrographSet& flows = source.Flows;
    const int returnPeriod = ReturnPeriodOf(state, i);
    const std::string& title =
        source.WithRain ? state.CurrentProject.ChartTitle1 : state.CurrentProject.ChartTitle2;
    const double peak =
        flows.Catchment.empty() ? 0.0 : *std::max_element(flows.Catchment.begin(), flows.Catchment.end());
    ordered out = {{"returnPeriod", returnPeriod},
                   {"designRain", source.WithRain},
                   {"twoSlopes", flows.TwoSlopes},
                   {"rainDuration", source.RainDuration},
                   {"rainIntensity", source.RainIntensity},
                   {"length", flows.Length()},
                   {"peak", peak}};
    // The scales the chart opens with.
    out["dischargeAxisMaximum"] = DischargeAxisMaximum(flows);
    out["intensityAxisMaximum"] = IntensityAxisMaximum(source.RainIntensity);
    out["firstViewMinutes"] = FirstViewMinutes(flows, source.RainDuration);
    out["title"] = ShownChartTitle(title);
    AddCaptions(out, state, source, i);
    out["warnings"] = WarningsJson(WarningsOfReturnPeriod(ResultWarnings(state), returnPeriod));
    return out;
}

ordered TimeSeriesJson(const AppState& state, const TimeSeriesSource& source, int i, int first, int count) {
    const TimeSeriesListing listing(source, state.LocaleDecimalSeparator);
    ordered columns = ordered::array();
    ordered units = ordered::array();
    for (int column = 0; column < listing.ColumnCount(); ++column) {
        columns.push_back(ColumnName(listing.ColumnRole(column)));
        units.push_back(RunsJson(UnitRuns(listing.Cell(1, column))));
    }
    first = std::max(0, first);
    const int last = std::min(listing.RowCount(), first + std::max(0, count));
    ordered rows = ordered::array();
    for (int row = first; row < last; ++row) {
        rows.push_back(listing.Row(row));
    }
    ordered out = {
        {"rowCount", listing.RowCount()}, {"columns", std::move(columns)}, {"units", std::move(units)}};
    AddCaptions(out, state, source, i);
    out["first"] = first;
    out["rows"] = std::move(rows);
    out["warnings"] = WarningsJson(WarningsOfReturnPeriod(ResultWarnings(state), ReturnPeriodOf(state, i)));
    return out;
}

std::string HydrographOrdinates(const TimeSeriesSource& source) {
    const HydrographSet& flows = source.Flows;
    std::string bytes;
    for (const std::vector<double>* series : {&flows.Catchment, &flows.Left, &flows.Right}) {
        if (series == &flows.Catchment || flows.TwoSlopes) {
            bytes.append(reinterpret_cast<const char*>(series->data()), series->size() * sizeof(double));
        }
    }
    return bytes;
}

std::string TimeSeriesCopyText(const AppState& state, const TimeSeriesSource& source, const std::string& kind,
                               const CellSelection& selection) {
    const TimeSeriesListing listing(source, state.LocaleDecimalSeparator);
    const TextGridView view = ViewOf(listing);
    if (kind == "selection") {
        return CopySelectionText(view, selection);
    }
    if (kind == "selectionWithHeader") {
        return CopySelectionWithHeaderText(view, selection);
    }
    return CopyAllText(view);
}

} // namespace hydrim::wasm
