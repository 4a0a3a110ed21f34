// The project input window's behaviour for the browser version, over the
// rules of core/project: what a typed or written text becomes, what a
// choice in a list does to the rainfall fields, the corrections made when a
// field is left, what the window shows and whether the project can be
// computed. The page keeps the project (wasm/ProjectJson.h) and sends every
// change here; the answer is the project as the window would hold it.
#pragma once

#include "core/project/InputRules.h"
#include "core/project/OpeningCheck.h"
#include "core/project/ProjectFile.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>
#include <vector>

namespace hydrim::wasm {

// The description field (not a numeric field) in EditText calls.
inline constexpr int DescriptionField = 0;

// What a change of a field's text left: the text the field shows and the
// caret (characters before it).
struct FieldText {
    std::string Text;
    int Caret = 0;
};

// Field EditK (1..26, or DescriptionField) takes text, typed (the numeric
// filter's length limit applies, the identification texts' limit too) or
// written by the program. The rainfall texts kept per return period follow
// the N fields; the right slope's rain follows the left one.
FieldText EditText(Project& project, int k, const std::string& text, int caret, bool typed);

// List ComboBoxK (1 catchment type, 2 variant, 3 return period, 4 and 5 the
// curve types) takes item (-1: none). The rainfall fields show the texts
// kept for the chosen variant and return period.
void ChooseItem(Project& project, int list, int item);

// One correction made when a field was left: the message box text (empty
// for a silent step), its detail, the field and the text written into it.
struct LeftFieldStep {
    Correction Step;
    std::string Message;
    std::string Detail;
};

// Leaving field EditK (0: the return-period list) runs its corrections on
// project; the warning of falling rainfall over the return periods follows
// them ("" when the order holds).
std::vector<LeftFieldStep> LeaveField(Project& project, int k, std::string& warning);

// The project as the window shows an opened one: the numbers as the field
// filter leaves them, the rainfall fields showing the kept texts, the hidden
// fields empty, the membership of the filled inputs derived.
void ShowOpenedProject(Project& project);

// The state of the window for project: the problems of the inputs, whether
// the compute command is available, the fields and lists shown, and the
// label of the N rainfall field.
nlohmann::ordered_json WindowState(const Project& project);

} // namespace hydrim::wasm
