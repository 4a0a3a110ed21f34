// The warnings printed with one result table: those that concern what the
// table shows, so that a printed page stands on its own.
#pragma once

#include "core/project/Warning.h"
#include "core/results/ResultTable.h"

namespace hydrim {

// The Variant I inputs sheet: the warnings of no single return period; the
// output sheet of N: the warnings of N and those of no single return period;
// the summaries of every N and the Variant II / III table: all of them.
Warnings WarningsOfGrid(const Warnings& all, const ResultGrid& grid);

} // namespace hydrim
