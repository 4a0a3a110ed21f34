// Shared by the commands that write a computed project's results to a file
// (export, pdf): loading and computing the project with one error report.
#pragma once

#include "project/ProjectData.h"

#include <string>

namespace hydrim::cli {

// Loads the project with the data directory's coefficient table and runs
// its computation. A computation that finds no runoff has no results to
// write: its message is printed and ExitInvalidInput returned.
int LoadAndCompute(const std::string& projectFile, const std::string& dataDir, AppState& state);

} // namespace hydrim::cli
