// The warnings of a computation as the outputs show them: all of them below a
// result table, in a workbook and on printed pages, and those of one return
// period beside the hydrograph of that period; warnings apart from notes.
#pragma once

#include "core/project/Warning.h"

#include <string>

namespace hydrim {

// The mark of results that were computed from other inputs than those now
// in the input window.
inline const std::string OutOfDateMessage = "Výsledky neodpovídají zadání – přepočítejte";
inline const std::string OutOfDateCode = "results-out-of-date";

// The warnings that concern return period N [years]: those of N and those
// of no single return period. N = 0 (a Variant II / III hydrograph): all.
Warnings WarningsOfReturnPeriod(const Warnings& all, int returnPeriod);

// The warnings of one severity, in their order: outputs show the warnings
// first and the notes after them, each under its own label.
Warnings OfSeverity(const Warnings& all, WarningSeverity severity);

// The warnings an output of results shows: the out-of-date mark first when
// outOfDate, then the warnings of the computation.
Warnings OutputWarnings(const Warnings& computed, bool outOfDate);

} // namespace hydrim
