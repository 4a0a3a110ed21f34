#include "core/results/ResultTable.h"

#include "core/results/CellMarkup.h"

#include <algorithm>

namespace hydrim {
namespace {

size_t CharacterCount(const std::string& text) {
    return static_cast<size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string TrimBlanks(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string CsvField(const std::string& text) {
    const std::string trimmed = TrimBlanks(text);
    if (trimmed.find_first_of(";\"\r\n") == std::string::npos) {
        return trimmed;
    }
    std::string quoted = "\"";
    for (char c : trimmed) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

// The cell as plain text: the units with their raised parts in the notation,
// Greek letters as such; headings read across a row stay as they are; the
// lines of a stacked cell follow one another on the one line
// ("5, 10, 20, 50, 100" for the return periods of the inputs sheet).
std::string PlainCell(const ResultGrid& grid, int row, int column, RaisedNotation notation) {
    if (grid.HeadingAcrossRow(row)) {
        return grid.Cell(row, column);
    }
    for (const StackedCell& stacked : grid.Stacked) {
        if (stacked.Row == row && stacked.Column == column) {
            std::string text;
            for (const std::string& line : stacked.Lines) {
                text += (text.empty() ? "  " : ", ") + TrimBlanks(line);
            }
            return text;
        }
    }
    return PlainText(CellRuns(grid, row, column), notation);
}

} // namespace

std::vector<int> VisibleColumnsOf(const ResultGrid& grid) {
    std::vector<int> columns;
    for (int c = 0; c < grid.ColumnCount(); ++c) {
        if (c >= static_cast<int>(grid.VisibleColumns.size()) ||
            grid.VisibleColumns[static_cast<size_t>(c)]) {
            columns.push_back(c);
        }
    }
    return columns;
}

std::string ShownCellText(const ResultGrid& grid, int row, int column) {
    return PlainCell(grid, row, column, RaisedNotation::Superscript);
}

const std::string& ResultGrid::Cell(int row, int column) const {
    static const std::string empty;
    if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount()) {
        return empty;
    }
    return Cells[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

int ResultGrid::FirstShownRow() const {
    int row = 0;
    while (row < RowCount() - 1 &&
           std::all_of(Cells[static_cast<size_t>(row)].begin(), Cells[static_cast<size_t>(row)].end(),
                       [](const std::string& cell) { return cell.empty(); })) {
        ++row;
    }
    return row;
}

bool ResultGrid::HeadingAcrossRow(int row) const {
    return Kind == GridKind::Variant23 &&
           std::find(Table23SectionRows.begin(), Table23SectionRows.end(), row) != Table23SectionRows.end();
}

std::string CopyTableText(const ResultGrid& grid) {
    std::string text;
    for (int row = 1; row < grid.RowCount(); ++row) {
        for (size_t k = 0; k < grid.ValueColumns.size(); ++k) {
            if (k > 0) {
                text += '\t';
            }
            text += grid.Cell(row, grid.ValueColumns[k]);
        }
        text += "\r\n";
    }
    return text;
}

std::string GridAsCsv(const ResultGrid& grid) {
    const std::vector<int> columns = VisibleColumnsOf(grid);
    std::string text;
    for (int row = grid.FirstShownRow(); row < grid.RowCount(); ++row) {
        for (size_t k = 0; k < columns.size(); ++k) {
            if (k > 0) {
                text += ';';
            }
            text += CsvField(PlainCell(grid, row, columns[k], RaisedNotation::Caret));
        }
        text += "\r\n";
    }
    return text;
}

std::string GridAsText(const ResultGrid& grid) {
    const std::vector<int> columns = VisibleColumnsOf(grid);
    std::vector<std::vector<std::string>> cells(static_cast<size_t>(grid.RowCount()));
    for (int row = grid.FirstShownRow(); row < grid.RowCount(); ++row) {
        for (int column : columns) {
            cells[static_cast<size_t>(row)].push_back(
                PlainCell(grid, row, column, RaisedNotation::Superscript));
        }
    }
    // A heading read across its row does not widen the symbol column.
    std::vector<size_t> widths(columns.size(), 0);
    for (int row = grid.FirstShownRow(); row < grid.RowCount(); ++row) {
        for (size_t k = grid.HeadingAcrossRow(row) ? 1 : 0; k < columns.size(); ++k) {
            widths[k] = std::max(widths[k], CharacterCount(cells[static_cast<size_t>(row)][k]));
        }
    }
    std::string text;
    for (int row = grid.FirstShownRow(); row < grid.RowCount(); ++row) {
        const std::vector<std::string>& rowCells = cells[static_cast<size_t>(row)];
        std::string line;
        size_t length = 0;
        size_t start = 0;
        for (size_t k = 0; k < columns.size(); ++k) {
            const std::string& cell = rowCells[k];
            if (!cell.empty()) {
                const size_t pad = length < start ? start - length : (k > 0 ? 1 : 0);
                line.append(pad, ' ');
                line += cell;
                length += pad + CharacterCount(cell);
            }
            start += widths[k] + 1;
        }
        text += line + "\n";
    }
    return text;
}

} // namespace hydrim
