// How the commands report a loaded and computed project (core/Engine.h).
#pragma once

#include "core/Engine.h"

#include <ostream>
#include <string>

namespace hydrim::cli {

// Prints what keeps the computation from having results and returns the
// exit status; ExitOk without a word when it has them. A computation that
// stops for lack of runoff is an answer, not a failure: its message goes to
// stdout and the status is ExitOk (the commands that write a file write the
// inputs and that message).
int ReportComputation(const Computation& computation);

// The warnings of the computation after a text output, one line each: the
// warnings under "Upozornění:", then the notes under "Poznámka:" (or
// "Poznámky:"); nothing when there are none.
void PrintWarnings(const Warnings& warnings, std::ostream& out);

} // namespace hydrim::cli
