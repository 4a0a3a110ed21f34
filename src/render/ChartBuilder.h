// Builds the hydrograph chart: the slope and catchment line series on an
// elapsed-time axis, the discharge axis on the left, the inverted rain
// intensity axis on the right with the design rain hanging from the top as a
// light cyan band, and the legend below the plot.
#pragma once

#include "render/HydrographChartContent.h"

#include <QDateTime>
#include <QString>

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace hydrim::render {

// Series and axis object names, so callers and tests can find them.
inline constexpr const char* LeftSlopeSeriesName = "Series1";
inline constexpr const char* RightSlopeSeriesName = "Series2";
inline constexpr const char* CatchmentSeriesName = "Series3";
inline constexpr const char* RainSeriesName = "Series4";
inline constexpr const char* TimeAxisName = "BottomAxis";
inline constexpr const char* DischargeAxisName = "LeftAxis";
inline constexpr const char* IntensityAxisName = "RightAxis";

// Light cyan of the design rain band.
inline constexpr int RainBandRed = 204, RainBandGreen = 255, RainBandBlue = 255;

// The chart's time origin: minute k of a hydrograph is this moment plus k
// minutes (the x value of its point). The time axis labels read the time
// elapsed since minute 0, hours running on past a day (27:00).
QDateTime ChartTimeOrigin();
qint64 ChartTimeOfMinute(int minute);

// The scales of the chart's content (core/series/ChartScales.h): the
// discharge and rain intensity axis maxima.
double DischargeAxisMaximum(const HydrographChartContent& content);

double IntensityAxisMaximum(double rainIntensity);

// A new chart drawing content; the caller owns it.
QChart* BuildHydrographChart(const HydrographChartContent& content);

// Places the axis ticks within the axes' present ranges (after a zoom too)
// and thins them to what the plot area has room for, so the labels never
// crowd or get cut short in a small window.
void FitAxisTicks(QChart* chart);

// "hh:mm" of the time elapsed at minute, hours not wrapped at a day.
QString ElapsedTimeLabel(int minute);

// The minutes the first view of the chart shows from minute 0
// (core/series/ChartScales.h).
int FirstViewMinutes(const HydrographChartContent& content);

} // namespace hydrim::render
