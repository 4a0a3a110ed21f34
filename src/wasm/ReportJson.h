// The design report's content for the browser version's report view
// (core/report/ReportContent.h) in JSON:
// {"identification": [{"label", "value", "unit"}], "description": [line],
//  "inputs": [{"heading", "lines": [{"label", "value", "unit"}], "notes": [text]}],
//  "warnings": [{"text", "severity": "warning" | "note"}] (the warnings, then the notes),
//  "method": [item]} with the items of the method section in reading order:
//   {"kind": "heading", "text"}
//   {"kind": "paragraph", "runs"}
//   {"kind": "formula", "number", "formula": node, "note": runs}
//   {"kind": "symbol", "symbol": runs, "meaning": runs, "unit": runs ([] for a number)}
//   {"kind": "reference", "number", "runs"}
// runs as the result grids give them ([{"text", "sub" | "sup"}]); a formula
// node {"kind": "text" | "symbol" | "row" | "power" | "fraction" | "root" |
// "fenced" | "sum", "text" (text, power: the exponent), "runs" (symbol),
// "children"}.
#pragma once

#include "core/report/ReportContent.h"

#include <nlohmann/json.hpp>

namespace hydrim::wasm {

nlohmann::ordered_json ReportJson(const report::ReportContent& content);

} // namespace hydrim::wasm
