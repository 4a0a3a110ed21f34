// Layout files of the result tables: "VarTab1.tab" ... "VarTab8.tab" for the
// eight Variant I grids, "tabulka2.tab" and "tabulka3.tab" for Variants II
// and III. Line r describes grid row r as symbol ';' description ':' unit.
#pragma once

#include "core/project/Error.h"

#include <array>
#include <string>
#include <vector>

namespace hydrim {

// Row counts (= lines read) of the Variant I grids 1..8 (index 0 unused).
inline constexpr std::array<int, 9> VariantILayoutRows = {0, 15, 38, 38, 38, 38, 38, 17, 5};
inline constexpr int Variant2LayoutRows = 45;
inline constexpr int Variant3LayoutRows = 35;

// One layout line split into its three texts: the text before the first ';'
// (empty without ';'), the text between that ';' and the first ':', and the
// text after the first ':'. A line without ':' has an empty description and
// the whole line (after the ';', if any) as unit.
struct LayoutLine {
    std::string Symbol;
    std::string Description;
    std::string Unit;
};
LayoutLine SplitLayoutLine(const std::string& line);

// The lines of one layout file, always exactly the grid's row count (missing
// lines are empty). Error is a Czech message naming the file when it could
// not be read; the lines are then all empty.
struct LayoutText {
    std::string FileName;
    std::vector<std::string> Lines;
    hydrim::Error Error;
    bool ok() const { return !Error; }
    LayoutLine Line(int row) const; // empty texts outside the file
};

LayoutText ReadLayoutFile(const std::string& dataDir, const std::string& fileName, int lineCount);

// "VarTab" + k + ".tab".
std::string VariantILayoutFileName(int grid);

struct VariantILayouts {
    std::array<LayoutText, 8> Grids; // index 0 = grid 1
    // One message naming every layout file that could not be read, or none.
    hydrim::Error Error;
};
VariantILayouts ReadVariantILayouts(const std::string& dataDir);

// "tabulka2.tab" (variant 2, 45 lines) or "tabulka3.tab" (variant 3, 35 lines).
LayoutText ReadVariant23Layout(const std::string& dataDir, int variant);

} // namespace hydrim
