// The catchment table: one catchment per row of a CSV file a user fills in a
// spreadsheet, under a header row of the column names below (a unit in
// brackets after a name, "plocha_L [km2]", is allowed and ignored; names are
// compared without regard to case). A row becomes the project a project
// file would hold with the same field texts, so a row is checked and
// computed exactly as that file.
//
// Columns: id, nazev (name: the first description line), typ (1 or "jeden
// svah", 2 or "dva svahy"), varianta (I, II, III or 1, 2, 3), N (the return
// period of Variant II: 2, 5, 10, 20, 50, 100), H2 ... H100 (the 1-day
// maximum rainfall by return period [mm]: Variant I uses H5 to H100, Variant
// II the column of its N and H100), delka_udolnice [km], sklon_udolnice [%],
// per slope (suffix _L left or only, _P right) plocha [km2], sklon [%],
// drsnost [s], CN, typ_CN (1, 2, 3), doba (rain duration [min], Variants II
// and III) and intenzita (rain intensity [mm/min], Variant III); a right
// slope's empty duration or intensity is the left one's. popis holds further
// description lines. Numbers take a decimal comma or point.
#pragma once

#include "core/project/Error.h"
#include "core/project/ProjectData.h"
#include "core/reference/CsvReader.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace hydrim {

enum class TableColumn : int {
    Id,
    Name,
    Type,
    Variant,
    ReturnPeriod,
    Rain2,
    Rain5,
    Rain10,
    Rain20,
    Rain50,
    Rain100,
    ValleyLength,
    ValleySlope,
    AreaL,
    SlopeL,
    RoughnessL,
    CnL,
    CnTypeL,
    DurationL,
    IntensityL,
    AreaR,
    SlopeR,
    RoughnessR,
    CnR,
    CnTypeR,
    DurationR,
    IntensityR,
    Description,
    Count
};

inline constexpr size_t TableColumnCount = static_cast<size_t>(TableColumn::Count);

// The column's name as the header row writes it, without its unit ("plocha_L").
const std::string& TableColumnName(TableColumn column);
// The name with its unit, as the template and the converted tables write it ("plocha_L [km2]").
std::string TableColumnHeader(TableColumn column);

// Where each column stands in a table's records.
struct TableHeader {
    std::array<std::optional<size_t>, TableColumnCount> Index{};
};

// Reads the header record; an unknown or repeated column name is an error
// naming it (a misspelt column would otherwise be read as empty).
Error ParseTableHeader(const CsvRecord& record, TableHeader& header);

// One catchment of a table.
struct CatchmentRow {
    std::string Id;            // the id column, else "řádek N"
    std::string Name;          // the nazev column
    Project Data;              // the project the row describes (valid when Error is empty)
    Error Problem;             // a field that cannot be read, naming its column
    std::string ProblemColumn; // that field's column and text
    std::string ProblemText;
};

// Reads one data record into the project a file with the same texts would
// give; the project's inputs are not checked yet (CheckInputs does that).
CatchmentRow ParseTableRow(const TableHeader& header, const CsvRecord& record);

// The column that fills input field EditK, or the choice ComboBoxK (as
// InputProblem names them), of a project read from a table; nothing for a
// field no column fills.
std::optional<TableColumn> ColumnOfInput(const ProjectTexts& texts, int edit, int comboBox);

// The fields of a table row describing project (the inverse of
// ParseTableRow for everything a table holds), in column order.
std::vector<std::string> ProjectTableFields(const Project& project, const std::string& id);

// One CSV line of fields (no line end): separator ';' or ',', a field quoted
// when it holds the separator, a quote, a line break or leading or trailing
// blanks.
std::string CsvLine(const std::vector<std::string>& fields, char separator);

// One row of a table ended by CR LF; with separator ';' the numbers take
// decimal commas, as a Czech spreadsheet writes them.
std::string TableRowLine(std::vector<std::string> fields, char separator);

// The header line and one example row per variant, one and two slopes, as a
// Czech spreadsheet writes it (';' and decimal commas), each line ended by CR LF.
std::string TableTemplate();

// The header line of a table with the units, ended by CR LF.
std::string TableHeaderLine(char separator);

} // namespace hydrim
