// Clipboard texts of the time-series listing: "Kopíruj" (the selected
// cells), "Kopíruj+" (the two header rows and the time column with the
// selection) and "Kopíruj vše" (the whole listing). Cells of a row are
// separated by TAB, every row (the last included) ends with CR.
#pragma once

#include "core/series/TimeSeries.h"

#include <functional>
#include <string>

namespace hydrim {

// A selected rectangle of cells, all bounds inclusive.
struct CellSelection {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// Any grid of texts: its size and a function giving one cell.
struct TextGridView {
    int Rows = 0;
    int Columns = 0;
    std::function<std::string(int row, int column)> Cell;
};
TextGridView ViewOf(const TimeSeriesListing& listing);

// Parts of the selection outside the grid are left out; an empty selection
// gives an empty text.
std::string CopySelectionText(const TextGridView& grid, const CellSelection& selection);
std::string CopySelectionWithHeaderText(const TextGridView& grid, const CellSelection& selection);
std::string CopyAllText(const TextGridView& grid);

} // namespace hydrim
