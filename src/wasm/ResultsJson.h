// The results of a computation as the browser version's page shows them:
// the result tables (cell texts, their sub- and superscript runs, row
// styles), the hydrographs and the minute-by-minute time series, in JSON.
//
// A grid: {"number", "kind": "variantISheet" | "variantISummary" |
//   "variantICatchment" | "variant23", "title", "sheetName", "firstShownRow",
//   "cells": [[text]] (as the clipboard and CSV see them),
//   "runs": [[ [{"text", "sub": true | "sup": true}] ]] (the drawing: lowered
//   runs "sub", raised runs "sup", Symbol-font letters as Greek letters),
//   "rows": [{"bold", "background": "plain" | "heading" | "peak",
//   "headingAcross", "lines"}], "visibleColumns": [bool], "valueColumns",
//   "symbolColumn", "descriptionColumn", "unitColumn", "widthTexts",
//   "spans": [{"firstRow", "rowCount", "column", "text"}],
//   "stacked": [{"row", "column", "lines"}], "sectionRows", "copyText"}
#pragma once

#include "core/Engine.h"
#include "core/series/CopyText.h"

#include <nlohmann/json.hpp>

namespace hydrim::wasm {

nlohmann::ordered_json GridJson(const ResultGrid& grid);

// The warnings as the document of a computation writes them.
// The hydrograph of return-period index i (1..5, Variant I; unused for
// Variants II / III) of the design rain or of the whole 1-day rainfall:
// {"returnPeriod" (0 for II / III), "designRain", "twoSlopes",
//  "rainDuration", "rainIntensity", "length", "catchment": [m3/s per minute],
//  "left", "right" (two slopes only), "title", "caption", "warnings"} (the warnings as json/ComputationJson.h
//  writes them).
nlohmann::ordered_json HydrographJson(AppState& state, int i, bool designRain);

// Rows first .. first + count - 1 of the time-series listing (rows 0 and 1
// are the titles and units): {"rowCount", "columns": ["time" | "rain" |
// "catchment" | "left" | "right"], "first", "rows": [[text]], "warnings"}.
nlohmann::ordered_json TimeSeriesJson(AppState& state, int i, bool designRain, int first, int count);

// The clipboard text of the listing: "all", "selection" or
// "selectionWithHeader" (the header rows and the time column with it).
std::string TimeSeriesCopyText(AppState& state, int i, bool designRain, const std::string& kind,
                               const CellSelection& selection);

} // namespace hydrim::wasm
