// What the table editor needs to know of a reference table it edits: the
// file, the columns it shows, the row limit, and the table's own rules for
// reading, checking, writing and importing rows. Loading and saving in the
// data directory: the old file is kept as "<name>.bak" and the new one is
// written atomically, only when every row is right.
#pragma once

#include "core/reference/CsvReader.h"
#include "core/reference/TableRows.h"

#include <string>
#include <vector>

namespace hydrim {

enum class ColumnInput {
    Text,    // any text of one line
    Decimal, // digits with one decimal point
    Range,   // whole numbers and a dash
};

struct EditedColumn {
    std::string Title;
    size_t Field; // the field of the row the column shows
    ColumnInput Input;
};

struct EditableTable {
    std::string FileName;
    std::string RowWord; // "stanice" / "třída", for messages
    size_t FieldCount;
    size_t MaxRows;
    std::vector<EditedColumn> Columns;
    // The accepted CSV layouts, in Czech, for the import's preview.
    std::string CsvLayouts;
    TableRows (*Read)(const std::vector<std::string>& lines);
    std::string (*Check)(const TableRow& row);
    std::vector<std::string> (*FileLines)(const TableRows& table);
    TableImport (*Import)(const std::vector<CsvRecord>& records);
    std::vector<TableRow> (*Add)(std::vector<TableRow> existing, const std::vector<TableRow>& imported);
    void (*Order)(std::vector<TableRow>& rows); // the order the file keeps, or null
};

const EditableTable& StationTableKind();
const EditableTable& RoughnessTableKind();

struct LoadedTable {
    TableRows Table;
    hydrim::Error Error; // the file exists but could not be read
    bool ok() const { return !Error; }
};

// Reads the table file of the data directory whole (not only the lines the
// program reads), so that nothing in it is lost; a missing file gives an
// empty table with the shipped header.
LoadedTable LoadEditableTable(const std::string& dataDir, const EditableTable& kind);

// The wrong rows (Line: 1-based position in rows) and a row count above the
// limit (Line 0).
std::vector<LineProblem> CheckEditedRows(const EditableTable& kind, const std::vector<TableRow>& rows);

// Writes the table when every row is right: the old file becomes
// "<name>.bak", the new one replaces it atomically. Fails with a Czech
// message (the file is then unchanged).
Error SaveEditableTable(const std::string& dataDir, const EditableTable& kind, const TableRows& table);

} // namespace hydrim
