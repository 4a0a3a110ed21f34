// The check of a project as it is opened in the input window: the same
// checks as before a computation, applied to what the file says, so that the
// window never shows or computes a value its fields would not accept. A
// value out of its range is corrected to the bound the window corrects it to
// when the field is left (CN 120 -> 100, a rainfall of 9999999 mm -> 500);
// a value that is no number greater than 0 ("-5", "1e400", "nan", or a
// duration of part minutes) is refused and its field left empty; the N = 100
// rainfall is raised and the two slopes' durations and intensities made
// equal as the window does. Every change is reported: nothing is rewritten
// silently.
#pragma once

#include "core/project/ProjectData.h"

#include <string>
#include <vector>

namespace hydrim {

// One value the check refused or corrected.
struct ValueCorrection {
    std::string Label; // the field's label, as the input check names it
    std::string Read;  // the text the file held
    std::string Used;  // the text the window shows now; empty when refused
    bool operator==(const ValueCorrection&) const = default;
};

// Corrects the project's numeric texts (and rainfall texts) in place and
// returns what it changed, in the order of the window's fields.
std::vector<ValueCorrection> CorrectOpenedProject(Project& project);

// The notice listing the corrections, one line each ("" when there are none).
std::string CorrectionsNotice(const std::vector<ValueCorrection>& corrections);

} // namespace hydrim
