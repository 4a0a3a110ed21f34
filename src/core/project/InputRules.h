// The rules of the project input window that do not depend on the windowing
// system: what a numeric field may hold, when a field counts as filled, which
// fields the catchment type and variant show, when the compute command is
// available, and the corrections made when a field is left.
//
// Fields are named by their number k of EditK (1..26); the lists are the
// catchment type (0 one slope, 1 two slopes, -1 none), the variant (0 Variant
// I, 1 II, 2 III, -1 none) and the return-period list (item 0..5 for
// N = 2, 5, 10, 20, 50, 100; -1 none).
#pragma once

#include "core/project/FieldLimits.h"
#include "core/project/ProjectData.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hydrim {

// Item index of N = 100 in the return-period list.
inline constexpr int ReturnPeriodItem100 = 5;

// ---------------------------------------------------------------- filtering

// A field text with the caret position (characters before the caret).
struct FilteredText {
    std::string Text;
    int Caret = 0;
    bool operator==(const FilteredText&) const = default;
};

// The text filter of the numeric fields, run after every change. text is
// UTF-8, caret counts characters. The character before the caret is judged
// as the one just typed: a digit stays; a comma or point becomes a point
// unless the text already has one or it would stand first; anything else is
// dropped. The rest of the text is then cleaned as a whole, so pasted text
// leaves only a number: digits and the first point (commas count as points),
// with a "0" put before a point that would otherwise stand first. Finally,
// with maxLength > 0, characters just before the caret (the ones inserted
// last) are dropped until the text fits.
FilteredText FilterNumber(const std::string& text, int caret, int maxLength = NumericFieldMaxLength);

// The value of a field text as filtered above ("12", "1.5", "3."): a plain
// decimal text (core/project/DecimalText.h) that starts with a digit, or
// nothing.
std::optional<double> FieldValue(std::string_view text);

// The key filter of the N = 10, 20, 50 rainfall fields: the character to
// insert for a typed key, or nothing when the key is refused. Backspace and
// digits pass; a comma or point becomes a point when the field has text and
// no point yet.
std::optional<char> RainKeyFilter(std::string_view fieldText, char32_t key);

// ---------------------------------------------------------------- membership

// FilledInputs members of the lists.
inline constexpr int ReturnPeriodMember = 2;
inline constexpr int CnTypeMemberL = 11;
inline constexpr int CnTypeMemberR = 19;

// The FilledInputs member of field EditK, or -1 for a field without one.
int FieldMember(int k);

// Whether field EditK counts as filled with this text: a number greater than
// 0, or, for the N = 10, 20, 50 fields, any text.
bool FieldCountsFilled(int k, std::string_view text);

// Whether the compute command is available for this catchment type and
// variant with these filled inputs.
bool ComputeEnabled(int catchmentType, int variant, const FilledInputs& filled);

// ---------------------------------------------------------------- visibility

// Whether field EditK is shown for this catchment type and variant (nothing
// of the catchment is shown until both are chosen).
bool EditShown(int catchmentType, int variant, int k);

// Whether the return-period list is shown (Variant II only).
bool ReturnPeriodShown(int catchmentType, int variant);

// Whether the rainfall-table button is shown (Variants I and II).
bool RainfallButtonShown(int catchmentType, int variant);

// ---------------------------------------------------------------- description

// The project description as one editor text: the lines joined by "\n"; a
// last line that is empty gets its line end, so that it survives the way
// back through DescriptionLines.
std::string DescriptionText(const std::vector<std::string>& lines);

// The lines of an editor text: split at "\n" (a "\r" before it is dropped);
// the line end of the last line does not start another line.
std::vector<std::string> DescriptionLines(std::string_view text);

// ---------------------------------------------------------------- corrections

// The field texts the corrections look at.
struct InputFieldTexts {
    std::array<std::string, 27> Edit; // Edit[k] = text of EditK
    int Variant = -1;
    int ReturnPeriodItem = ReturnPeriodItem100;
};

enum class CorrectionMessage { None, OutOfRange, Rain100 };

// One step of a correction: show the message (if any), then write the text
// into field EditK (which runs the field's change handling).
struct Correction {
    CorrectionMessage Message = CorrectionMessage::None;
    int Field = 0;
    std::string Text;
    bool operator==(const Correction&) const = default;
};

// The text of a correction message (empty for None).
const std::string& CorrectionMessageText(CorrectionMessage message);

// The steps run when field EditK is left: range corrections of the curve
// numbers, durations and rainfall, the N = 100 rules, and the synchronisation
// of the duration and intensity pairs. Each step sees the texts as the steps
// before it left them. A step that only fills an empty field has no message.
std::vector<Correction> ExitCorrections(int k, const InputFieldTexts& fields);

// The steps run when the return-period list is left: with N = 100 chosen,
// the N = 100 field takes a different text of the N field.
std::vector<Correction> ReturnPeriodExitCorrections(const InputFieldTexts& fields);

} // namespace hydrim
