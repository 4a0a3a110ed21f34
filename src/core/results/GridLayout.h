// Building blocks shared by the Variant I and the Variant II / III grids:
// empty grids in their designed column layout, the layout texts, the
// one-slope column reduction and the volume scaling for display.
#pragma once

#include "core/results/ResultTable.h"

#include <string>
#include <vector>

namespace hydrim {

// An empty grid of rows x columns with every column visible and one line per row.
ResultGrid MakeGrid(GridKind kind, int number, int rows, int columns);

// Writes a text into a cell; cells outside the grid are ignored.
void PutCell(ResultGrid& grid, int row, int column, std::string text);

// Puts the row-0 column titles "  Povodí  ", " Levý svah ", " Pravý svah "
// from column firstValueColumn on.
void PutColumnTitles(ResultGrid& grid, int firstValueColumn);

// One slope: the unit column's texts move into the left-slope column, the
// grid keeps that column plus one hidden column, and the unit column follows.
void ReduceToOneSlope(ResultGrid& grid, int leftColumn);

// Power of ten used to show a volume: 0 below 1000 m³, 3 below 10^6, else 6.
int VolumeExponent(double catchmentVolume);

// The unit text with "10" + exponent + "." inserted after its third
// character (unchanged for exponent 0): "  [m3]" -> "  [103.m3]".
std::string InsertPowerOfTen(const std::string& unit, int exponent);

// 10^exponent for the exponents above.
double PowerOfTen(int exponent);

} // namespace hydrim
