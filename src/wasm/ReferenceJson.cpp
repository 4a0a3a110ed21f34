#include "wasm/ReferenceJson.h"

#include "core/project/FieldInfo.h"
#include "core/project/FieldLimits.h"
#include "core/reference/CsvReader.h"
#include "core/reference/LookupRainfall.h"
#include "core/reference/MoistureGroups.h"
#include "core/reference/ReferenceFiles.h"
#include "core/reference/RoughnessClasses.h"
#include "core/reference/TableEditing.h"

#include <algorithm>

namespace hydrim::wasm {
namespace {

using json = nlohmann::json;
using ordered = nlohmann::ordered_json;

ordered GridJson(const TableReadResult& read) {
    return {{"cells", read.Grid.Cells}, {"error", read.Error.Message}};
}

ordered ProblemsJson(const std::vector<LineProblem>& problems) {
    ordered out = ordered::array();
    for (const LineProblem& problem : problems) {
        out.push_back({{"line", problem.Line}, {"reason", problem.Reason}});
    }
    return out;
}

ordered RowsJson(const std::vector<TableRow>& rows) {
    ordered out = ordered::array();
    for (const TableRow& row : rows) {
        out.push_back(row.Fields);
    }
    return out;
}

std::vector<TableRow> RowsFrom(const json& rows) {
    std::vector<TableRow> out;
    for (const json& row : rows) {
        out.push_back({row.get<std::vector<std::string>>(), 0});
    }
    return out;
}

const char* InputName(ColumnInput input) {
    switch (input) {
    case ColumnInput::Decimal:
        return "decimal";
    case ColumnInput::Range:
        return "range";
    case ColumnInput::Text:
        break;
    }
    return "text";
}

ordered EditorJson(const EditableTable& kind) {
    ordered columns = ordered::array();
    for (const EditedColumn& column : kind.Columns) {
        columns.push_back(
            {{"title", column.Title}, {"field", column.Field}, {"input", InputName(column.Input)}});
    }
    return {{"fileName", kind.FileName},
            {"fieldCount", kind.FieldCount},
            {"maxRows", kind.MaxRows},
            {"columns", std::move(columns)},
            {"layouts", kind.CsvLayouts}};
}

// A table of the station or roughness kind: the data directory's file, or
// the user's own rows (given as the table editor holds them) read as the
// dialog reads the file they would make.
ordered EditableTableJson(const std::string& dataDir, const EditableTable& kind, const json* userRows,
                          TableReadResult (*fromFile)(const std::string&, ReferenceTables&),
                          TableReadResult (*fromLines)(std::vector<std::string>, ReferenceTables&),
                          ReferenceTables& reference, TableGrid& grid) {
    const LoadedTable loaded = LoadEditableTable(dataDir, kind);
    if (userRows == nullptr) {
        const TableReadResult read = fromFile(dataDir, reference);
        grid = read.Grid;
        ordered table = GridJson(read);
        table["header"] = loaded.Table.Header;
        table["rows"] = RowsJson(loaded.Table.Rows);
        table["problems"] = ProblemsJson(loaded.Table.Problems);
        if (loaded.Error && table["error"].get<std::string>().empty()) {
            table["error"] = loaded.Error.Message;
        }
        table["user"] = false;
        table["editor"] = EditorJson(kind);
        return table;
    }
    TableRows user;
    user.Header = loaded.Table.Header;
    user.Rows = RowsFrom(*userRows);
    for (TableRow& row : user.Rows) {
        row.Fields.resize(kind.FieldCount);
    }
    const TableReadResult read = fromLines(kind.FileLines(user), reference);
    grid = read.Grid;
    ordered table = GridJson(read);
    table["header"] = user.Header;
    table["rows"] = RowsJson(user.Rows);
    table["problems"] = ProblemsJson(CheckEditedRows(kind, user.Rows));
    table["user"] = true;
    table["editor"] = EditorJson(kind);
    return table;
}

template <size_t Columns, size_t Rows>
ordered ColumnsByRow(const std::array<std::array<std::string, Rows>, Columns>& table) {
    ordered out = ordered::array();
    for (size_t row = 0; row < Rows; ++row) {
        ordered values = ordered::array();
        for (size_t column = 1; column < Columns; ++column) {
            values.push_back(table[column][row]);
        }
        out.push_back(std::move(values));
    }
    return out;
}

ordered MoistureJson() {
    const MoistureGroupTable& groups = MoistureGroups();
    return {{"title", groups.Title},
            {"groupHeading", groups.GroupHeading},
            {"rainHeading", groups.RainHeading},
            {"seasonsTitle", groups.SeasonsTitle},
            {"items", groups.Items},
            {"rainLines", groups.RainLines}};
}

const EditableTable* KindNamed(const std::string& kind) {
    if (kind == "stations") {
        return &StationTableKind();
    }
    if (kind == "roughness") {
        return &RoughnessTableKind();
    }
    return nullptr;
}

const char* RuleName(FieldRule rule) {
    switch (rule) {
    case FieldRule::Rainfall:
        return "rainfall";
    case FieldRule::CurveNumber:
        return "curveNumber";
    case FieldRule::Duration:
        return "duration";
    case FieldRule::Positive:
        break;
    }
    return "positive";
}

} // namespace

ordered ReferenceTablesJson(const EngineSession& session, const json& userTables) {
    const std::string& dir = session.dataDir();
    const auto user = [&userTables](const char* kind) -> const json* {
        const auto found = userTables.is_object() ? userTables.find(kind) : userTables.end();
        return found != userTables.end() && found->is_array() ? &*found : nullptr;
    };
    ReferenceTables reference;
    TableGrid grid;
    ordered stations = EditableTableJson(dir, StationTableKind(), user("stations"), ReadRainfallTable,
                                         RainfallTableFromLines, reference, grid);
    stations["values"] = ColumnsByRow(reference.RainfallTable);
    ordered roughness = EditableTableJson(dir, RoughnessTableKind(), user("roughness"), ReadRoughnessTable,
                                          RoughnessTableFromLines, reference, grid);
    ordered bounds = ordered::array();
    for (size_t row = 0; row < reference.RoughnessMin.size(); ++row) {
        bounds.push_back(
            row < 2 ? ordered() : ordered::array({reference.RoughnessMin[row], reference.RoughnessMax[row]}));
    }
    roughness["bounds"] = std::move(bounds);
    roughness["classKeys"] = RoughnessClassKeysOf(grid);
    ordered curveNumbers = GridJson(ReadCurveNumberTable(dir, reference));
    curveNumbers["groupValues"] = ColumnsByRow(reference.CurveNumberTable);
    ordered columns = ordered::array();
    for (int item = 0; item <= 5; ++item) {
        columns.push_back(RainfallValueColumn(item));
    }
    return {{"stations", std::move(stations)},
            {"roughness", std::move(roughness)},
            {"curveNumbers", std::move(curveNumbers)},
            {"soilGroups", GridJson(ReadSoilGroupTable(dir))},
            {"soilUnits", GridJson(ReadSoilUnitTable(dir, reference))},
            {"moisture", MoistureJson()},
            {"rainfallValueColumns", std::move(columns)}};
}

bool ImportTableJson(const std::string& kind, std::string_view bytes, const json& existing, ordered& reply,
                     std::string& error) {
    const EditableTable* table = KindNamed(kind);
    if (table == nullptr) {
        error = "Neznámá tabulka \"" + kind + "\".";
        return false;
    }
    const CsvText csv = ParseCsv(bytes);
    if (!csv.ok()) {
        error = csv.Error.Message;
        return false;
    }
    const TableImport imported = table->Import(csv.Records);
    reply = {{"rows", RowsJson(imported.Rows)},
             {"refused", ProblemsJson(imported.Refused)},
             {"headerLine", imported.HeaderLine},
             {"layouts", table->CsvLayouts}};
    if (existing.is_array()) {
        reply["added"] = RowsJson(table->Add(RowsFrom(existing), imported.Rows));
    }
    return true;
}

bool CheckTableJson(const std::string& kind, const json& rows, ordered& reply, std::string& error) {
    const EditableTable* table = KindNamed(kind);
    if (table == nullptr || !rows.is_array()) {
        error = "Neznámá tabulka \"" + kind + "\".";
        return false;
    }
    TableRows edited;
    edited.Rows = RowsFrom(rows);
    if (table->Order != nullptr) {
        table->Order(edited.Rows);
    }
    reply = {{"problems", ProblemsJson(CheckEditedRows(*table, edited.Rows))},
             {"rows", RowsJson(edited.Rows)},
             {"fileLines", table->FileLines(edited)}};
    return true;
}

ordered FieldLimitsJson(int variant) {
    ordered fields = ordered::array();
    const std::vector<int> withExitCorrections = {EditRainN,      EditRain100, EditCnL,       EditDurationL,
                                                  EditIntensityL, EditCnR,     EditDurationR, EditIntensityR,
                                                  EditRain10,     EditRain20,  EditRain50};
    for (const int k : NumericFieldNumbers()) {
        const FieldInfo info = DescribeField(k, variant);
        const FieldLimits& limits = LimitsOfField(k);
        fields.push_back(
            {{"field", k},
             {"quantity", info.Quantity},
             {"unit", info.Unit},
             {"rule", RuleName(limits.Rule)},
             {"low", limits.Low},
             {"high", limits.High},
             {"wholeNumbers", limits.WholeNumbers},
             {"range", info.Range},
             {"bounds", BoundsText(limits)},
             {"maxLength", NumericFieldMaxLength},
             {"exitCorrections", std::find(withExitCorrections.begin(), withExitCorrections.end(), k) !=
                                     withExitCorrections.end()}});
    }
    return {{"fields", std::move(fields)},
            {"numericFieldMaxLength", NumericFieldMaxLength},
            {"identificationMaxLength", IdentificationMaxLength},
            {"messages", {{"outOfRange", OutOfRangeMessage}, {"rain100", Rain100Message}}}};
}

} // namespace hydrim::wasm
