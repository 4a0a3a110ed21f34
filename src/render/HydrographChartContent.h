// What one hydrograph chart shows: the ordinates of the slopes and of the
// catchment, the design rain drawn as a band from the top, and the texts
// around the plot. The windows fill it from the ordinates the engine
// generates; the chart builder only draws it.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace hydrim::render {

struct HydrographChartContent {
    // Minute of each point (x), and the discharges [m3/s] per point. With one
    // slope only `left` is used and holds the catchment; with two slopes all
    // three vectors have the length of `minutes`.
    std::vector<int> minutes;
    std::vector<double> left, right, catchment;
    bool twoSlopes = false;

    // Design rain: shown as a band and on the right axis only when true
    // (false for the hydrograph of the whole 1-day rainfall).
    bool designRain = true;
    int rainDuration = 0;       // [min]
    double rainIntensity = 0.0; // [mm/min]

    QString title;
    int returnPeriod = 0; // N [years] for the "N = … let" label; 0 = no label
    // N [years] of the design rain that the caption names (Variant II); 0 = none.
    int captionReturnPeriod = 0;
    // The decimal separator of the axis labels: that of the result tables.
    char decimalSeparator = '.';

    // Warnings printed below the chart (the window shows them in its own line).
    QStringList notes;
    // The minutes the time axis shows, from shownFrom to shownTo; a negative
    // shownTo gives the first view (ChartBuilder.h, FirstViewMinutes).
    int shownFrom = 0;
    int shownTo = -1;
};

} // namespace hydrim::render
