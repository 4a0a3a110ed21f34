// The workbook of a project whose computation finds no runoff: instead of
// the result sheets a sheet "Vstup" with the inputs (as the design report
// lists them) and the no-runoff message with its cause, and the warnings
// about the inputs on the sheet "Upozornění" when there are any.
#pragma once

#include "core/project/Error.h"
#include "core/project/Warning.h"
#include "core/results/InputSummary.h"

#include <string>
#include <vector>

namespace hydrim {

// Writes the workbook (through a temporary file renamed at the end), its
// pages headed by title (the file's name when empty). Fails with a Czech
// message naming the file.
Error WriteNoRunoffWorkbook(const std::string& path, const std::vector<InputBlock>& inputs,
                            const std::string& message, const Warnings& warnings = {},
                            const std::string& title = {});

} // namespace hydrim
