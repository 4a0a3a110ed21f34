#include "wasm/ReferenceJson.h"

#include "core/project/FieldInfo.h"
#include "core/project/FieldLimits.h"
#include "core/reference/CsvReader.h"
#include "core/reference/LookupEntry.h"
#include "core/reference/LookupRainfall.h"
#include "core/reference/LookupWeighting.h"
#include "core/reference/ReferenceFiles.h"
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

void AddEditableRows(ordered& table, const std::string& dataDir, const EditableTable& kind) {
    const LoadedTable loaded = LoadEditableTable(dataDir, kind);
    table["header"] = loaded.Table.Header;
    table["rows"] = RowsJson(loaded.Table.Rows);
    table["problems"] = ProblemsJson(loaded.Table.Problems);
    if (loaded.Error && table["error"].get<std::string>().empty()) {
        table["error"] = loaded.Error.Message;
    }
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

const char* StatusName(LookupStatus status) {
    switch (status) {
    case LookupStatus::ZeroArea:
        return "zeroArea";
    case LookupStatus::InvalidNumber:
        return "invalidNumber";
    case LookupStatus::MissingGroup:
        return "missingGroup";
    case LookupStatus::MissingCurveNumber:
        return "missingCurveNumber";
    case LookupStatus::Ok:
        break;
    }
    return "ok";
}

std::vector<AreaRow> AreaRows(const json& rows) {
    std::vector<AreaRow> out;
    for (const json& row : rows) {
        out.push_back(
            {row.value("row", 0), row.value("value", std::string()), row.value("area", std::string())});
    }
    return out;
}

} // namespace

ordered ReferenceTablesJson(const EngineSession& session) {
    const std::string& dir = session.dataDir();
    ReferenceTables reference;
    ordered stations = GridJson(ReadRainfallTable(dir, reference));
    AddEditableRows(stations, dir, StationTableKind());
    ordered roughness = GridJson(ReadRoughnessTable(dir, reference));
    AddEditableRows(roughness, dir, RoughnessTableKind());
    ordered columns = ordered::array();
    for (int item = 0; item <= 5; ++item) {
        columns.push_back(RainfallValueColumn(item));
    }
    return {{"stations", std::move(stations)},
            {"roughness", std::move(roughness)},
            {"curveNumbers", GridJson(ReadCurveNumberTable(dir, reference))},
            {"soilGroups", GridJson(ReadSoilGroupTable(dir))},
            {"soilUnits", GridJson(ReadSoilUnitTable(dir, reference))},
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

ordered LookupJson(const json& request) {
    const std::string kind = request.value("kind", std::string());
    LookupOutcome outcome;
    if (kind == "soilGroupAreas") {
        outcome = SoilGroupFromAreas(request.at("areas").get<std::array<std::string, 4>>());
    } else if (kind == "soilUnits") {
        outcome = SoilGroupFromUnits(AreaRows(request.at("rows")));
    } else if (kind == "roughness") {
        outcome = WeightedRoughness(AreaRows(request.at("rows")));
    } else {
        outcome = WeightedCurveNumber(AreaRows(request.at("rows")));
    }
    ordered reply = {{"status", StatusName(outcome.status)},
                     {"value", outcome.value},
                     {"text", outcome.ok() ? FormatLookupResult(outcome.value) : std::string()},
                     {"category", outcome.category},
                     {"row", outcome.row}};
    if (const auto slopeArea = request.find("slopeArea"); slopeArea != request.end()) {
        std::vector<std::string> areas;
        if (kind == "soilGroupAreas") {
            areas = request.at("areas").get<std::vector<std::string>>();
        } else {
            for (const AreaRow& row : AreaRows(request.at("rows"))) {
                areas.push_back(row.area);
            }
        }
        reply["areaWarning"] = AreaSumWarning(areas, slopeArea->get<std::string>());
    }
    return reply;
}

std::string LookupCellText(const json& request) {
    const std::string kind = request.value("kind", std::string());
    const std::string text = request.value("text", std::string());
    const int minimum = request.value("minimum", 0);
    const int maximum = request.value("maximum", 0);
    if (kind == "roughnessFinished") {
        return FinishRoughnessText(text, minimum, maximum);
    }
    return CorrectAreaText(text);
}

} // namespace hydrim::wasm
