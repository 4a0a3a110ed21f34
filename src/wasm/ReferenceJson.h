// The reference data of the lookup dialogs in JSON for the browser version:
// the tables of the data directory (or a user's own), the import of a user's
// own station or roughness table from CSV and the limits of the input fields.
#pragma once

#include "wasm/EngineSession.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

namespace hydrim::wasm {

// {"stations", "roughness", "curveNumbers", "soilGroups", "soilUnits"}: each
// {"cells": [[text]] as its dialog shows them, "error": "" or the Czech
// message}; "stations" and "roughness" also carry the rows of their files as
// the table editor holds them: "rows": [[field]], "header": [line],
// "problems": [{"line", "reason"}], "user" (the user's own table) and
// "editor" (its columns and limits). "stations" has "values": per row the
// ten value columns; "curveNumbers" has "groupValues": per row the curve
// numbers of the seven soil groups (row 1: their headers); "roughness" has
// "bounds": per row [minimum, maximum] (null for the header rows) and
// "classKeys". "moisture": the antecedent moisture groups.
// "rainfallValueColumns": the station table's value column of each
// return-period item (N = 2 .. 100). userTables {"stations": [[field]],
// "roughness": [[field]]}: a user's own table read in place of the file.
nlohmann::ordered_json ReferenceTablesJson(const EngineSession& session, const nlohmann::json& userTables);

// A CSV file (bytes) imported into the station ("stations") or roughness
// ("roughness") table as the table editor imports it: {"rows": [[field]],
// "refused": [{"line", "reason"}], "headerLine", "layouts"} and, with
// existing rows given, "added": the rows after "Přidat" (the table's own
// merge). A text that is no CSV fails with a Czech message in error.
bool ImportTableJson(const std::string& kind, std::string_view bytes, const nlohmann::json& existing,
                     nlohmann::ordered_json& reply, std::string& error);

// The rows of a station or roughness table checked as the table editor
// checks them before saving: {"problems": [{"line", "reason"}], "fileLines"}.
bool CheckTableJson(const std::string& kind, const nlohmann::json& rows, nlohmann::ordered_json& reply,
                    std::string& error);

// The limits of the input fields for a variant (0..2): {"fields": [{"field",
// "quantity", "unit", "rule", "low", "high", "wholeNumbers", "range",
// "bounds", "maxLength", "exitCorrections"}], "numericFieldMaxLength",
// "identificationMaxLength", "messages": {"outOfRange", "rain100"}}.
nlohmann::ordered_json FieldLimitsJson(int variant);

} // namespace hydrim::wasm
