// The coefficient table "par.tab": the rain reduction coefficients of eight
// return-period groups in three duration bands, read at start.
#pragma once

#include "core/project/Error.h"
#include "core/project/ProjectData.h"

#include <string>
#include <vector>

namespace hydrim {

inline const std::string ParTableFileName = "par.tab";
inline constexpr int ParTableGroups = 8;
inline constexpr int ParTableBands = 3;
inline constexpr int ParTableLinesPerRecord = 4;
inline constexpr int ParTableLines = ParTableGroups * ParTableBands * ParTableLinesPerRecord; // 96

// Reads "par.tab" into table. The file holds 24 records ordered by band (1..3)
// and within a band by group (1..8); each record is three lines that start
// with an integer (thousandths; blank lines and blanks before an integer are
// skipped, the rest of its line is ignored) and one ignored line. Fails with
// a Czech message naming the file (and the line for a malformed number); the
// table is then left untouched.
Error ReadParTable(const std::string& path, ParTable& table);

// The same, over lines already read; fileName only names the file in messages.
Error ParseParTable(const std::vector<std::string>& lines, const std::string& fileName, ParTable& table);

} // namespace hydrim
