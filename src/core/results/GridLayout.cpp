#include "core/results/GridLayout.h"

#include <cmath>

namespace hydrim {

ResultGrid MakeGrid(GridKind kind, int number, int rows, int columns) {
    ResultGrid grid;
    grid.Kind = kind;
    grid.Number = number;
    grid.Cells.assign(static_cast<size_t>(rows), std::vector<std::string>(static_cast<size_t>(columns)));
    grid.VisibleColumns.assign(static_cast<size_t>(columns), true);
    grid.WidthTexts.assign(static_cast<size_t>(columns), "");
    grid.RowLines.assign(static_cast<size_t>(rows), 1);
    return grid;
}

void PutCell(ResultGrid& grid, int row, int column, std::string text) {
    if (row < 0 || row >= grid.RowCount() || column < 0 || column >= grid.ColumnCount()) {
        return;
    }
    grid.Cells[static_cast<size_t>(row)][static_cast<size_t>(column)] = std::move(text);
}

void PutColumnTitles(ResultGrid& grid, int firstValueColumn) {
    PutCell(grid, 0, firstValueColumn, CatchmentTitle);
    PutCell(grid, 0, firstValueColumn + 1, LeftSlopeTitle);
    PutCell(grid, 0, firstValueColumn + 2, RightSlopeTitle);
}

void ReduceToOneSlope(ResultGrid& grid, int leftColumn) {
    const auto left = static_cast<size_t>(leftColumn);
    const auto unit = static_cast<size_t>(grid.UnitColumn);
    for (auto& row : grid.Cells) {
        row[left] = row[unit];
        row.resize(left + 2);
        row[left + 1].clear();
    }
    grid.WidthTexts[left] = grid.WidthTexts[unit];
    grid.WidthTexts.resize(left + 2);
    grid.WidthTexts[left + 1].clear();
    grid.VisibleColumns.assign(left + 2, true);
    grid.VisibleColumns[left + 1] = false;
    grid.UnitColumn = leftColumn;
}

int VolumeExponent(double catchmentVolume) {
    if (catchmentVolume >= 1000000.0) {
        return 6;
    }
    return catchmentVolume >= 1000.0 ? 3 : 0;
}

std::string InsertPowerOfTen(const std::string& unit, int exponent) {
    if (exponent <= 0) {
        return unit;
    }
    // Byte offset after the third character (texts are UTF-8).
    size_t offset = 0;
    int characters = 0;
    while (offset < unit.size() && characters < 3) {
        ++offset;
        while (offset < unit.size() && (static_cast<unsigned char>(unit[offset]) & 0xC0) == 0x80) {
            ++offset;
        }
        ++characters;
    }
    std::string result = unit;
    result.insert(offset, "10" + std::to_string(exponent) + ".");
    return result;
}

double PowerOfTen(int exponent) {
    return std::pow(10.0, exponent);
}

} // namespace hydrim
