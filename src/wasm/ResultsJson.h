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
#include "core/results/CellMarkup.h"
#include "core/series/CopyText.h"

#include <nlohmann/json.hpp>

namespace hydrim::wasm {

nlohmann::ordered_json GridJson(const ResultGrid& grid);

// Text runs as the page draws them: [{"text", "sub": true | "sup": true}],
// letters of the Symbol font as Greek letters.
nlohmann::ordered_json RunsJson(const std::vector<TextRun>& runs);

// The series (core/Engine.h, HydrographSeries) of a computation's return-
// period index i (1..5, Variant I; unused for Variants II / III), of the
// design rain or of the whole 1-day rainfall, describe a hydrograph:
// {"returnPeriod" (0 for II / III), "designRain", "twoSlopes",
//  "rainDuration" [min], "rainIntensity" [mm/min], "length" (points, one per
//  minute), "peak" [m3/s], "dischargeAxisMaximum" [m3/s],
//  "intensityAxisMaximum" [mm/min], "firstViewMinutes" (the scales the chart
//  opens with, core/series/ChartScales.h), "title", "caption",
//  "periodCaption", "warnings"}
// (the warnings as json/ComputationJson.h writes them).
nlohmann::ordered_json HydrographJson(const AppState& state, const TimeSeriesSource& source, int i);

// Its ordinates [m3/s], minute by minute, as the bytes of doubles in the
// machine's order: the catchment's, then with two slopes the left and the
// right slope's, each "length" long.
std::string HydrographOrdinates(const TimeSeriesSource& source);

// Rows first .. first + count - 1 of the time-series listing (rows 0 and 1
// are the titles and units): {"rowCount", "columns": ["time" | "rain" |
// "catchment" | "left" | "right"], "units": [runs] (row 1 as drawn, with its
// raised parts), "caption", "periodCaption" (as the hydrograph's), "first",
// "rows": [[text]], "warnings"}.
nlohmann::ordered_json TimeSeriesJson(const AppState& state, const TimeSeriesSource& source, int i, int first,
                                      int count);

// The clipboard text of the listing: "all", "selection" or
// "selectionWithHeader" (the header rows and the time column with it).
std::string TimeSeriesCopyText(const AppState& state, const TimeSeriesSource& source, const std::string& kind,
                               const CellSelection& selection);

} // namespace hydrim::wasm
