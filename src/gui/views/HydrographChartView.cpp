#include "gui/views/HydrographChartView.h"

#include "core/series/ChartTexts.h"
#include "gui/views/TitleEditor.h"
#include "render/ChartBuilder.h"
#include "render/ChartDecorations.h"
#include "render/ProgramLine.h"

#include <QApplication>
#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QClipboard>
#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgGenerator>
#include <QToolTip>
#include <QValueAxis>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace hydrim::gui {

namespace {

// One wheel step zooms the time axis by this factor.
constexpr qreal WheelZoomFactor = 1.25;

const QString TitleHint = QStringLiteral("Název grafu upravíte klepnutím (nebo v místní nabídce: "
                                         "Upravit název grafu…), Enter jej potvrdí, Esc zruší.");

} // namespace

HydrographChartView::HydrographChartView(QWidget* parent)
    : QChartView(parent), decorations_(std::make_unique<render::ChartDecorations>()) {
    setRenderHint(QPainter::Antialiasing);
    // Dragging a rectangle zooms into it; the wheel zooms the time axis
    // around the pointer; the middle button (or Shift with the left one)
    // drags the view along; "Původní zobrazení" goes back.
    setRubberBand(QChartView::RectangleRubberBand);
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
    contextMenu_->addAction(QStringLiteral("Upravit název grafu…"), this,
                            &HydrographChartView::beginTitleEdit);
    contextMenu_->addSeparator();
    contextMenu_->addAction(QStringLiteral("Původní zobrazení"), this, &HydrographChartView::resetView);
    contextMenu_->addAction(QStringLiteral("Celý hydrogram"), this,
                            &HydrographChartView::showWholeHydrograph);

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
    decorations_->layOutNow();
}

QString HydrographChartView::titleText() const {
    return content_.title;
}

QString HydrographChartView::shownTitle() const {
    return decorations_->shownTitle();
}

QRect HydrographChartView::titleRect() const {
    if (decorations_->title() == nullptr) {
        return {};
    }
    // The lines shown; a title never set shows nothing, and its place can still be clicked.
    QRect box = mapFromScene(decorations_->titleBox()).boundingRect();
    const int minimumWidth = 200;
    if (box.width() < minimumWidth) {
        box.setLeft(box.center().x() - minimumWidth / 2);
        box.setWidth(minimumWidth);
    }
    box.setHeight(std::max(box.height(), QFontMetrics(decorations_->title()->font()).height()));
    return box;
}

QString HydrographChartView::captionText() const {
    return decorations_->caption() ? decorations_->caption()->text() : QString();
}

QString HydrographChartView::timeAxisLabel(int k) const {
    auto* axis = qobject_cast<QCategoryAxis*>(timeAxis());
    const QStringList labels = axis ? axis->categoriesLabels() : QStringList();
    return k >= 0 && k < labels.size() ? labels[k] : QString();
}

QAbstractAxis* HydrographChartView::timeAxis() const {
    for (QAbstractAxis* axis : chart()->axes(Qt::Horizontal)) {
        return axis;
    }
    return nullptr;
}

QPair<int, int> HydrographChartView::shownMinutes() const {
    const auto* axis = qobject_cast<QValueAxis*>(timeAxis());
    if (!axis) {
        return {0, 0};
    }
    const qreal origin = static_cast<qreal>(render::ChartTimeOfMinute(0));
    return {qRound((axis->min() - origin) / 60000.0), qRound((axis->max() - origin) / 60000.0)};
}

render::HydrographChartContent HydrographChartView::contentAsShown() const {
    render::HydrographChartContent shown = content_;
    std::tie(shown.shownFrom, shown.shownTo) = shownMinutes();
    return shown;
}

void HydrographChartView::resetView() {
    // A new chart starts with the first view.
    content_.shownFrom = 0;
    content_.shownTo = -1;
    setContent(content_);
}

