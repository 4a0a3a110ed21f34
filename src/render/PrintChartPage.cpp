#include "render/PrintChartPage.h"

#include "render/ChartBuilder.h"
#include "render/ChartDecorations.h"
#include "render/DocumentNumbers.h"
#include "render/PrintNotes.h"

#include <QAbstractAxis>
#include <QAbstractSeries>
#include <QAreaSeries>
#include <QChart>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace hydrim::render {

namespace {

constexpr double MarginPercent = 5.0;
constexpr double ScreenDpi = 96.0;
constexpr double PrintedLineWidth = 2.0; // screen pixels of the chart's own size

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

// Thicker hydrograph lines and black grid lines of the discharge and time
// axes, for the printed copy only.
void PrepareForPaper(QChart& chart) {
    for (QAbstractSeries* series : chart.series()) {
        if (auto* line = qobject_cast<QLineSeries*>(series)) {
            QPen pen = line->pen();
            pen.setWidthF(std::max(pen.widthF(), 1.0) * PrintedLineWidth);
            line->setPen(pen);
        }
    }
    for (QAbstractAxis* axis : chart.axes()) {
        const QString name = axis->objectName();
        if (name == QLatin1String(DischargeAxisName) || name == QLatin1String(TimeAxisName)) {
            axis->setGridLineColor(Qt::black);
        }
    }
}

// The font of the warnings below a chart: about 12 points on an A4 page.
QFont NotesFont(QSize pageSize) {
    constexpr int LinesPerPageHeight = 50;
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(std::max(1, pageSize.height() / LinesPerPageHeight));
    return font;
}

// The band of warnings below the chart: the chart's rectangle gives up its height.
void PaintChartNotes(QPainter& painter, QSize pageSize, const QStringList& notes, QRect& chart) {
    if (notes.isEmpty()) {
        return;
    }
    const QFont font = NotesFont(pageSize);
    const int gap = Round(pageSize.height() / 100.0);
    const int height =
        std::min(NotesHeight(notes, font, *painter.device(), chart.width()), chart.height() / 2);
    chart.setBottom(chart.bottom() - height - gap);
    PaintNotes(painter, notes, font, QRect(chart.left(), chart.bottom() + gap, chart.width(), height));
}

} // namespace

QRect ChartPrintRect(QSize pageSize) {
    const int mx = Round(MarginPercent * pageSize.width() / 100.0);
    const int my = Round(MarginPercent * pageSize.height() / 100.0);
    return QRect(QPoint(mx, my), QPoint(pageSize.width() - mx, pageSize.height() - my));
}

QSize ChartLogicalSize(QSize target, double dpi) {
    const double factor = ScreenDpi / dpi / PrintedChartEnlargement;
    return QSize(std::max(1, Round(target.width() * factor)), std::max(1, Round(target.height() * factor)));
}

void PaintChartPage(QPainter& painter, QSize pageSize, const HydrographChartContent& content) {
    QRect target = ChartPrintRect(pageSize);
    PaintChartNotes(painter, pageSize, WithDecimalSeparator(content.notes, content.decimalSeparator), target);
    const QSize logical = ChartLogicalSize(target.size(), painter.device()->logicalDpiX());

    // The chart is laid out at its own (screen) size in a scene of its own
    // and its picture scaled from that size to the target rectangle.
    QGraphicsScene scene;
    QChart* chart = BuildHydrographChart(content);
    ChartDecorations decorations;
    decorations.attach(chart, &content);
    scene.addItem(chart);
    chart->resize(QSizeF(logical));
    decorations.layOutNow();
    PrepareForPaper(*chart);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(target, Qt::white);
    scene.render(&painter, QRectF(target), QRectF(QPointF(0, 0), QSizeF(logical)), Qt::IgnoreAspectRatio);
    painter.restore();
}

} // namespace hydrim::render
