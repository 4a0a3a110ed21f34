#include "render/PrintTablePage.h"

#include "render/CellPainter.h"
#include "render/ProgramLine.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <set>

namespace hydrim::render {

namespace {

// The heading rows of the slopes + catchment summary end above row 2.
constexpr int SummaryFirstBlockRow = 2;

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

std::vector<int> SectionBoundariesOf(const ResultGrid& grid) {
    std::set<int> rows;
    if (grid.Kind == GridKind::VariantISummary) {
        // The summary's blocks of three rows per return period.
        rows.insert(SummaryFirstBlockRow);
        for (const CellSpan& span : grid.Spans) {
            rows.insert(span.FirstRow);
        }
    } else {
        const std::vector<int>& starts =
            grid.Kind == GridKind::Variant23 ? grid.Table23SectionStarts : grid.SectionRows;
        rows.insert(starts.begin(), starts.end());
    }
    std::vector<int> inside;
    for (int row : rows) {
        if (row > 0 && row < grid.RowCount()) {
            inside.push_back(row);
        }
    }
    return inside;
}

// Left edge of each column and the right edge of the last one.
std::vector<double> ColumnEdges(const TablePageLayout& layout) {
    std::vector<double> edges{static_cast<double>(layout.left)};
    for (double width : layout.columnWidths) {
        edges.push_back(edges.back() + width);
    }
    return edges;
}

std::vector<double> RowEdges(const TablePageLayout& layout) {
    std::vector<double> edges{static_cast<double>(layout.tableTop)};
    for (double height : layout.rowHeights) {
        edges.push_back(edges.back() + height);
    }
    return edges;
}

void DrawTextAt(QPainter& painter, const QFont& font, int x, int top, const QString& text) {
    painter.setFont(font);
    painter.drawText(QPointF(x, top + QFontMetricsF(font, painter.device()).ascent()), text);
}

void PaintCells(QPainter& painter, const TablePageLayout& layout, const ResultGrid& grid) {
    const CellPainter cells(layout.font);
    const std::vector<double> x = ColumnEdges(layout);
    const std::vector<double> y = RowEdges(layout);
    const int columns = static_cast<int>(layout.columnWidths.size());
    for (int r = grid.FirstShownRow(); r < grid.RowCount(); ++r) {
        for (int c = 0; c < columns; ++c) {
            const CellExtent extent = ExtentOf(grid, r, c);
            if (extent.covered() || layout.columnWidths[static_cast<size_t>(c)] <= 0) {
                continue;
            }
            const int lastColumn = std::min(c + extent.columns, columns);
            const int lastRow = std::min(r + extent.rows, grid.RowCount());
            const QRectF rect(QPointF(x[static_cast<size_t>(c)], y[static_cast<size_t>(r)]),
                              QPointF(x[static_cast<size_t>(lastColumn)], y[static_cast<size_t>(lastRow)]));
            cells.paintCell(painter, rect, grid, r, c);
        }
    }
}

// True when the edge left of column c lies inside a merged cell of row r.
bool EdgeInsideMerge(const ResultGrid& grid, int r, int c) {
    for (int k = 0; k < c; ++k) {
        const CellExtent extent = ExtentOf(grid, r, k);
        if (!extent.covered() && k + extent.columns > c) {
            return true;
        }
    }
    return false;
}

void PaintRules(QPainter& painter, const TablePageLayout& layout, const ResultGrid& grid) {
    const std::vector<double> x = ColumnEdges(layout);
    const std::vector<double> y = RowEdges(layout);
    const double right = x.back();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, layout.rulePen));
    for (int row : layout.sectionBoundaries) {
        painter.drawLine(QPointF(layout.left, y[static_cast<size_t>(row)]),
                         QPointF(right, y[static_cast<size_t>(row)]));
    }
    // Vertical rules between the printed columns, interrupted by merged cells.
    for (size_t c = 1; c < layout.columnWidths.size(); ++c) {
        if (layout.columnWidths[c] <= 0 || x[c] >= right) {
            continue;
        }
        for (int r = 0; r < grid.RowCount(); ++r) {
            if (!EdgeInsideMerge(grid, r, static_cast<int>(c))) {
                painter.drawLine(QPointF(x[c], y[static_cast<size_t>(r)]),
                                 QPointF(x[c], y[static_cast<size_t>(r) + 1]));
            }
        }
    }
    const int p = layout.framePen;
    painter.setPen(QPen(Qt::black, p));
    painter.drawRect(QRectF(QPointF(layout.left - p, layout.tableTop - p),
                            QPointF(right + p, layout.tableTop + layout.tableHeight() + p)));
}

} // namespace

