#include "core/series/CopyText.h"

#include <algorithm>

namespace hydrim {
namespace {

constexpr int HeaderRows = 2;

CellSelection ClampToGrid(const TextGridView& grid, const CellSelection& selection) {
    return {std::max(selection.Left, 0), std::max(selection.Top, 0),
            std::min(selection.Right, grid.Columns - 1), std::min(selection.Bottom, grid.Rows - 1)};
}

// One row: the first cell, then TAB and each further cell, then CR.
void AppendRow(std::string& text, const TextGridView& grid, int row, int firstColumn, int fromColumn,
               int toColumn) {
    text += grid.Cell(row, firstColumn);
    for (int column = fromColumn; column <= toColumn; ++column) {
        text += '\t';
        text += grid.Cell(row, column);
    }
    text += '\r';
}

} // namespace

TextGridView ViewOf(const TimeSeriesListing& listing) {
    return {listing.RowCount(), listing.ColumnCount(),
            [&listing](int row, int column) { return listing.Cell(row, column); }};
}

std::string CopySelectionText(const TextGridView& grid, const CellSelection& selection) {
    const CellSelection s = ClampToGrid(grid, selection);
    std::string text;
    if (s.Left > s.Right || s.Top > s.Bottom) {
        return text;
    }
    for (int row = s.Top; row <= s.Bottom; ++row) {
        AppendRow(text, grid, row, s.Left, s.Left + 1, s.Right);
    }
    return text;
}

std::string CopySelectionWithHeaderText(const TextGridView& grid, const CellSelection& selection) {
    const CellSelection s = ClampToGrid(grid, selection);
    std::string text;
    if (s.Left > s.Right || s.Top > s.Bottom) {
        return text;
    }
    for (int row = 0; row < std::min(HeaderRows, grid.Rows); ++row) {
        AppendRow(text, grid, row, 0, s.Left, s.Right);
    }
    for (int row = s.Top; row <= s.Bottom; ++row) {
        AppendRow(text, grid, row, 0, s.Left, s.Right);
    }
    return text;
}

std::string CopyAllText(const TextGridView& grid) {
    std::string text;
    if (grid.Columns <= 0) {
        return text;
    }
    for (int row = 0; row < grid.Rows; ++row) {
        AppendRow(text, grid, row, 0, 1, grid.Columns - 1);
    }
    return text;
}

} // namespace hydrim