void HydrographChartView::showWholeHydrograph() {
    // A chart drawn anew: every axis at its full range, the time axis over
    // the whole hydrograph.
    content_.shownFrom = 0;
    content_.shownTo = content_.minutes.empty() ? 1 : std::max(content_.minutes.back(), 1);
    setContent(content_);
}

void HydrographChartView::zoomTime(qreal factor, qreal x) {
    const QRectF plot = chart()->plotArea();
    if (plot.isEmpty() || factor <= 0.0) {
        return;
    }
    // The time under x stays where it is.
    const qreal left = x - (x - plot.left()) / factor;
    chart()->zoomIn(QRectF(left, plot.top(), plot.width() / factor, plot.height()));
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
    // The box covers the title, wide enough for a title of the most
    // characters allowed where the view has room for it.
    QRect box = titleRect();
    const QFont font = decorations_->title()->font();
    const QFontMetrics metrics(font);
    const int margin = 10;
    const int wanted = std::max(box.width(), metrics.averageCharWidth() * ChartTitleMaxLength);
    const int width = std::min(wanted, std::max(box.width(), viewport()->width() - 2 * margin));
    const int height = metrics.height() + 6;
    box.setLeft(std::clamp(box.center().x() - width / 2, 0, std::max(0, viewport()->width() - width)));
    box.setWidth(width);
    box.setTop(box.center().y() - height / 2);
    box.setHeight(height);
    editor_->setFont(font);
    editor_->setText(QString::fromStdString(ShownChartTitle(content_.title.toStdString())));
    editor_->setPlaceholderText(QStringLiteral("Název grafu"));
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
    const QPoint at = event->position().toPoint();
    if (panning_) {
        chart()->scroll(panFrom_.x() - at.x(), 0);
        panFrom_ = at;
        return;
    }
    if (titleRect().contains(at)) {
        viewport()->setCursor(Qt::PointingHandCursor);
        QToolTip::showText(event->globalPosition().toPoint(), TitleHint, viewport(), titleRect());
    } else {
        viewport()->unsetCursor();
    }
    QChartView::mouseMoveEvent(event);
}

void HydrographChartView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && titleRect().contains(at)) {
        beginTitleEdit();
        return;
    }
    if (event->button() == Qt::RightButton) {
        contextMenu_->popup(event->globalPosition().toPoint());
        return;
    }
    if (event->button() == Qt::MiddleButton ||
        (event->button() == Qt::LeftButton && event->modifiers().testFlag(Qt::ShiftModifier))) {
        panning_ = true;
        panFrom_ = at;
        viewport()->setCursor(Qt::ClosedHandCursor);
        return;
    }
    QChartView::mousePressEvent(event);
}

void HydrographChartView::mouseReleaseEvent(QMouseEvent* event) {
    if (panning_) {
        panning_ = false;
        viewport()->unsetCursor();
        return;
    }
    // The right button opens the context menu; it does not zoom out.
    if (event->button() == Qt::RightButton) {
        return;
    }
    QChartView::mouseReleaseEvent(event);
}

void HydrographChartView::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0) {
        event->ignore();
        return;
    }
    zoomTime(std::pow(WheelZoomFactor, steps), event->position().x());
    event->accept();
}

void HydrographChartView::keyPressEvent(QKeyEvent* event) {
    const QRectF plot = chart()->plotArea();
    switch (event->key()) {
    case Qt::Key_Plus:
        zoomTime(WheelZoomFactor, plot.center().x());
        return;
    case Qt::Key_Minus:
        zoomTime(1.0 / WheelZoomFactor, plot.center().x());
        return;
    case Qt::Key_Left:
        chart()->scroll(-plot.width() / 10, 0);
        return;
    case Qt::Key_Right:
        chart()->scroll(plot.width() / 10, 0);
        return;
    case Qt::Key_Home:
        resetView();
        return;
    default:
        QChartView::keyPressEvent(event);
    }
}

void HydrographChartView::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    decorations_->layOutNow();
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
