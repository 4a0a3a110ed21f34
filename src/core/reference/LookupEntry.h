// Typing rules of the lookup dialogs' grids: which keys a cell accepts, how a
// cell text is corrected after each change, and how a weighted result is
// written. Texts are UTF-8; numbers use the decimal point ".".
#pragma once

#include "core/project/DecimalText.h"

#include <optional>
#include <string>

namespace hydrim {

// Key codes the grids let through besides digits and the decimal point.
inline constexpr char32_t KeyBackspace = 8;
inline constexpr char32_t KeyEnter = 13;
inline constexpr char32_t KeyEscape = 27;

// The key filter of every lookup grid: digits, ".", backspace, Enter and Esc
// pass unchanged, "," becomes "."; every other key is discarded (nullopt).
std::optional<char32_t> FilterLookupKey(char32_t key);

// Area cells: a non-empty text that is not a decimal number loses its last
// character ("2.5." -> "2.5", "." -> "").
std::string CorrectAreaText(const std::string& text);

// Roughness value cells, after each change, for a class admitting the whole
// numbers minText..maxText: a text that is no number becomes the minimum; a
// value below the minimum becomes the minimum, except the single digit "1"
// when the maximum has two digits (so "12" can be typed from its first
// digit); a value above the maximum becomes the maximum. Empty stays empty.
std::string CorrectRoughnessText(const std::string& text, int minimum, int maximum);

// Roughness value cells when editing ends: the same as above but without the
// "1" exception, so no value below the class minimum is left in the grid.
std::string FinishRoughnessText(const std::string& text, int minimum, int maximum);

// A weighted result as the dialogs show and insert it: fixed notation, two
// decimals, padded on the left with blanks to five characters (8.5 -> " 8.50").
std::string FormatLookupResult(double value);

} // namespace hydrim
