#include "export/WorkbookCharts.h"

#include "export/PlotAreaRewrite.h"
#include "export/WorkbookPrint.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace hydrim {
namespace {

constexpr std::uint32_t RainColor = 0x00A0D0; // cyan blue
constexpr float LineWidth = 1.5f;
constexpr int MaximumLabels = 12;
constexpr double MinutesPerDay = 1440.0;
// Round label steps in minutes.
constexpr std::array<int, 15> LabelSteps = {1, 2, 5, 10, 15, 20, 30, 60, 120, 180, 240, 360, 480, 720, 1440};

// Axis ids of the secondary axes; the library numbers the primary ones
// 5xxx0001 / 5xxx0002, so these never collide within a chart.
constexpr const char* SecondaryTimeAxisId = "70000003";
constexpr const char* SecondaryValueAxisId = "70000004";

const char* const TimeAxisTitle = "Čas [hod:min]";
const char* const DischargeAxisTitle = "Průtok [m³.s⁻¹]";
const char* const RainAxisTitle = "Intenzita deště [mm.min⁻¹]";
const char* const RainSeriesName = "Výpočtový déšť";

std::string EscapeXml(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string AxisTitleXml(const std::string& title) {
    return "<c:title><c:tx><c:rich><a:bodyPr rot=\"-5400000\" "
           "vert=\"horz\"/><a:lstStyle/><a:p><a:pPr><a:defRPr/>"
           "</a:pPr><a:r><a:rPr lang=\"cs-CZ\"/><a:t>" +
           EscapeXml(title) + "</a:t></a:r></a:p></c:rich></c:tx><c:layout/><c:overlay val=\"0\"/></c:title>";
}

std::string NumberText(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

// The rain's value axis on the right, its scale running downwards from 0 to
// maximum, and its hidden time axis with the same scale as the visible one.
std::string SecondaryAxesXml(double maximum, double timeMaximum, const std::string& title) {
    return std::string("<c:valAx><c:axId val=\"") + SecondaryValueAxisId +
           "\"/><c:scaling><c:orientation val=\"maxMin\"/><c:max val=\"" + NumberText(maximum) +
           "\"/><c:min val=\"0\"/></c:scaling><c:delete val=\"0\"/><c:axPos val=\"r\"/>" +
           AxisTitleXml(title) +
           "<c:numFmt formatCode=\"General\" sourceLinked=\"0\"/><c:majorTickMark val=\"out\"/>"
           "<c:minorTickMark val=\"none\"/><c:tickLblPos val=\"nextTo\"/><c:crossAx val=\"" +
           SecondaryTimeAxisId +
           "\"/><c:crosses val=\"max\"/><c:crossBetween val=\"midCat\"/></c:valAx>"
           "<c:valAx><c:axId val=\"" +
           SecondaryTimeAxisId + "\"/><c:scaling><c:orientation val=\"minMax\"/><c:max val=\"" +
           NumberText(timeMaximum) +
           "\"/><c:min val=\"0\"/></c:scaling><c:delete val=\"1\"/><c:axPos val=\"b\"/>"
           "<c:numFmt formatCode=\"[hh]:mm\" sourceLinked=\"0\"/><c:majorTickMark val=\"none\"/>"
           "<c:minorTickMark val=\"none\"/><c:tickLblPos val=\"nextTo\"/><c:crossAx val=\"" +
           SecondaryValueAxisId +
           "\"/><c:crosses val=\"autoZero\"/><c:crossBetween val=\"midCat\"/></c:valAx>";
}

lxw_chart_series* AddColumnSeries(WorkbookFile& file, lxw_chart* chart, const HydrographChartSheet& sheet,
                                  int column, const std::string& name) {
    lxw_chart_series* series = chart_add_series(chart, nullptr, nullptr);
    if (!series) {
        file.Check(LXW_ERROR_MEMORY_MALLOC_FAILED, "řada grafu");
        return nullptr;
    }
    const char* data = sheet.DataSheet.c_str();
    const auto first = static_cast<lxw_row_t>(sheet.FirstRow);
    const auto last = static_cast<lxw_row_t>(sheet.LastRow);
    chart_series_set_categories(series, data, first, static_cast<lxw_col_t>(sheet.TimeColumn), last,
                                static_cast<lxw_col_t>(sheet.TimeColumn));
    chart_series_set_values(series, data, first, static_cast<lxw_col_t>(column), last,
                            static_cast<lxw_col_t>(column));
    chart_series_set_name(series, name.c_str());
    return series;
}

} // namespace

int TimeLabelSpacing(int points) {
    for (int step : LabelSteps) {
        if (points <= step * MaximumLabels) {
            return step;
        }
    }
    // Beyond twelve days: whole days.
    const int days = (points + LabelSteps.back() * MaximumLabels - 1) / (LabelSteps.back() * MaximumLabels);
    return LabelSteps.back() * days;
}

std::string PutRainOnSecondaryAxis(const std::string& plotAreaXml, double maximum, double timeMaximum,
                                   const std::string& title) {
    const std::string groupEnd = "</c:scatterChart>";
    const size_t group = plotAreaXml.find(groupEnd);
    const size_t lastValueAxis = plotAreaXml.rfind("</c:valAx>");
    if (group == std::string::npos || lastValueAxis == std::string::npos || lastValueAxis < group) {
        return plotAreaXml;
    }
    const size_t rainStart = plotAreaXml.rfind("<c:ser>", group);
    const size_t rainEnd =
        rainStart == std::string::npos ? std::string::npos : plotAreaXml.find("</c:ser>", rainStart);
    if (rainEnd == std::string::npos || rainEnd > group) {
        return plotAreaXml;
    }
    const size_t afterRain = rainEnd + std::string("</c:ser>").size();
    const std::string rainGroup =
        "<c:scatterChart><c:scatterStyle val=\"lineMarker\"/><c:varyColors val=\"0\"/>" +
        plotAreaXml.substr(rainStart, afterRain - rainStart) + "<c:axId val=\"" + SecondaryTimeAxisId +
        "\"/><c:axId val=\"" + SecondaryValueAxisId + "\"/></c:scatterChart>";
    const size_t afterValueAxis = lastValueAxis + std::string("</c:valAx>").size();
    // The discharges without the rain, the rain's group after them, the
    // secondary axes after the primary ones.
    return plotAreaXml.substr(0, rainStart) +
           plotAreaXml.substr(afterRain, group + groupEnd.size() - afterRain) + rainGroup +
           plotAreaXml.substr(group + groupEnd.size(), afterValueAxis - group - groupEnd.size()) +
           SecondaryAxesXml(maximum, timeMaximum, title) + plotAreaXml.substr(afterValueAxis);
}

void AddHydrographChartSheet(WorkbookFile& file, const HydrographChartSheet& sheet) {
    lxw_chartsheet* chartsheet = file.AddChartsheet(sheet.SheetName);
    lxw_chart* chart = chartsheet ? file.AddChart(LXW_CHART_SCATTER_STRAIGHT) : nullptr;
    if (!chart) {
        return;
    }
    for (const ChartLine& line : sheet.Discharges) {
        if (lxw_chart_series* series = AddColumnSeries(file, chart, sheet, line.Column, line.Name)) {
            lxw_chart_line style{};
            style.color = line.Color;
            style.width = LineWidth;
            chart_series_set_line(series, &style);
            chart_series_set_marker_type(series, LXW_CHART_MARKER_NONE);
        }
    }
    if (sheet.WithRain) {
        if (lxw_chart_series* rain = AddColumnSeries(file, chart, sheet, sheet.RainColumn, RainSeriesName)) {
            lxw_chart_line style{};
            style.color = RainColor;
            style.width = LineWidth;
            chart_series_set_line(rain, &style);
            chart_series_set_marker_type(rain, LXW_CHART_MARKER_NONE);
            const double maximum = sheet.RainAxisMaximum;
            const double timeMaximum = (sheet.LastRow - sheet.FirstRow) / MinutesPerDay;
            RewritePlotArea(file, chart, [maximum, timeMaximum](const std::string& xml) {
                return PutRainOnSecondaryAxis(xml, maximum, timeMaximum, RainAxisTitle);
            });
        }
    }
    if (!sheet.Title.empty()) {
        chart_title_set_name(chart, sheet.Title.c_str());
    }
    // Time runs on a value axis in days (spreadsheet times) from 00:00 to the
    // listing's last minute, labelled every round number of minutes (a
    // category axis would need a label skip, which not every spreadsheet
    // application honours).
    const int minutes = sheet.LastRow - sheet.FirstRow;
    chart_axis_set_name(chart->x_axis, TimeAxisTitle);
    chart_axis_set_num_format(chart->x_axis, "[hh]:mm");
    chart_axis_set_min(chart->x_axis, 0);
    chart_axis_set_max(chart->x_axis, minutes / MinutesPerDay);
    chart_axis_set_major_unit(chart->x_axis, TimeLabelSpacing(minutes + 1) / MinutesPerDay);
    chart_axis_set_name(chart->y_axis, DischargeAxisTitle);
    chart_axis_set_min(chart->y_axis, 0);
    chart_axis_major_gridlines_set_visible(chart->y_axis, LXW_TRUE);
    chart_legend_set_position(chart, LXW_CHART_LEGEND_BOTTOM);
    lxw_chart_fill white{};
    white.color = LXW_COLOR_WHITE;
    chart_plotarea_set_fill(chart, &white);
    file.Check(chartsheet_set_chart(chartsheet, chart), "graf na listu „" + sheet.SheetName + "“");
    SetUpChartPrinting(file, chartsheet);
}

} // namespace hydrim
