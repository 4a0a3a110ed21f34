// Typing rules of the lookup dialogs' grids: which keys a cell accepts, how a
// cell text is corrected after each change and when its edit ends, and how a
// weighted result is written. Texts are UTF-8; numbers use the decimal point ".".
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

// Area and roughness value cells, after each change: a non-empty text that
// is not a decimal number loses its last character ("2.5." -> "2.5",
// "." -> ""), so a refused key leaves what was typed before it.
std::string CorrectAreaText(const std::string& text);

// A roughness value once its cell's edit has ended, for a class admitting
// the whole numbers minimum..maximum: a value below the minimum becomes the
// minimum, one above the maximum the maximum, a text that is no number the
// minimum; empty stays empty. While the value is typed it is never changed
// ("2" on the way to "25" in a class 20-35 stays "2").
std::string FinishRoughnessText(const std::string& text, int minimum, int maximum);

// A weighted result as the dialogs show and insert it: fixed notation, two
// decimals, padded on the left with blanks to five characters (8.5 -> " 8.50").
std::string FormatLookupResult(double value);

} // namespace hydrim
