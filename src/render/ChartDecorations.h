// The texts around a hydrograph chart: its title above the plot (nothing
// for a title never set; a long one on two lines, cut short with "…" beyond
// them, clear of the "N = … let" label), the line naming the hydrograph shown
// below it, the "N = … let" label of a return period and the two-line footer
// naming the program. The screen view and the printed page place them alike.
#pragma once

#include "render/HydrographChartContent.h"

#include <QObject>
#include <QRectF>
#include <QString>

QT_BEGIN_NAMESPACE
class QChart;
class QGraphicsSimpleTextItem;
class QGraphicsTextItem;
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
    // Lays the chart out at once and places the texts again until both
    // settle: a chart painted without an event loop (a printed page) then
    // shows the ticks and labels fitted to its size, not those it was built with.
    void layOutNow();

    void setTitle(const QString& title);
    QGraphicsTextItem* title() const { return title_; }
    // The title as shown (its lines joined by "\n"), and the scene rectangle
    // its lines cover; the "N = … let" label's scene rectangle (empty when
    // the chart shows none).
    QString shownTitle() const;
    QRectF titleBox() const;
    QRectF returnPeriodBox() const;
    QGraphicsSimpleTextItem* caption() const { return caption_; }
    QString footerText() const;
    QString returnPeriodLabel() const; // empty when the chart shows none

private:
    QChart* chart_ = nullptr;
    const HydrographChartContent* content_ = nullptr;
    qreal placeTitle(qreal rightLimit);

    QGraphicsTextItem* title_ = nullptr;
    QString titleText_;
    QGraphicsSimpleTextItem* caption_ = nullptr;
    QGraphicsSimpleTextItem* footer_ = nullptr;
    QGraphicsSimpleTextItem* returnPeriod_ = nullptr;
    bool placing_ = false;
    QObject connections_; // ends the chart's calls to place() with this object
};

} // namespace hydrim::render
