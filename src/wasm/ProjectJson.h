// A project as the browser version holds it: every text of the input window,
// the rainfall texts per return period, the lookup-dialog entries and the
// chart titles, as one JSON object that goes to the engine and back whole,
// so a project read from a file is written back byte for byte.
//
//   {"description": ["line", ...],
//    "catchmentType": -1 | 0 (one slope) | 1 (two slopes),
//    "variant": -1 | 0 (I) | 1 (II) | 2 (III),
//    "returnPeriodItem": -1 | 0..5 (N = 2, 5, 10, 20, 50, 100),
//    "cnTypeItemL": -1 | 0..2, "cnTypeItemR": -1 | 0..2,
//    "edit": [27 texts, edit[k] the text of field EditK; 0, 7, 13, 20 unused],
//    "rainfall": {"texts": [6 texts, N = 2 .. 100], "returnPeriodIndex": -1..5},
//    "lookup": {"roughnessInputs": [slope][column 0..1][row 0..16],
//               "soilGroupAreas": [slope][row 0..5], "soilUnitAreas": [slope][row 0..66],
//               "soilUnitGroups": [slope][row 0..66], "landUseAreas": [slope][row 0..52],
//               "rainfallStationRow": 1, "soilGroupByFiltration": true,
//               "leftSoilGroupByFiltration": true, "rightSoilGroupByFiltration": true,
//               "dialogForLeftSlope": true},
//    "chartTitle1": "Název grafu", "chartTitle2": "Název grafu"}
//
// Slope index 1 is the left slope and 0 the right one, as the lookup dialogs
// number them. A member that is missing keeps the value of a new project.
#pragma once

#include "core/project/ProjectData.h"

#include <nlohmann/json.hpp>

#include <string>

namespace hydrim::wasm {

nlohmann::ordered_json ProjectToJson(const Project& project);

// Reads a project; a member of the wrong type or size is an error (Czech
// message in error), and project is then left as it was.
bool ProjectFromJson(const nlohmann::json& json, Project& project, std::string& error);

} // namespace hydrim::wasm
