#include "views/HydrographChartView.h"

#include "views/ChartBuilder.h"
#include "views/TitleEditor.h"

#include <QApplication>
#include <QBuffer>
#include <QChart>
#include <QClipboard>
#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgGenerator>

namespace hydrim::gui {

namespace {

#ifndef HYDRIM_VERSION
#define HYDRIM_VERSION "6.0.4"
#endif

const QString ProgramFooter = QStringLiteral("Hydrim - SPIKA, verze " HYDRIM_VERSION);
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

} // namespace

HydrographChartView::HydrographChartView(QWidget* parent) : QChartView(parent) {
    setRenderHint(QPainter::Antialiasing);
    setRubberBand(QChartView::NoRubberBand);
    setDragMode(QGraphicsView::NoDrag);
    setBackgroundBrush(Qt::white);
    setFrameShape(QFrame::NoFrame);
    viewport()->setMouseTracking(true);
    setMinimumSize(480, 320);

    editor_ = new TitleEditor(viewport());
    connect(editor_, &TitleEditor::accepted, this, &HydrographChartView::commitTitleEdit);
    connect(editor_, &TitleEditor::cancelled, this, &HydrographChartView::cancelTitleEdit);

    contextMenu_ = new QMenu(this);
    contextMenu_->addAction(QStringLiteral("Kopíruj graf"), this, &HydrographChartView::copyToClipboard);

    setContent(HydrographChartContent{});
}

HydrographChartView::~HydrographChartView() = default;

void HydrographChartView::setContent(const HydrographChartContent& content) {
    content_ = content;
    cancelTitleEdit();
    QChart* old = chart();
    QChart* built = BuildHydrographChart(content_);

    title_ = new QGraphicsSimpleTextItem(content_.title, built);
    title_->setFont(TitleFont());
    footer_ = new QGraphicsSimpleTextItem(QStringLiteral("\n") + ProgramFooter, built);
    returnPeriod_ = new QGraphicsSimpleTextItem(built);
    returnPeriod_->setFont(BoldFont());
    if (content_.returnPeriod > 0) {
        returnPeriod_->setText(QStringLiteral("N = %1 let").arg(content_.returnPeriod));
    }
    const qreal titleHeight = QFontMetricsF(title_->font()).height();
    const qreal footerHeight = footer_->boundingRect().height();
    built->setMargins(QMargins(10, int(titleHeight + 2 * EdgeGap), 10, int(footerHeight + EdgeGap)));
    connect(built, &QChart::plotAreaChanged, this, [this] { placeDecorations(); });

    setChart(built);
    delete old;
    placeDecorations();
}

void HydrographChartView::placeDecorations() {
    QChart* current = chart();
    if (current == nullptr || title_ == nullptr) {
        return;
    }
    if (!fittingTicks_) {
        // Fitting the ticks may move the plot area, which calls this again.
        fittingTicks_ = true;
        FitAxisTicks(current, content_);
        fittingTicks_ = false;
    }
    const QRectF area = current->rect();
    const QRectF titleBox = title_->boundingRect();
    title_->setPos(area.center().x() - titleBox.width() / 2, EdgeGap);
    const QRectF footerBox = footer_->boundingRect();
    footer_->setPos(area.center().x() - footerBox.width() / 2,
                    area.bottom() - footerBox.height() - EdgeGap / 2);
    const qreal offset = QFontMetricsF(returnPeriod_->font()).horizontalAdvance(LabelOffsetText);
    const qreal labelX = std::min(current->plotArea().right() - offset,
                                  area.right() - returnPeriod_->boundingRect().width() - EdgeGap);
    returnPeriod_->setPos(labelX, EdgeGap);
}

QString HydrographChartView::titleText() const {
    return content_.title;
}

QRect HydrographChartView::titleRect() const {
    if (title_ == nullptr) {
        return {};
    }
    return mapFromScene(title_->sceneBoundingRect()).boundingRect();
}

QString HydrographChartView::footerText() const {
    return footer_ != nullptr ? footer_->text() : QString();
}

QString HydrographChartView::returnPeriodLabel() const {
    return returnPeriod_ != nullptr ? returnPeriod_->text() : QString();
}

QLineEdit* HydrographChartView::titleEditor() const {
    return editor_;
}

void HydrographChartView::beginTitleEdit() {
    // The box covers the title; an empty title still gets a usable width.
    QRect box = titleRect();
    const int minimumWidth = 200;
    if (box.width() < minimumWidth) {
        box.setLeft(box.center().x() - minimumWidth / 2);
        box.setWidth(minimumWidth);
    }
    const int height = QFontMetrics(title_->font()).height() + 6;
    box.setTop(box.center().y() - height / 2);
    box.setHeight(height);
    editor_->setFont(title_->font());
    editor_->setText(content_.title);
    editor_->setGeometry(box);
    editor_->selectAll();
    editor_->show();
    editor_->setFocus(Qt::MouseFocusReason);
}

void HydrographChartView::commitTitleEdit() {
    const QString text = editor_->text();
    editor_->hide();
    if (text.trimmed().isEmpty()) {
        return; // an empty title keeps the old one
    }
    content_.title = text;
    title_->setText(text);
    placeDecorations();
    emit titleEdited(text);
}

void HydrographChartView::cancelTitleEdit() {
    if (editor_->isVisible()) {
        editor_->hide();
    }
}

void HydrographChartView::mouseMoveEvent(QMouseEvent* event) {
    if (titleRect().contains(event->position().toPoint())) {
        viewport()->setCursor(Qt::PointingHandCursor);
    } else {
        viewport()->unsetCursor();
    }
    QChartView::mouseMoveEvent(event);
}

void HydrographChartView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && titleRect().contains(event->position().toPoint())) {
        beginTitleEdit();
        return;
    }
    if (event->button() == Qt::RightButton) {
        contextMenu_->popup(event->globalPosition().toPoint());
        return;
    }
    QChartView::mousePressEvent(event);
}

void HydrographChartView::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    placeDecorations();
    if (editor_->isVisible()) {
        cancelTitleEdit();
    }
}

QSize HydrographChartView::pictureSize() const {
    const QSize size = viewport()->size();
    return size.isEmpty() ? QSize(960, 640) : size;
}

QMimeData* HydrographChartView::pictureMimeData() {
    const QSize size = pictureSize();
    if (viewport()->size() != size) {
        resize(size); // a never-shown view lays its chart out first
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        render(&painter, QRectF(image.rect()), viewport()->rect());
    }

    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&svg);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setTitle(content_.title);
        generator.setDescription(ProgramFooter);
        QPainter painter(&generator);
        render(&painter, QRectF(QPointF(0, 0), QSizeF(size)), viewport()->rect());
    }

    auto* data = new QMimeData;
    data->setImageData(image);
    data->setData(QStringLiteral("image/svg+xml"), svg.data());
    return data;
}

void HydrographChartView::copyToClipboard() {
    QApplication::clipboard()->setMimeData(pictureMimeData());
}

} // namespace hydrim::gui
