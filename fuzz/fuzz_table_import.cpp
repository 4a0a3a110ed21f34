// Fuzzes the reading of the tables the user edits: the input is both a CSV
// file to import and a hand-edited table file. Every row taken from the CSV
// is a right row; written into the table file and read back it is the same
// row; a hand-edited file keeps every line that holds anything, and writing
// its rows back loses none of their fields.
#include "FuzzSupport.h"

#include "core/reference/CsvReader.h"
#include "core/reference/RoughnessTable.h"
#include "core/reference/StationTable.h"
#include "core/reference/TableEditing.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using namespace hydrim;

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i)
        if (i == text.size() || text[i] == '\n') {
            std::string line = text.substr(start, i - start);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(std::move(line));
            start = i + 1;
        }
    return lines;
}

std::vector<std::vector<std::string>> FieldsOf(std::vector<TableRow> rows, const EditableTable& kind) {
    if (kind.Order)
        kind.Order(rows);
    std::vector<std::vector<std::string>> fields;
    for (const TableRow& row : rows)
        fields.push_back(row.Fields);
    return fields;
}

// Rows written as the table file and read back are the same rows.
void RequireRoundTrip(const TableRows& table, const EditableTable& kind, const char* what) {
    const TableRows back = kind.Read(kind.FileLines(table));
    fuzz::Require(FieldsOf(back.Rows, kind) == FieldsOf(table.Rows, kind), what);
}

void ImportInto(const CsvText& csv, const EditableTable& kind) {
    const TableImport imported = kind.Import(csv.Records);
    fuzz::Require(imported.Rows.size() <= kind.MaxRows, "an import keeps within the row limit");
    fuzz::Require(imported.Rows.size() + imported.Refused.size() + (imported.HeaderLine ? 1 : 0) ==
                      csv.Records.size(),
                  "every CSV record is taken, refused or the titles");
    for (const TableRow& row : imported.Rows)
        fuzz::Require(kind.Check(row).empty(), "an imported row is a right row");
    TableRows table = kind.Read({});
    table.Rows = imported.Rows;
    RequireRoundTrip(table, kind, "imported rows survive the table file");
    fuzz::Require(kind.Read(kind.FileLines(table)).Problems.empty(), "a saved table reads without problems");
}

void ReadHandEdited(const std::vector<std::string>& lines, const EditableTable& kind) {
    const TableRows table = kind.Read(lines);
    for (const TableRow& row : table.Rows)
        fuzz::Require(row.Fields.size() == kind.FieldCount, "a row has the table's fields");
    const bool sorted =
        std::is_sorted(table.Problems.begin(), table.Problems.end(),
                       [](const LineProblem& a, const LineProblem& b) { return a.Line < b.Line; });
    fuzz::Require(sorted, "problems come in the order of the lines");
    RequireRoundTrip(table, kind, "a hand-edited row loses nothing when written back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const CsvText csv = ParseCsv(bytes);
    for (const EditableTable* kind : {&StationTableKind(), &RoughnessTableKind()}) {
        ImportInto(csv, *kind);
        ReadHandEdited(SplitLines(bytes), *kind);
    }
    return 0;
}
