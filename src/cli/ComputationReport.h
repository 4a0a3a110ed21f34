// How the commands report a loaded and computed project (core/Engine.h).
#pragma once

#include "core/Engine.h"

#include <ostream>
#include <string>

namespace hydrim::cli {

// A computation that stops for lack of runoff is an answer for the commands
// that print results (its message goes to stdout, exit status ExitOk) and a
// failure for the commands that write a file (nothing to write).
enum class NoRunoff { IsAnAnswer, IsAFailure };

// Prints what keeps the computation from having results and returns the
// exit status; ExitOk without a word when it has them.
int ReportComputation(const Computation& computation, const std::string& projectFile, NoRunoff noRunoff);

// The warnings of the computation after a text output, one line each: the
// warnings under "Upozornění:", then the notes under "Poznámka:" (or
// "Poznámky:"); nothing when there are none.
void PrintWarnings(const Warnings& warnings, std::ostream& out);

} // namespace hydrim::cli
