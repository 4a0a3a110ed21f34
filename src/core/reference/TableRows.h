// Rows of a reference table as the table editor holds them: the fields of
// each line in the file's order, and the lines found wrong or refused, each
// with its line number and the reason in Czech.
#pragma once

#include "core/reference/CsvReader.h"

#include <functional>
#include <string>
#include <vector>

namespace hydrim {

struct TableRow {
    std::vector<std::string> Fields;
    size_t Line = 0; // the line of the file or CSV text it came from; 0 when typed in
    bool operator==(const TableRow&) const = default;
};

struct LineProblem {
    size_t Line = 0; // 1-based
    std::string Reason;
    bool operator==(const LineProblem&) const = default;
};

struct TableRows {
    std::vector<std::string> Header; // the header lines, kept as they are
    std::vector<TableRow> Rows;
    std::vector<LineProblem> Problems;
};

// What a CSV import yields: the rows taken, the lines refused and the line
// taken as the column titles (0: none).
struct TableImport {
    std::vector<TableRow> Rows;
    std::vector<LineProblem> Refused;
    size_t HeaderLine = 0;
};

// Keeps a row read from a table file, with the reason it is wrong (if any)
// reported under its line.
void KeepReadRow(TableRows& table, TableRow row, const std::string& reason);

// A CSV import: the first record may be the column titles (isTitles); every
// other record gives a row or the reason it is refused (rowOf); rows past
// maxRows are refused with the reason tooMany.
using CsvRowReader = std::function<std::string(const CsvRecord& record, TableRow& row)>;
TableImport ImportCsvRecords(const std::vector<CsvRecord>& records, bool (*isTitles)(const CsvRecord&),
                             const CsvRowReader& rowOf, size_t maxRows, const std::string& tooMany);

// True when every field is empty or blank.
bool IsBlankRow(const std::vector<std::string>& fields);

// The text without blanks (spaces, tabs) at either end.
std::string TrimBlanks(const std::string& text);

// Adds a reason to a list of reasons joined by "; " (an empty one adds nothing).
void AppendReason(std::string& reasons, const std::string& reason);

// A reason when text cannot be stored in a table line: a tab, a line break
// or another control character, or a character Windows-1250 has not. Empty when
// it can.
std::string StorableTextProblem(const std::string& text, const std::string& what);

} // namespace hydrim
