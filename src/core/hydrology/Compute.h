// Entry points of the discharge computation. A computation reads the project
// texts of AppState::CurrentProject, converts them into AppState::Inputs,
// derives the slope parameters and fills the result set of its family.
#pragma once

#include "core/project/ProjectData.h"

#include <functional>
#include <string>

namespace hydrim {

// Progress positions 0..1000, as the progress window shows them.
using ProgressCallback = std::function<void(int position)>;

struct ComputeOutcome {
    // InvalidInput: the project names no catchment type or variant the
    // computation could run; nothing was computed.
    enum class Status { Ok, NoRunoff, InvalidInput };
    Status status = Status::Ok;
    std::string message; // the no-runoff (or invalid-input) message shown to the user (Czech)
    bool ok() const { return status == Status::Ok; }
};

// Variant I: the five return periods with the critical-duration search.
// Sets TwoSlopes when it finishes.
ComputeOutcome ComputeVariantI(AppState& state, const ProgressCallback& progress = {});

// Variants II and III (dispatches on the project's variant).
ComputeOutcome ComputeVariant23(AppState& state, const ProgressCallback& progress = {});

// Runs the project's variant and sets LastResultVariantI.
ComputeOutcome ComputeProject(AppState& state, const ProgressCallback& progress = {});

} // namespace hydrim
