// The check of a project's inputs before a computation: everything the input
// window would refuse or correct (a missing choice, an empty required field,
// a text that is not a number, a value out of its range) is reported by the
// field's label, so a computation never runs on such inputs.
#pragma once

#include "core/project/ProjectData.h"

#include <string>
#include <vector>

namespace hydrim {

// The FilledInputs members the computation of this catchment type (0 one
// slope, 1 two slopes) and variant (0..2) needs.
std::vector<int> RequiredMembers(int catchmentType, int variant);

// Problems of the project's inputs, one Czech sentence each that starts with
// the field's label, e.g. "Délka údolnice [km]: není vyplněno."; empty when
// the project can be computed.
std::vector<std::string> CheckInputs(const Project& project);

// The label by which the problems above name numeric field EditK (the
// rainfall fields as the variant shows them, the slope fields with the
// slope when there are two, or when k is a right-slope field).
std::string FieldLabel(const ProjectTexts& texts, int k);

// The problem of a non-empty text in numeric field EditK, judged by the
// field's own rule (a number greater than 0; rainfall 10 to 500; CN 40 to
// 100; a duration of whole minutes, 10 to 300), or "" when there is none.
std::string FieldTextProblem(const ProjectTexts& texts, int k, const std::string& text);

} // namespace hydrim
