#include "render/CellPainter.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace hydrim::render {

namespace {

constexpr double ScreenDpi = 96.0;
constexpr double DefaultRowHeight = 21.0; // pixels at screen resolution
constexpr double WidthPadding = 10.0;
constexpr double TextMargin = 2.0;
// Lowered and raised runs are drawn in three fifths of the font height.
constexpr double SmallFontRatio = 3.0 / 5.0;

double ScaleOf(const QPaintDevice* device) {
    return device ? device->logicalDpiY() / ScreenDpi : 1.0;
}

QString ToQt(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The font height in pixels of the device the painter draws on.
double PixelHeight(const QFont& font, const QPaintDevice* device) {
    if (font.pixelSize() > 0)
        return font.pixelSize();
    const double dpi = device ? device->logicalDpiY() : ScreenDpi;
    return font.pointSizeF() * dpi / 72.0;
}

} // namespace

CellExtent ExtentOf(const ResultGrid& grid, int row, int column) {
    for (const CellSpan& span : grid.Spans) {
        if (column != span.Column || row < span.FirstRow || row >= span.FirstRow + span.RowCount)
            continue;
        if (row == span.FirstRow)
            return {span.RowCount, 1};
        return {0, 0};
    }
    if (grid.Kind == GridKind::Variant23 && grid.HeadingAcrossRow(row)) {
        // The heading reads across the row; row 0 keeps its column titles
        // from column 2 on.
        const int across = row == 0 ? std::min(2, grid.ColumnCount()) : grid.ColumnCount();
        if (column == 0)
            return {1, across};
        if (column < across)
            return {0, 0};
    }
    return {1, 1};
}

double GridGeometry::width() const {
    return std::accumulate(columnWidths.begin(), columnWidths.end(), 0.0);
}

double GridGeometry::height(int firstRow, int endRow) const {
    double sum = 0;
    for (int r = std::max(firstRow, 0); r < endRow && r < static_cast<int>(rowHeights.size()); ++r)
        sum += rowHeights[static_cast<size_t>(r)];
    return sum;
}

CellPainter::CellPainter(const QFont& font) : font_(font) {}

QColor CellPainter::backgroundColor(CellStyle::Background background) {
    switch (background) {
    case CellStyle::Heading:
        return QColor(204, 255, 255);
    case CellStyle::Peak:
        return QColor(255, 255, 204);
    case CellStyle::Plain:
        break;
    }
    return QColor(Qt::white);
}

GridGeometry CellPainter::geometry(const ResultGrid& grid, const QPaintDevice* device) const {
    const double scale = ScaleOf(device);
    const QFont font = device ? QFont(font_, device) : font_;
    const QFontMetricsF metrics(font);
    GridGeometry geometry;
    for (int c = 0; c < grid.ColumnCount(); ++c) {
        const auto index = static_cast<size_t>(c);
        const bool visible = index < grid.VisibleColumns.size() ? grid.VisibleColumns[index] : true;
        const std::string text = index < grid.WidthTexts.size() ? grid.WidthTexts[index] : std::string();
        geometry.columnWidths.push_back(
            visible ? std::ceil(metrics.horizontalAdvance(ToQt(text))) + WidthPadding * scale : 0.0);
    }
    const double lineHeight = std::ceil(metrics.height());
    for (int r = 0; r < grid.RowCount(); ++r) {
        const auto index = static_cast<size_t>(r);
        const int lines = index < grid.RowLines.size() ? std::max(1, grid.RowLines[index]) : 1;
        geometry.rowHeights.push_back(
            std::max(DefaultRowHeight * scale, lines * lineHeight + TextMargin * scale));
    }
    return geometry;
}

void CellPainter::paintCell(QPainter& painter, const QRectF& rect, const ResultGrid& grid, int row,
                            int column) const {
    const CellStyle style = RowStyle(grid, row);
    painter.fillRect(rect, backgroundColor(style.background));
    for (const StackedCell& stacked : grid.Stacked) {
        if (stacked.Row == row && stacked.Column == column) {
            paintStacked(painter, rect, stacked, style.bold);
            return;
        }
    }
    paintRuns(painter, rect, CellRuns(grid, row, column));
}

ShapedRun ShapeRun(const TextRun& run, const QFont& normal, const QPaintDevice* device) {
    QFont base(normal, device);
    base.setBold(run.bold);
    const QFontMetricsF baseMetrics(base);
    ShapedRun shaped{ToQt(run.symbolFont ? SymbolFontToUnicode(run.text) : run.text), base, 0.0, 0.0};
    const std::string superscript = run.position == TextRun::Raised ? SuperscriptText(run.text) : "";
    if (!superscript.empty()) {
        shaped.text = ToQt(superscript);
    } else if (run.position != TextRun::Normal) {
        shaped.font.setPixelSize(
            std::max(1, static_cast<int>(std::nearbyint(SmallFontRatio * PixelHeight(base, device)))));
        const QFontMetricsF small(shaped.font);
        shaped.baselineShift = small.ascent() - baseMetrics.ascent();
        if (run.position == TextRun::Lowered) {
            shaped.baselineShift += std::nearbyint(baseMetrics.height() / 3.0);
        }
    }
    shaped.advance = QFontMetricsF(shaped.font).horizontalAdvance(shaped.text);
    return shaped;
}

void CellPainter::paintRuns(QPainter& painter, const QRectF& rect, const std::vector<TextRun>& runs) const {
    if (runs.empty())
        return;
    const QPaintDevice* device = painter.device();
    const double scale = ScaleOf(device);
    QFont normal(font_, device);
    normal.setBold(runs.front().bold);
    const QFontMetricsF normalMetrics(normal);
    const double lineTop = rect.top() + std::max(0.0, (rect.height() - normalMetrics.height()) / 2.0);
    const double baseline = lineTop + normalMetrics.ascent();

    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setPen(QColor(Qt::black));
    double x = rect.left() + TextMargin * scale;
    for (const TextRun& run : runs) {
        const ShapedRun shaped = ShapeRun(run, font_, device);
        painter.setFont(shaped.font);
        painter.drawText(QPointF(x, baseline + shaped.baselineShift), shaped.text);
        x += shaped.advance;
    }
    painter.restore();
}

void CellPainter::paintStacked(QPainter& painter, const QRectF& rect, const StackedCell& cell,
                               bool bold) const {
    if (cell.Lines.empty())
        return;
    const double lineHeight = rect.height() / static_cast<double>(cell.Lines.size());
    for (size_t i = 0; i < cell.Lines.size(); ++i) {
        const QRectF line(rect.left(), rect.top() + lineHeight * static_cast<double>(i), rect.width(),
                          lineHeight);
        paintRuns(painter, line, {TextRun{cell.Lines[i], TextRun::Normal, false, bold}});
    }
}

void CellPainter::paintRows(QPainter& painter, const QPointF& origin, const ResultGrid& grid,
                            const GridGeometry& geometry, int firstRow, int endRow) const {
    endRow = std::min(endRow, grid.RowCount());
    const auto columnLeft = [&](int column) {
        return origin.x() +
               std::accumulate(geometry.columnWidths.begin(), geometry.columnWidths.begin() + column, 0.0);
    };
    const QPen gridPen(QColor(128, 128, 128), 0);
    for (int r = firstRow; r < endRow; ++r) {
        const double top = origin.y() + geometry.height(firstRow, r);
        for (int c = 0; c < grid.ColumnCount(); ++c) {
            CellExtent extent = ExtentOf(grid, r, c);
            int owner = r;
            if (extent.covered() && r == firstRow) {
                // A merge that began on an earlier page goes on in its rows here.
                while (owner > 0 && ExtentOf(grid, owner, c).covered())
                    --owner;
                extent = ExtentOf(grid, owner, c);
                extent.rows -= r - owner;
                if (extent.columns != 1 || extent.rows <= 0)
                    continue;
            }
            if (extent.covered() || geometry.columnWidths[static_cast<size_t>(c)] <= 0)
                continue;
            const int lastColumn = std::min(c + extent.columns, grid.ColumnCount());
            const int lastRow = std::min(r + extent.rows, endRow);
            const QRectF cell(columnLeft(c), top, columnLeft(lastColumn) - columnLeft(c),
                              geometry.height(r, lastRow));
            paintCell(painter, cell, grid, owner, c);
            painter.save();
            painter.setPen(gridPen);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(cell);
            painter.restore();
        }
    }
}

} // namespace hydrim::render
