// The sheet "Upozornění" of a workbook: the warnings of the computation (and
// the mark of results that no longer match the inputs), then its notes, one
// a row with its kind ("Upozornění" or "Poznámka"), after the sheets of the
// results. A workbook of a computation without warnings
// has no such sheet.
#pragma once

#include "core/project/Warning.h"
#include "export/Workbook.h"

namespace hydrim {

inline const char* const WarningsSheetName = "Upozornění";

// Adds the sheet when there are warnings.
void AddWarningsSheet(WorkbookFile& file, const Warnings& warnings);

} // namespace hydrim
