// The one reader of decimal numbers in text, and the spellings the program
// reads with it.
//
// A decimal number is, in this order: an optional sign ('-' or '+', where
// the spelling allows one), digits with at most one decimal separator and at
// least one digit ("12", "2.5", "3.", ".5"), and an optional exponent ("e" or
// "E", an optional sign and at least one digit, where the spelling allows
// one). Its value is the double nearest to the decimal number, as
// std::from_chars reads it, whatever the locale of the process; a value
// beyond the range of double is not a value. Names such as "inf" or "nan"
// are not numbers.
//
// The spellings:
// - a plain decimal text (ParseDecimalText): what the input fields and lookup
//   grids hold; "." as separator, no sign, blank or exponent, and nothing
//   else in the text (the key filters turn a typed "," into ".");
// - a stored field text as the computation reads it (TextToReal,
//   core/hydrology/TextNumbers.h): blanks and tabs before the number are
//   skipped, a sign and an exponent are allowed, and whatever follows the
//   number is ignored; a text without a number reads as 0;
// - a number shown in a result grid (ParseDisplayedNumber,
//   export/WorkbookCells.h): the grid's decimal separator, spaces around the
//   number, a sign and an exponent, and nothing else in the text.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace hydrim {

// How a text spells its number.
struct DecimalSpelling {
    char Separator = '.';
    bool Sign = false;          // a leading '-' or '+'
    bool Exponent = false;      // "e" / "E", an optional sign and digits
    bool LeadingBlanks = false; // spaces and tabs before the number
    bool Rest = false;          // anything after the number, ignored
};

// The value of the number text spells, or nullopt when text is not one.
std::optional<double> ReadDecimal(std::string_view text, const DecimalSpelling& spelling);

// True when text is spelled as a plain decimal text, whatever its value.
bool IsDecimalText(std::string_view text);

// The value of a plain decimal text, or nullopt when it is none.
std::optional<double> ParseDecimalText(std::string_view text);

} // namespace hydrim
