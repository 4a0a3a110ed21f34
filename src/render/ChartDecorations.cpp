#include "render/ChartDecorations.h"

#include "core/series/ChartTexts.h"
#include "render/ChartBuilder.h"
#include "render/ProgramLine.h"

#include <QApplication>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>
#include <QValueAxis>

#include <algorithm>

namespace hydrim::render {

namespace {

// The return-period label ends where the right axis title's unit would end.
const QString LabelOffsetText = QStringLiteral("  [mm.min-1]");
constexpr qreal EdgeGap = 6.0;

QFont TitleFont() {
    QFont font = QApplication::font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    font.setBold(true);
    return font;
}

QFont BoldFont() {
    QFont font = QApplication::font();
    font.setBold(true);
    return font;
}

QString ShownTitle(const QString& title) {
    return QString::fromStdString(ShownChartTitle(title.toStdString()));
}

} // namespace

void ChartDecorations::attach(QChart* chart, const HydrographChartContent* content) {
    chart_ = chart;
    content_ = content;
    title_ = new QGraphicsSimpleTextItem(ShownTitle(content->title), chart);
    title_->setFont(TitleFont());
    caption_ = new QGraphicsSimpleTextItem(
        QString::fromStdString(HydrographCaption(content->designRain, content->captionReturnPeriod)), chart);
    footer_ = new QGraphicsSimpleTextItem(QStringLiteral("\n") + ProgramLine(), chart);
    returnPeriod_ = new QGraphicsSimpleTextItem(chart);
    returnPeriod_->setFont(BoldFont());
    if (content->returnPeriod > 0) {
        returnPeriod_->setText(QStringLiteral("N = %1 let").arg(content->returnPeriod));
    }
    const qreal titleHeight =
        QFontMetricsF(title_->font()).height() + QFontMetricsF(caption_->font()).height();
    const qreal footerHeight = footer_->boundingRect().height();
    chart->setMargins(QMargins(10, int(titleHeight + 2 * EdgeGap), 10, int(footerHeight + EdgeGap)));
    QObject::connect(chart, &QChart::plotAreaChanged, &connections_, [this] { place(); });
    // A zoom or a pan changes the ranges: the ticks follow.
    for (QAbstractAxis* axis : chart->axes()) {
        if (auto* value = qobject_cast<QValueAxis*>(axis)) {
            QObject::connect(value, &QValueAxis::rangeChanged, &connections_, [this] { place(); });
        }
    }
}

void ChartDecorations::place() {
    if (chart_ == nullptr) {
        return;
    }
    if (!fittingTicks_) {
        // Fitting the ticks may move the plot area, which calls this again.
        fittingTicks_ = true;
        FitAxisTicks(chart_);
        fittingTicks_ = false;
    }
    const QRectF area = chart_->rect();
    const QRectF titleBox = title_->boundingRect();
    title_->setPos(area.center().x() - titleBox.width() / 2, EdgeGap);
    const QRectF captionBox = caption_->boundingRect();
    caption_->setPos(area.center().x() - captionBox.width() / 2,
                     EdgeGap + QFontMetricsF(title_->font()).height());
    const QRectF footerBox = footer_->boundingRect();
    footer_->setPos(area.center().x() - footerBox.width() / 2,
                    area.bottom() - footerBox.height() - EdgeGap / 2);
    const qreal offset = QFontMetricsF(returnPeriod_->font()).horizontalAdvance(LabelOffsetText);
    const qreal labelX = std::min(chart_->plotArea().right() - offset,
                                  area.right() - returnPeriod_->boundingRect().width() - EdgeGap);
    returnPeriod_->setPos(labelX, EdgeGap);
}

void ChartDecorations::setTitle(const QString& title) {
    if (title_ != nullptr) {
        title_->setText(ShownTitle(title));
        place();
    }
}

QString ChartDecorations::footerText() const {
    return footer_ != nullptr ? footer_->text() : QString();
}

QString ChartDecorations::returnPeriodLabel() const {
    return returnPeriod_ != nullptr ? returnPeriod_->text() : QString();
}

} // namespace hydrim::render
