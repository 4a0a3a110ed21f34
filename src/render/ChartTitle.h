// The chart title fitted into the room above the plot: broken between words
// into at most two lines, the rest cut short with "…", so that a long title
// neither runs off the chart nor reaches the "N = … let" label.
#pragma once

#include <QFont>
#include <QString>

namespace hydrim::render {

// Lines a chart title may take above the plot.
inline constexpr int ChartTitleLines = 2;

// title in font, broken into lines (joined by "\n") no wider than width
// [pixels of the font's device]: at most maxLines, the last one elided when
// the text goes on. A word wider than the whole width is broken inside.
QString FitChartTitle(const QString& title, const QFont& font, qreal width, int maxLines = ChartTitleLines);

} // namespace hydrim::render
