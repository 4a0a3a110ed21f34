// Chart sheets of the time-series export. The hydrograph chart plots the
// discharges as lines over a time axis of spreadsheet times with a label
// every round number of minutes, and the design rain as a line on a
// secondary value axis whose scale runs downwards, so the rain hangs from
// the top of the plot as in the chart window.
#pragma once

#include "export/Workbook.h"

#include <string>
#include <vector>

namespace hydrim {

// One line of the chart: a column of the listing sheet.
struct ChartLine {
    std::string Name;
    int Column = 0;
    std::uint32_t Color = 0; // 0xRRGGBB
};

struct HydrographChartSheet {
    std::string SheetName; // the chart sheet
    std::string DataSheet; // the listing sheet the series read
    int FirstRow = 0;      // first and last data row of the listing (0-based)
    int LastRow = 0;
    int TimeColumn = 0; // the x values: spreadsheet times
    std::vector<ChartLine> Discharges;
    bool WithRain = false; // the rain column, on the reversed secondary axis
    int RainColumn = 0;
    double RainAxisMaximum = 1; // [mm/min]
    std::string Title;
};

// Adds the chart sheet. The rain placement is applied when the file is
// written (see PutRainOnSecondaryAxis).
void AddHydrographChartSheet(WorkbookFile& file, const HydrographChartSheet& chart);

// Spacing of the time labels in points (minutes): a round step that gives
// at most about a dozen labels.
int TimeLabelSpacing(int points);

// Rewrites the plot area of a scatter chart so that its last series goes on
// a secondary value axis (reversed, 0 .. maximum, titled) with a hidden
// secondary time axis of the same scale as the shown one (0 .. timeMaximum
// days). Returns the text unchanged when it has not the expected shape.
std::string PutRainOnSecondaryAxis(const std::string& plotAreaXml, double maximum, double timeMaximum,
                                   const std::string& title);

} // namespace hydrim
