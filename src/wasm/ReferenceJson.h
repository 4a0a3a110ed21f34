// The reference data of the lookup dialogs and the rules around them, in
// JSON for the browser version: the tables of the data directory, the
// import of a user's own station or roughness table from CSV, the limits of
// the input fields and the area-weighted values of the dialogs.
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
// "problems": [{"line", "reason"}]. "rainfallValueColumns": the station
// table's value column of each return-period item (N = 2 .. 100).
nlohmann::ordered_json ReferenceTablesJson(const EngineSession& session);

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

// An area-weighted value of a lookup dialog. request: {"kind":
// "curveNumber" | "roughness" | "soilUnits" (rows [{"row", "value",
// "area"}]) | "soilGroupAreas" ("areas": [4 texts, A .. D])}; with
// "slopeArea" also the check that the areas add up to it. Reply: {"status":
// "ok" | "zeroArea" | "invalidNumber" | "missingGroup" | "missingCurveNumber",
// "value", "text" (as the dialog shows it), "category" (soil groups 1..7),
// "row", "areaWarning"}.
nlohmann::ordered_json LookupJson(const nlohmann::json& request);

// The text of a lookup grid cell: request {"kind": "area" (an area or a
// roughness value after each change) | "roughnessFinished" (a roughness value
// once its edit has ended, for a class minimum..maximum), "text", "minimum",
// "maximum"}.
std::string LookupCellText(const nlohmann::json& request);

} // namespace hydrim::wasm
