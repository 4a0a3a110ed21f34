// The roughness class table "Gama.tab" as the table editor reads, checks and
// writes it: a title line, a column header line, then one class per line as
// "description;class!a-b" (a-b: the admissible range of the roughness value).
#pragma once

#include "core/reference/CsvReader.h"
#include "core/reference/TableRows.h"

#include <string>
#include <utility>
#include <vector>

namespace hydrim {

inline constexpr const char* RoughnessFileName = "Gama.tab";
inline constexpr size_t RoughnessFieldCount = 3;
inline constexpr size_t RoughnessDescriptionField = 0;
inline constexpr size_t RoughnessClassField = 1;
inline constexpr size_t RoughnessRangeField = 2;
// The program reads 17 lines: two header lines and at most 15 classes.
inline constexpr size_t MaxRoughnessClasses = 15;
inline constexpr size_t RoughnessFileLines = 17;

// The lines of a roughness file: lines 1 and 2 are the header (the shipped
// one where the file has none); blank lines are left out; every other line
// becomes a row split as the program splits it (first ';', then first '!').
// Wrong lines are kept as rows and reported with their line numbers.
TableRows ReadRoughnessLines(const std::vector<std::string>& lines);

// The reasons a class row is wrong, joined by "; ", or empty: a class text,
// a range "a-b" of whole numbers 0 to 255 with a <= b, a description without
// ';' and a class without '!'.
std::string CheckRoughnessClass(const TableRow& row);

// The file's 17 lines: the header, the classes in their order, empty lines
// up to the 17th.
std::vector<std::string> RoughnessTableLines(const TableRows& table);

// The rows whose description cells the dialog merges, as (first, last)
// indices into rows (description, whether the row holds a class): a class
// with a description opens a group, and the classes below it with an empty
// or the same description belong to it.
std::vector<std::pair<size_t, size_t>>
DescriptionGroups(const std::vector<std::pair<std::string, bool>>& rows);

// Classes of a CSV import: description, class and range "a-b" (3 fields),
// or description, class, lowest and highest value (4 fields). Refuses wrong
// lines and classes past MaxRoughnessClasses.
TableImport ImportRoughnessClasses(const std::vector<CsvRecord>& records);

// The imported classes after the existing ones.
std::vector<TableRow> AppendRoughnessClasses(std::vector<TableRow> existing,
                                             const std::vector<TableRow>& imported);

} // namespace hydrim
