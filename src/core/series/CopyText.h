// Clipboard texts of the time-series listing and of a result table:
// "Kopíruj" (the selected cells), "Kopíruj+" (the heading rows and columns
// with the selection: the two header rows and the time column of a listing,
// the column titles and the symbol and description of a table) and "Kopíruj
// vše" (everything). Cells of a row are separated by TAB, every row (the
// last included) ends with CR.
#pragma once

#include "core/results/ResultTable.h"
#include "core/series/TimeSeries.h"

#include <functional>
#include <optional>
#include <string>

namespace hydrim {

// A selected rectangle of cells, all bounds inclusive.
struct CellSelection {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// The "&Edituj" copy commands, numbered as the main window passes them.
enum class CopyKind { Selection = 0, SelectionWithHeader = 1, All = 2 };

// Any grid of texts: its size, a function giving one cell, and how many of
// its top rows and left columns are headings.
struct TextGridView {
    int Rows = 0;
    int Columns = 0;
    std::function<std::string(int row, int column)> Cell;
    int HeaderRows = 2;
    int HeaderColumns = 1;
};
TextGridView ViewOf(const TimeSeriesListing& listing);
// A result grid as its window shows it: the rows from FirstShownRow and the
// visible columns (view row 0 is the first shown row, view column k the k-th
// visible one), units with superscripts. Its heading row is that first row,
// its heading columns reach up to the description (the symbol and the
// description; grid 8's description alone).
TextGridView ViewOf(const ResultGrid& grid);
// A rectangle of grid cells (rows and columns of ResultGrid::Cells) as cells
// of ViewOf(grid): hidden columns inside it drop out, and so do rows above
// the first shown one; nothing when it holds no visible column.
std::optional<CellSelection> ViewSelection(const ResultGrid& grid, const CellSelection& gridCells);

// Parts of the selection outside the grid are left out; an empty selection
// gives an empty text.
std::string CopySelectionText(const TextGridView& grid, const CellSelection& selection);
std::string CopySelectionWithHeaderText(const TextGridView& grid, const CellSelection& selection);
std::string CopyAllText(const TextGridView& grid);
// The text of one copy command.
std::string CopyText(const TextGridView& grid, const CellSelection& selection, CopyKind kind);

} // namespace hydrim
