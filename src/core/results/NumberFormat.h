// Numbers as the result tables and the time-series listing write them: fixed
// notation with a number of decimals, limited to a number of significant
// digits, with the locale's decimal separator.
#pragma once

#include <string>

namespace hydrim {

// v rounded (halves away from zero) to at most `precision` significant digits
// and at most `decimals` decimals, written in fixed notation with `decimals`
// decimals, but never with more than `precision` significant digits
// (5 significant, 3 decimals: 123.4567 -> "123.46", 1.5 -> "1.500").
// A value needing more than `precision` digits before the decimal point is
// written in exponent form: mantissa with precision digits, "E", signed
// exponent (precision 3: 1234.5 -> "1.23E+3").
std::string FormatFixed(double v, int precision, int decimals, char decimalSeparator);

// Decimals of the three-significant-digit format: 0 from 100 up, 1 from 10,
// 2 from 1, 3 below 1 (negative values included).
int DecimalsFor(double v);

// Three significant digits with DecimalsFor(v) decimals (peaks, volumes).
std::string FormatSignificant3(double v, char decimalSeparator);

// The value cell texts: two blanks followed by the number.
std::string CellFixed(double v, int decimals, char decimalSeparator); // precision 5
std::string CellSignificant3(double v, char decimalSeparator);
// An input echoed in a table: as CellFixed, but a small value that would
// read as zero shows two significant digits (0.001 -> "  0.001", not "  0.00").
std::string CellInput(double v, int decimals, char decimalSeparator);
std::string CellInteger(long long v);

} // namespace hydrim
