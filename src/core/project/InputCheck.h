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

// One problem of the project's inputs: the field it concerns (EditK, or the
// list ComboBoxK: 1 catchment type, 2 variant, 3 return period, 4 and 5 the
// curve types) and a Czech sentence that starts with the field's label,
// e.g. "Délka údolnice [km]: není vyplněno.".
struct InputProblem {
    int Edit = 0;
    int ComboBox = 0;
    std::string Text;
};

// The problems of the project's inputs in the order of the window; empty
// when the project can be computed.
std::vector<InputProblem> FindInputProblems(const Project& project);

// The sentences of FindInputProblems.
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
