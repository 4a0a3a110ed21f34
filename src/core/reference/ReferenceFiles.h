// Readers of the reference table files of the data directory. Each reader
// reads its fixed number of lines (missing lines read as empty), splits the
// fields by the file's separators, fills the display grid texts of its
// lookup dialog and the program-wide reference arrays.
#pragma once

#include "core/project/Error.h"
#include "core/project/ProjectData.h"

#include <string>
#include <vector>

namespace hydrim {

// Grid texts of one table as its dialog shows them: Cells[row][column].
struct TableGrid {
    std::vector<std::vector<std::string>> Cells;
    const std::string& cell(size_t row, size_t column) const;
};

// What a reader returns: the grid, and an error (Czech, naming the file)
// when the file could not be opened or read. The grid then stays empty or
// partly filled; the reader never throws.
struct TableReadResult {
    TableGrid Grid;
    hydrim::Error Error;
    bool ok() const { return !Error; }
};

// "srazky.tab": 580 rows, 12 TAB-separated fields; fills RainfallTable.
TableReadResult ReadRainfallTable(const std::string& dataDir, ReferenceTables& reference);
// "Gama.tab": 17 rows, fields split at ';' and '!'; fills RoughnessMin/Max.
TableReadResult ReadRoughnessTable(const std::string& dataDir, ReferenceTables& reference);
// The same two tables from the lines of a table file (a user's own table
// written as its file would be); missing lines read as empty, lines past the
// table's count are ignored.
TableReadResult RainfallTableFromLines(std::vector<std::string> lines, ReferenceTables& reference);
TableReadResult RoughnessTableFromLines(std::vector<std::string> lines, ReferenceTables& reference);
// "CNcistab.tab": 53 rows; fills CurveNumberTable (row 1 gets " pro A" ... " pro D").
TableReadResult ReadCurveNumberTable(const std::string& dataDir, ReferenceTables& reference);
// "HSP.tab": 6 rows, fields split at the first ';'.
TableReadResult ReadSoilGroupTable(const std::string& dataDir);
// "BPEJtab.tab": 67 rows, 4 TAB-separated fields; fills SoilUnitGroupsOriginal.
TableReadResult ReadSoilUnitTable(const std::string& dataDir, ReferenceTables& reference);

} // namespace hydrim
