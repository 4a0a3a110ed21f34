// The JSON document of a computation, as "hydrim-cli compute --json" prints
// it and the browser version returns it: the variant, the catchment type, the
// status (and the no-runoff message), every derived quantity and result, and
// the warnings.
#pragma once

#include "core/Engine.h"

#include <nlohmann/json.hpp>

namespace hydrim {

// The document of a finished computation. The derived slope parameters are
// valid after a no-runoff stop too; the result set only when it is ok. The
// "warnings" array holds {"code", "message", "slope": "L" | "R" | "C" | null,
// "returnPeriod": N | null, "severity": "warning" | "note"}, empty when there
// are none.
nlohmann::ordered_json ComputationDocument(const AppState& state, const ComputeOutcome& outcome);

// The warnings alone, as the document's "warnings" array.
nlohmann::ordered_json WarningsJson(const Warnings& warnings);

} // namespace hydrim
