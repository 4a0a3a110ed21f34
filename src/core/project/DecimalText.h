// The decimal texts the program reads from its input fields and lookup
// grids, and the one parser of them.
//
// A plain decimal text is digits with at most one "." and at least one
// digit: "12", "2.5", "3.", ".5". It has no sign, blank, exponent or ","
// (the key filters turn a typed "," into "."), whatever the locale. Its
// value is the double nearest to the decimal number, as std::from_chars
// reads it; a value beyond the range of double is not a value.
//
// Two readings keep rules of their own on purpose: the computation reads the
// leading number of a stored field text (TextToReal, core/hydrology/TextNumbers.h),
// and the workbook writer reads a result grid's shown numbers with their
// decimal separator and exponent (ParseDisplayedNumber, export/WorkbookCells.h).
#pragma once

#include <optional>
#include <string_view>

namespace hydrim {

bool IsDecimalText(std::string_view text);

// The value of a plain decimal text, or nullopt when it is none.
std::optional<double> ParseDecimalText(std::string_view text);

} // namespace hydrim
