#include "render/ChartDecorations.h"

#include "core/series/ChartTexts.h"
#include "render/ChartBuilder.h"
#include "render/ChartTitle.h"
#include "render/ProgramLine.h"

#include <QApplication>
#include <QChart>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QTextDocument>
#include <QTextOption>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

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

// A title item whose lines are centred on one another.
QGraphicsTextItem* MakeTitleItem(QGraphicsItem* parent) {
    auto* item = new QGraphicsTextItem(parent);
    item->setFont(TitleFont());
    item->setDefaultTextColor(Qt::black);
    QTextDocument* document = item->document();
    document->setDocumentMargin(0);
    QTextOption option = document->defaultTextOption();
    option.setAlignment(Qt::AlignHCenter);
    option.setWrapMode(QTextOption::NoWrap);
    document->setDefaultTextOption(option);
    return item;
}

qreal LineHeight(const QFont& font) {
    return QFontMetricsF(font).height();
}

// Room above the plot for the title's lines and the caption below them.
int TopMargin(qreal titleHeight, const QFont& captionFont) {
    return static_cast<int>(std::ceil(titleHeight + LineHeight(captionFont) + 2 * EdgeGap));
}

} // namespace

void ChartDecorations::attach(QChart* chart, const HydrographChartContent* content) {
    chart_ = chart;
    content_ = content;
    title_ = MakeTitleItem(chart);
    titleText_ = ShownTitle(content->title);
    caption_ = new QGraphicsSimpleTextItem(
        QString::fromStdString(HydrographCaption(content->designRain, content->captionReturnPeriod)), chart);
    footer_ = new QGraphicsSimpleTextItem(QStringLiteral("\n") + ProgramLine(), chart);
    returnPeriod_ = new QGraphicsSimpleTextItem(chart);
    returnPeriod_->setFont(BoldFont());
    if (content->returnPeriod > 0) {
        returnPeriod_->setText(QStringLiteral("N = %1 let").arg(content->returnPeriod));
    }
    // One line of title to start with; placing the title makes room for a second one.
    const qreal footerHeight = footer_->boundingRect().height();
    chart->setMargins(QMargins(10, TopMargin(LineHeight(title_->font()), caption_->font()), 10,
                               int(footerHeight + EdgeGap)));
    QObject::connect(chart, &QChart::plotAreaChanged, &connections_, [this] { place(); });
    // A zoom or a pan changes the ranges: the ticks follow.
    for (QAbstractAxis* axis : chart->axes()) {
        if (auto* value = qobject_cast<QValueAxis*>(axis)) {
            QObject::connect(value, &QValueAxis::rangeChanged, &connections_, [this] { place(); });
        }
    }
}

void ChartDecorations::place() {
    if (chart_ == nullptr || placing_) {
        return;
    }
    // Fitting the ticks or the title may move the plot area, which calls this again.
    placing_ = true;
    FitAxisTicks(chart_);
    const QRectF area = chart_->rect();
    const qreal offset = QFontMetricsF(returnPeriod_->font()).horizontalAdvance(LabelOffsetText);
    const qreal labelX = std::min(chart_->plotArea().right() - offset,
                                  area.right() - returnPeriod_->boundingRect().width() - EdgeGap);
    returnPeriod_->setPos(labelX, EdgeGap);
    // A title beside the label keeps a wider gap to it than to the chart's edge.
    const qreal titleHeight =
        placeTitle(returnPeriod_->text().isEmpty() ? area.right() : labelX - 2 * EdgeGap);
    const QRectF captionBox = caption_->boundingRect();
    caption_->setPos(area.center().x() - captionBox.width() / 2, EdgeGap + titleHeight);
    const QRectF footerBox = footer_->boundingRect();
    footer_->setPos(area.center().x() - footerBox.width() / 2,
                    area.bottom() - footerBox.height() - EdgeGap / 2);
    placing_ = false;
}

// The title takes the room between the chart's left edge and the label (or
// the right edge), centred on the chart where it can be; the top margin
// grows or shrinks with its lines. Returns the height of its lines.
qreal ChartDecorations::placeTitle(qreal rightLimit) {
    const QRectF area = chart_->rect();
    const qreal left = area.left() + EdgeGap;
    const qreal room = std::max<qreal>(rightLimit - EdgeGap - left, 1.0);
    const QString lines = FitChartTitle(titleText_, title_->font(), room);
    title_->setPlainText(lines);
    title_->setTextWidth(-1);
    const qreal width = std::min(title_->boundingRect().width(), room);
    title_->setTextWidth(width);
    const qreal x = std::clamp(area.center().x() - width / 2, left, left + room - width);
    title_->setPos(x, EdgeGap);

    const qreal height = std::max(title_->boundingRect().height(), LineHeight(title_->font()));
    QMargins margins = chart_->margins();
    const int top = TopMargin(height, caption_->font());
    if (margins.top() != top) {
        margins.setTop(top);
        chart_->setMargins(margins);
    }
    return height;
}

void ChartDecorations::layOutNow() {
    constexpr int MaxPasses = 4;
    for (int pass = 0; pass < MaxPasses && chart_ != nullptr; ++pass) {
        QCoreApplication::sendPostedEvents(chart_, QEvent::LayoutRequest);
        chart_->layout()->activate();
        const QRectF plot = chart_->plotArea();
        const QMargins margins = chart_->margins();
        place();
        QCoreApplication::sendPostedEvents(chart_, QEvent::LayoutRequest);
        chart_->layout()->activate();
        if (chart_->plotArea() == plot && chart_->margins() == margins) {
            return;
        }
    }
}

void ChartDecorations::setTitle(const QString& title) {
    if (title_ != nullptr) {
        titleText_ = ShownTitle(title);
        layOutNow();
    }
}

QString ChartDecorations::shownTitle() const {
    return title_ != nullptr ? title_->toPlainText() : QString();
}

QRectF ChartDecorations::titleBox() const {
    return title_ != nullptr ? title_->sceneBoundingRect() : QRectF();
}

QRectF ChartDecorations::returnPeriodBox() const {
    return returnPeriod_ != nullptr && !returnPeriod_->text().isEmpty() ? returnPeriod_->sceneBoundingRect()
                                                                        : QRectF();
}

QString ChartDecorations::footerText() const {
    return footer_ != nullptr ? footer_->text() : QString();
}

QString ChartDecorations::returnPeriodLabel() const {
    return returnPeriod_ != nullptr ? returnPeriod_->text() : QString();
}

} // namespace hydrim::render
