// The rules of the lookup dialogs in JSON for the browser version: the
// area-weighted values, the texts of their grid cells, the station found by
// its first letters and the areas a soil unit refuses.
#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace hydrim::wasm {

// An area-weighted value of a lookup dialog. request: {"kind":
// "curveNumber" | "roughness" | "soilUnits" (rows [{"row", "value",
// "area", "name"}]) | "soilGroupAreas" ("areas": [4 texts, A .. D])}; with
// "slopeArea" also the check that the areas add up to it. Reply: {"status":
// "ok" | "zeroArea" | "invalidNumber" | "missingGroup" | "missingCurveNumber",
// "value", "text" (as the dialog shows it), "category" (soil groups 1..7),
// "row", "insertable" (the value may go into the project: CN at least 40,
// roughness at least 1), "message" (why it failed, naming the row by its
// "name"), "areaWarning"}.
nlohmann::ordered_json LookupJson(const nlohmann::json& request);

// The text of a lookup grid cell: request {"kind": "area" (an area or a
// roughness value after each change) | "roughnessFinished" (a roughness value
// once its edit has ended, for a class minimum..maximum), "text", "minimum",
// "maximum", and for the message "surface" and "class"}. Reply {"text",
// "message"}: the message when a finished roughness value was corrected.
nlohmann::ordered_json LookupCellJson(const nlohmann::json& request);

// The station row the typed first letters find: request {"names": [station
// name per row, row 0 the header], "typed"}; reply {"row"} (-1: none).
nlohmann::ordered_json FindStationJson(const nlohmann::json& request);

// An area typed for a soil unit: request {"group", "unit"}; reply
// {"message" ("" when the area is taken), "decide" (its group offers an
// alternative to choose first), "letters" (the groups to choose from)}.
nlohmann::ordered_json SoilUnitAreaJson(const nlohmann::json& request);

} // namespace hydrim::wasm
