// The one painter of result-table cells. It draws a cell of a core result
// grid (results/ResultTable.h) as the styled runs of results/CellMarkup.h:
// the row's background, bold rows, lowered indices, raised exponents, the
// Greek letter of the roughness row, stacked lines and merged cells. The
// screen grids use it through their item delegate; printing uses it with a
// printer QPainter (paintRows), so the printout looks like the screen.
#pragma once

#include "core/results/CellMarkup.h"
#include "core/results/ResultTable.h"

#include <QColor>
#include <QFont>
#include <QRectF>

#include <vector>

class QPainter;
class QPaintDevice;

namespace hydrim::render {

// How many rows and columns a cell covers: {1, 1} for a plain cell, more for
// a merged one, {0, 0} for a cell that lies under another cell's merge.
struct CellExtent {
    int rows = 1;
    int columns = 1;
    bool covered() const { return rows == 0; }
};
CellExtent ExtentOf(const ResultGrid& grid, int row, int column);

// Pixel sizes of a grid drawn in a font on a device.
struct GridGeometry {
    std::vector<double> columnWidths; // 0 for hidden columns
    std::vector<double> rowHeights;
    double width() const;
    double height(int firstRow, int endRow) const;
};

// One run of text as it is drawn after a normal font: a raised run whose
// every character has a Unicode superscript form (core/results/CellMarkup.h,
// SuperscriptText) is drawn as those characters in the normal font on the
// line, so that a PDF's text reads "m³", "s⁻¹" as shown; any other raised or
// lowered run is drawn in three fifths of the font height, a raised one at
// the line's top, a lowered one a third of the text height below it.
struct ShapedRun {
    QString text;
    QFont font;
    double baselineShift = 0; // from the line's baseline, downwards [device pixels]
    double advance = 0;       // width [device pixels]
};
ShapedRun ShapeRun(const TextRun& run, const QFont& normal, const QPaintDevice* device);

class CellPainter {
public:
    explicit CellPainter(const QFont& font);

    const QFont& font() const { return font_; }
    static QColor backgroundColor(CellStyle::Background background);

    // Column widths (the width of the column's reference text plus 10
    // pixels) and row heights (21 pixels, or as many text lines as the row
    // shows) on device; nullptr means the screen.
    GridGeometry geometry(const ResultGrid& grid, const QPaintDevice* device = nullptr) const;

    // Paints the background and the text of one cell into rect (for a merged
    // cell, the rectangle of the whole merge).
    void paintCell(QPainter& painter, const QRectF& rect, const ResultGrid& grid, int row, int column) const;

    // Paints runs from the left edge of rect, vertically centred, clipped to rect.
    void paintRuns(QPainter& painter, const QRectF& rect, const std::vector<TextRun>& runs) const;

    // Paints rows firstRow..endRow-1 of grid with their grid lines, the top
    // left corner at origin (printing).
    void paintRows(QPainter& painter, const QPointF& origin, const ResultGrid& grid,
                   const GridGeometry& geometry, int firstRow, int endRow) const;

private:
    void paintStacked(QPainter& painter, const QRectF& rect, const StackedCell& cell, bool bold) const;

    QFont font_;
};

} // namespace hydrim::render
