#include "gui/views/HydrographChartView.h"

#include "gui/views/TitleEditor.h"
#include "render/ChartBuilder.h"
#include "render/ChartDecorations.h"
#include "render/ProgramLine.h"

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

HydrographChartView::HydrographChartView(QWidget* parent)
    : QChartView(parent), decorations_(std::make_unique<render::ChartDecorations>()) {
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

    setContent(render::HydrographChartContent{});
}

HydrographChartView::~HydrographChartView() = default;

void HydrographChartView::setContent(const render::HydrographChartContent& content) {
    content_ = content;
    cancelTitleEdit();
    QChart* old = chart();
    QChart* built = render::BuildHydrographChart(content_);
    decorations_->attach(built, &content_);
    setChart(built);
    delete old;
    decorations_->place();
}

QString HydrographChartView::titleText() const {
    return content_.title;
}

QRect HydrographChartView::titleRect() const {
    if (decorations_->title() == nullptr) {
        return {};
    }
    return mapFromScene(decorations_->title()->sceneBoundingRect()).boundingRect();
}

QString HydrographChartView::footerText() const {
    return decorations_->footerText();
}

QString HydrographChartView::returnPeriodLabel() const {
    return decorations_->returnPeriodLabel();
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
    const QFont font = decorations_->title()->font();
    const int height = QFontMetrics(font).height() + 6;
    box.setTop(box.center().y() - height / 2);
    box.setHeight(height);
    editor_->setFont(font);
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
    decorations_->setTitle(text);
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
    decorations_->place();
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
        generator.setDescription(render::ProgramLine());
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
