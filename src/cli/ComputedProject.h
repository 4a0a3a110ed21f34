// Loading and computing a project for the commands that print its results
// (table, timeseries).
#pragma once

#include "project/ProjectData.h"

#include <memory>
#include <string>

namespace hydrim::cli {

struct ComputedProject {
    std::unique_ptr<AppState> state;
    int status = 0;          // exit status when the project cannot be shown
    bool hasResults = false; // false after a no-runoff stop (its message is printed)
};

// Loads the project with the tables of dataDir and computes its variant.
// A no-runoff stop prints its message on stdout and yields no results with
// status ExitOk; unreadable input prints one error line (ExitInvalidInput).
ComputedProject LoadAndCompute(const std::string& projectFile, const std::string& dataDir);

// Variant II / III projects: the variant number (2 or 3) and the slopes.
int Variant23Number(const AppState& state);
bool Variant23TwoSlopes(const AppState& state);

} // namespace hydrim::cli
