// The JSON document of a computation, as `hydrim-cli compute --json` prints
// it and the batch command writes it per catchment: "variant", "twoSlopes",
// "status" ("ok" or "no-runoff"), "message" (no-runoff only) and "results",
// every derived quantity and result by name.
#pragma once

#include "core/Engine.h"

#include <nlohmann/json.hpp>

namespace hydrim::cli {

// The document of a finished computation. The derived slope parameters are
// valid after a no-runoff stop too; the result set only when it is ok.
nlohmann::ordered_json ComputationDocument(const AppState& state, const ComputeOutcome& outcome);

// The warnings of a computation as a JSON array of {"code", "message",
// "slope": "L" | "R" | "C" | null, "returnPeriod": N | null}, empty when
// there are none.
nlohmann::ordered_json WarningsJson(const Warnings& warnings);

} // namespace hydrim::cli
