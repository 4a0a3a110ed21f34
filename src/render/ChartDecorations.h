// The texts around a hydrograph chart: its title above the plot (nothing
// for a title never set), the line naming the hydrograph shown below it, the
// "N = … let" label of a return period and the two-line footer naming the
// program. The screen view and the printed page place them alike.
#pragma once

#include "render/HydrographChartContent.h"

#include <QObject>
#include <QString>

QT_BEGIN_NAMESPACE
class QChart;
class QGraphicsSimpleTextItem;
QT_END_NAMESPACE

namespace hydrim::render {

class ChartDecorations {
public:
    // Adds the texts to chart, which draws content (the content must outlive
    // the chart), and leaves margins for them; from then on every change of
    // the plot area places them again.
    void attach(QChart* chart, const HydrographChartContent* content);

    // Thins the axis ticks to the plot area and places the texts.
    void place();

    void setTitle(const QString& title);
    QGraphicsSimpleTextItem* title() const { return title_; }
    QGraphicsSimpleTextItem* caption() const { return caption_; }
    QString footerText() const;
    QString returnPeriodLabel() const; // empty when the chart shows none

private:
    QChart* chart_ = nullptr;
    const HydrographChartContent* content_ = nullptr;
    QGraphicsSimpleTextItem* title_ = nullptr;
    QGraphicsSimpleTextItem* caption_ = nullptr;
    QGraphicsSimpleTextItem* footer_ = nullptr;
    QGraphicsSimpleTextItem* returnPeriod_ = nullptr;
    bool fittingTicks_ = false;
    QObject connections_; // ends the chart's calls to place() with this object
};

} // namespace hydrim::render
