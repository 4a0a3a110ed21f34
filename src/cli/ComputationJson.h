// The JSON document of a computation, as `hydrim-cli compute --json` prints
// it and the batch command writes it per catchment: "variant", "twoSlopes",
// "status" ("ok" or "no-runoff"), "message" (no-runoff only) and "results",
// every derived quantity and result by name.
#pragma once

#include "core/Engine.h"

#include <nlohmann/json.hpp>

namespace hydrim::cli {

// The derived slope parameters are valid after a no-runoff stop too; the
// result set only when the outcome is ok.
nlohmann::ordered_json ComputationJson(const AppState& s, const ComputeOutcome& outcome);

} // namespace hydrim::cli
