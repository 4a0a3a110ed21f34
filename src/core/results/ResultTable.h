// The result tables as texts: a GUI-free model of each result grid. The
// screen painter, the printer, the clipboard and the spreadsheet writer all
// show what these builders compute; none of them formats a number itself.
//
// Variant I has eight grids (inputs, one output sheet per return period
// N = 5 ... 100, slopes + catchment summary, catchment summary); Variants II
// and III have one grid. Row texts (symbols, descriptions, units) come from
// the layout files of the data directory (reference/LayoutFiles.h); value
// cells are "  " + the number, written with the locale's decimal separator.
// The engine's result sets are never modified: volumes are scaled on copies.
#pragma once

#include "core/project/ProjectData.h"
#include "core/reference/LayoutFiles.h"

#include <array>
#include <set>
#include <string>
#include <vector>

namespace hydrim {

// Which drawing rules a grid follows (see results/CellMarkup.h).
enum class GridKind {
    VariantISheet,     // Variant I grids 1..6: inputs and the five output sheets
    VariantISummary,   // Variant I grid 7: slopes and catchment, blocks of three rows per N
    VariantICatchment, // Variant I grid 8: catchment only, one column per N
    Variant23,         // the single Variant II / III grid
};

// A text painted once across several rows of one column (the return-period
// labels of grid 7: "  5" over rows 2..4, ...). The same text also stands in
// Cells[FirstRow][Column], so plain consumers (copy, CSV) see it once.
struct CellSpan {
    int FirstRow = 0;
    int RowCount = 1;
    int Column = 0;
    std::string Text;
};

// A cell that shows several lines one below another (the return periods
// 5, 10, 20, 50, 100 in the catchment cell of row 9 of the inputs sheet).
// Cells[Row][Column] keeps the single text the table writes there.
struct StackedCell {
    int Row = 0;
    int Column = 0;
    std::vector<std::string> Lines;
};

struct ResultGrid {
    GridKind Kind = GridKind::VariantISheet;
    int Number = 0;        // Variant I grid 1..8; 2 or 3 for the Variant II / III grid
    std::string Title;     // tab title ("VSTUP", "VÝSTUP N=5", ...; "Výstup" for II / III)
    std::string SheetName; // worksheet name of the spreadsheet export ("Vstup", "Výstup N=5", ...)

    // Cell texts, UTF-8, Cells[row][column]; every row has ColumnCount() cells.
    std::vector<std::vector<std::string>> Cells;

    // Column roles. DescriptionColumn is -1 for grid 8 (it has none).
    int SymbolColumn = 0;
    int DescriptionColumn = 1;
    int UnitColumn = 5;
    // Value columns in the order catchment, left slope, right slope (grids
    // 1..7 and II / III: one entry with one slope), or N = 5 ... 100 (grid 8).
    std::vector<int> ValueColumns;
    // false for the hidden (zero-width) columns; one entry per column.
    std::vector<bool> VisibleColumns;
    // Per column, the reference text whose width in the table font, plus 10
    // pixels, is the column's width ("" for hidden columns).
    std::vector<std::string> WidthTexts;
    // Per row, how many text lines tall the row is (1, or 5 for the stacked
    // return periods of the inputs sheet).
    std::vector<int> RowLines;

    // Row styles. Variant I: bold rows, shaded (light cyan) rows, the
    // highlighted (light yellow) peak row, -1 for none. For Variants II / III
    // the same three are filled from the Table23 values below.
    std::set<int> BoldRows;
    std::set<int> ShadedRows;
    int HighlightRow = -1;
    // First rows of the sections and the row count (7 values), for printing.
    std::vector<int> SectionRows;

    // Variants II / III: the bold section headings, the tinted top headings,
    // the peak-discharge row, the 7 section starts (used by printing).
    std::vector<int> Table23SectionRows;
    std::vector<int> Table23TopHeadingRows;
    int Table23PeakRow = -1;
    std::vector<int> Table23SectionStarts;

    std::vector<CellSpan> Spans;
    std::vector<StackedCell> Stacked;

    int RowCount() const { return static_cast<int>(Cells.size()); }
    int ColumnCount() const { return Cells.empty() ? 0 : static_cast<int>(Cells.front().size()); }
    // The cell text, or an empty text outside the grid.
    const std::string& Cell(int row, int column) const;
    bool IsBoldRow(int row) const { return BoldRows.count(row) != 0; }
    bool IsShadedRow(int row) const { return ShadedRows.count(row) != 0; }
    // Rows without any text at the top of a grid are not shown (the catchment
    // summary's layout opens with one): the first row that is.
    int FirstShownRow() const;
    // Variants II / III: a section row shows the text of its column 0 across
    // the whole row (row 0 keeps its column titles from column 2 on).
    bool HeadingAcrossRow(int row) const;
};

// Column titles of row 0.
inline constexpr const char* CatchmentTitle = "  Povodí  ";
inline constexpr const char* LeftSlopeTitle = " Levý svah ";
inline constexpr const char* RightSlopeTitle = " Pravý svah ";

// The eight Variant I grids (index 0 = grid 1) from the Variant I result set,
// the inputs and the layout texts. state.TwoSlopes decides the columns.
std::array<ResultGrid, 8> BuildVariantITables(const AppState& state, const VariantILayouts& layouts,
                                              char decimalSeparator);

// The Variant II (variant = 2) or III (variant = 3) grid.
ResultGrid BuildVariant23Table(const AppState& state, const LayoutText& layout, int variant, bool twoSlopes,
                               char decimalSeparator);

// Text of "Kopíruj tabulku": one line per row 1 .. last, holding the value
// columns of the grid (catchment, left, right with two slopes; the one value
// column with one slope; N = 5 ... 100 for grid 8), cells unchanged and
// separated by TAB, every line ended by CR LF.
std::string CopyTableText(const ResultGrid& grid);

// The columns a window shows (the visible ones), left to right.
std::vector<int> VisibleColumnsOf(const ResultGrid& grid);
// A cell as plain text, its units with superscripts ("[10³.m³]"), Greek
// letters as such, a stacked cell's lines one after another: what the window
// shows, without the lowered parts' offset.
std::string ShownCellText(const ResultGrid& grid, int row, int column);

// Both leave out the empty rows at the top (FirstShownRow) and write a
// stacked cell as its lines one after another ("5, 10, 20, 50, 100").
// The grid as CSV (all visible columns, ';' separated, CR LF line ends, the
// raised parts of units after a "^": "[10^3.m^3]"), and as aligned plain
// UTF-8 text for a terminal (units with superscripts: "[10³.m³]").
std::string GridAsCsv(const ResultGrid& grid);
std::string GridAsText(const ResultGrid& grid);

} // namespace hydrim
