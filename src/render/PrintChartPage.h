// The printed page of a hydrograph chart: the chart drawn into the page
// less a margin of 5 % on each side, from a copy of the chart made for the
// page, with text and lines enlarged so that it reads well on paper and the
// left and bottom grid lines in black. The chart on screen is not touched.
// The warnings of the content are printed in a band below the chart.
#pragma once

#include "render/HydrographChartContent.h"

#include <QRect>
#include <QSize>

class QPainter;

namespace hydrim::render {

// How much larger text and lines are printed than a chart drawn at the
// page's physical size on screen.
inline constexpr double PrintedChartEnlargement = 1.0 / 0.6;

// The rectangle the chart fills: mx = round(5 W / 100), my = round(5 H / 100).
QRect ChartPrintRect(QSize pageSize);

// The chart's own size, in screen pixels, for a target rectangle of a device
// of dpi dots per inch.
QSize ChartLogicalSize(QSize target, double dpi);

// Paints content as a chart page on painter (whose device is pageSize
// device pixels large).
void PaintChartPage(QPainter& painter, QSize pageSize, const HydrographChartContent& content);

} // namespace hydrim::render