QString TableReferenceText() {
    return QStringLiteral("  Povodí  ") + QStringLiteral(" Levý svah ") + QStringLiteral(" Pravý svah ") +
           QStringLiteral(" max iso 1-denní maximální srážkový úhrn pro N=100   [mm.min-1]");
}

double TablePageLayout::tableWidth() const {
    return std::accumulate(columnWidths.begin(), columnWidths.end(), 0.0);
}

double TablePageLayout::tableHeight() const {
    return std::accumulate(rowHeights.begin(), rowHeights.end(), 0.0);
}

int FittedPointSize(const QFont& tableFont, const QPaintDevice& device, int pageWidth) {
    constexpr int LargestPointSize = 400; // the fitted size stops growing here
    const int available = pageWidth - 3 * Round(pageWidth / 10.0);
    const QString reference = TableReferenceText();
    QFont font(tableFont);
    int size = 1;
    for (; size < LargestPointSize; ++size) {
        font.setPointSize(size);
        if (QFontMetricsF(font, &device).horizontalAdvance(reference) >= available) {
            break;
        }
    }
    return size;
}

TablePageLayout LayoutTablePage(const ResultGrid& grid, const QFont& tableFont, const QPaintDevice& device,
                                QSize pageSize, int descriptionCount) {
    constexpr double LineSpacing = 1.1; // a printed line is this many text heights high
    constexpr int FramePenDivisor = 9;  // the frame's pen is a line height divided by this
    TablePageLayout layout;
    layout.pageWidth = pageSize.width();
    layout.pageHeight = pageSize.height();
    layout.left = Round(layout.pageWidth / 7.0);
    layout.top = Round(layout.pageWidth / 10.0);
    layout.font = tableFont;
    layout.font.setPointSize(FittedPointSize(tableFont, device, layout.pageWidth));
    layout.textHeight = Round(QFontMetricsF(layout.font, &device).height());
    layout.lineHeight = std::max(1, Round(LineSpacing * layout.textHeight));

    int tableLines = 0;
    for (int r = 0; r < grid.RowCount(); ++r) {
        const auto index = static_cast<size_t>(r);
        // Rows not shown (empty rows at the top) take no room.
        const int lines = r < grid.FirstShownRow()
                              ? 0
                              : (index < grid.RowLines.size() ? std::max(1, grid.RowLines[index]) : 1);
        layout.rowHeights.push_back(static_cast<double>(lines * layout.lineHeight));
        tableLines += lines;
    }
    // As many description lines as leave room for the table above the
    // bottom margin (two blank lines between them).
    const int room =
        (layout.pageHeight - 2 * layout.top - (tableLines + 2) * layout.lineHeight) / layout.lineHeight;
    layout.descriptionLines = std::clamp(room, 0, std::max(0, descriptionCount));
    layout.tableTop = layout.top + (layout.descriptionLines + 2) * layout.lineHeight;
    layout.framePen = std::max(1, Round(static_cast<double>(layout.lineHeight) / FramePenDivisor));
    layout.rulePen = std::max(1, Round(layout.framePen / 2.0));

    // Columns 0 .. the unit column, as wide as on screen at this font.
    const GridGeometry geometry = CellPainter(layout.font).geometry(grid, &device);
    for (size_t c = 0; c < geometry.columnWidths.size(); ++c) {
        layout.columnWidths.push_back(static_cast<int>(c) <= grid.UnitColumn ? geometry.columnWidths[c]
                                                                             : 0.0);
    }
    layout.sectionBoundaries = SectionBoundariesOf(grid);
    return layout;
}

void PaintTableBody(QPainter& painter, const TablePageLayout& layout, const ResultGrid& grid) {
    PaintCells(painter, layout, grid);
    PaintRules(painter, layout, grid);
}

void PaintTablePage(QPainter& painter, const TablePageLayout& layout, const ResultGrid& grid,
                    const QStringList& description) {
    painter.save();
    QFont bold(layout.font);
    bold.setBold(true);
    QFont regular(layout.font);
    regular.setBold(false);
    painter.setPen(Qt::black);
    DrawTextAt(painter, regular, layout.left, Round(layout.top / 2.0), ProgramLine());
    DrawTextAt(painter, bold, layout.left, layout.top, QStringLiteral("Identifikační údaje"));
    for (int k = 0; k < layout.descriptionLines && k < description.size(); ++k) {
        DrawTextAt(painter, regular, layout.left, layout.top + (k + 1) * layout.lineHeight, description[k]);
    }
    PaintTableBody(painter, layout, grid);
    painter.restore();
}

} // namespace hydrim::render
