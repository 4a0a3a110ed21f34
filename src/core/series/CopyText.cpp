#include "core/series/CopyText.h"

#include <algorithm>

namespace hydrim {
namespace {

CellSelection ClampToGrid(const TextGridView& grid, const CellSelection& selection) {
    return {std::max(selection.Left, 0), std::max(selection.Top, 0),
            std::min(selection.Right, grid.Columns - 1), std::min(selection.Bottom, grid.Rows - 1)};
}

// One row: the cells of columns firstFrom..firstTo, then TAB and each
// further cell, then CR.
void AppendRow(std::string& text, const TextGridView& grid, int row, int firstFrom, int firstTo,
               int fromColumn, int toColumn) {
    for (int column = firstFrom; column <= firstTo; ++column) {
        if (column > firstFrom) {
            text += '\t';
        }
        text += grid.Cell(row, column);
    }
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

TextGridView ViewOf(const ResultGrid& grid) {
    const std::vector<int> columns = VisibleColumnsOf(grid);
    const int firstRow = grid.FirstShownRow();
    const int lastHeading = std::max(grid.SymbolColumn, grid.DescriptionColumn);
    const auto headings = std::count_if(columns.begin(), columns.end(),
                                        [lastHeading](int column) { return column <= lastHeading; });
    TextGridView view;
    view.Rows = grid.RowCount() - firstRow;
    view.Columns = static_cast<int>(columns.size());
    view.Cell = [&grid, columns, firstRow](int row, int column) {
        return ShownCellText(grid, row + firstRow, columns[static_cast<size_t>(column)]);
    };
    view.HeaderRows = 1;
    view.HeaderColumns = static_cast<int>(headings);
    return view;
}

std::optional<CellSelection> ViewSelection(const ResultGrid& grid, const CellSelection& gridCells) {
    const std::vector<int> columns = VisibleColumnsOf(grid);
    const auto first = std::lower_bound(columns.begin(), columns.end(), gridCells.Left);
    const auto last = std::upper_bound(columns.begin(), columns.end(), gridCells.Right);
    if (first >= last) {
        return std::nullopt;
    }
    const int firstRow = grid.FirstShownRow();
    return CellSelection{static_cast<int>(first - columns.begin()), std::max(gridCells.Top - firstRow, 0),
                         static_cast<int>(last - columns.begin()) - 1, gridCells.Bottom - firstRow};
}

std::string CopySelectionText(const TextGridView& grid, const CellSelection& selection) {
    const CellSelection s = ClampToGrid(grid, selection);
    std::string text;
    if (s.Left > s.Right || s.Top > s.Bottom) {
        return text;
    }
    for (int row = s.Top; row <= s.Bottom; ++row) {
        AppendRow(text, grid, row, s.Left, s.Left, s.Left + 1, s.Right);
    }
    return text;
}

std::string CopySelectionWithHeaderText(const TextGridView& grid, const CellSelection& selection) {
    const CellSelection s = ClampToGrid(grid, selection);
    std::string text;
    if (s.Left > s.Right || s.Top > s.Bottom) {
        return text;
    }
    // The heading columns, then the selected ones (a selection that starts
    // among the headings repeats them).
    const int lastHeading = std::min(grid.HeaderColumns, grid.Columns) - 1;
    for (int row = 0; row < std::min(grid.HeaderRows, grid.Rows); ++row) {
        AppendRow(text, grid, row, 0, lastHeading, s.Left, s.Right);
    }
    for (int row = s.Top; row <= s.Bottom; ++row) {
        AppendRow(text, grid, row, 0, lastHeading, s.Left, s.Right);
    }
    return text;
}

std::string CopyAllText(const TextGridView& grid) {
    std::string text;
    if (grid.Columns <= 0) {
        return text;
    }
    for (int row = 0; row < grid.Rows; ++row) {
        AppendRow(text, grid, row, 0, 0, 1, grid.Columns - 1);
    }
    return text;
}

std::string CopyText(const TextGridView& grid, const CellSelection& selection, CopyKind kind) {
    switch (kind) {
    case CopyKind::Selection:
        return CopySelectionText(grid, selection);
    case CopyKind::SelectionWithHeader:
        return CopySelectionWithHeaderText(grid, selection);
    case CopyKind::All:
        return CopyAllText(grid);
    }
    return {};
}

} // namespace hydrim
