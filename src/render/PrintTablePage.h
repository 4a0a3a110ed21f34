// The printed page of a result table: the table font scaled to the page
// width, margins taken from the page width, the heading "Identifikační
// údaje" with as many description lines as room remains, the program line
// in the top margin, and the table drawn cell by cell with the screen's cell
// painter inside a frame with rules at the section boundaries.
#pragma once

#include "core/results/ResultTable.h"

#include <QFont>
#include <QSize>
#include <QStringList>

#include <vector>

class QPainter;
class QPaintDevice;

namespace hydrim::render {

// The reference text whose width decides the printed font size.
QString TableReferenceText();

// Geometry of one table page in device pixels.
struct TablePageLayout {
    int pageWidth = 0;                  // W
    int pageHeight = 0;                 // H
    int left = 0;                       // L = round(W / 7)
    int top = 0;                        // T = round(W / 10)
    QFont font;                         // the table font at the fitted size, for the device
    int textHeight = 0;                 // h
    int lineHeight = 0;                 // h' = round(1.1 h), every row and description line
    int descriptionLines = 0;           // n, how many description lines are printed
    int tableTop = 0;                   // T0 = T + (n + 2) h'
    int framePen = 0;                   // p = round(h' / 9)
    int rulePen = 0;                    // round(p / 2), at least 1
    std::vector<double> columnWidths;   // 0 for columns not printed
    std::vector<double> rowHeights;     // lines of the row x h'
    std::vector<int> sectionBoundaries; // rows above which a rule is drawn
    double tableWidth() const;
    double tableHeight() const;
};

// The point size at which the reference text first reaches the width
// available between the margins (W - 3 T), starting from 1 point.
int FittedPointSize(const QFont& tableFont, const QPaintDevice& device, int pageWidth);

// Lays out grid on a page of pageSize device pixels of device, with
// descriptionCount lines of project description available.
TablePageLayout LayoutTablePage(const ResultGrid& grid, const QFont& tableFont, const QPaintDevice& device,
                                QSize pageSize, int descriptionCount);

// Paints the table alone (cells, rules and frame) where layout.left and
// layout.tableTop place it; the page heading and description are left out.
void PaintTableBody(QPainter& painter, const TablePageLayout& layout, const ResultGrid& grid);

// Paints the page laid out by LayoutTablePage.
void PaintTablePage(QPainter& painter, const TablePageLayout& layout, const ResultGrid& grid,
                    const QStringList& description);

} // namespace hydrim::render
