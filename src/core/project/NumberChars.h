// Conversions between doubles and their decimal texts, independent of the C
// locale: the floating-point std::to_chars / std::from_chars where the
// standard library has them, and an exact path over snprintf and strtod where
// it does not (the WebAssembly build's library). Both paths give the same
// texts and values: printf's conversions are exact, and the shortest form is
// found by reading each candidate back.
#pragma once

#include <charconv>
#include <version>

namespace hydrim {

namespace portable {

// The shortest text that reads back as value, in fixed or scientific
// notation, whichever is shorter (fixed on a tie), as std::to_chars(value).
std::to_chars_result ToChars(char* first, char* last, double value);

// The shortest text in the format that reads back as value, as
// std::to_chars(value, format) writes it; fixed and scientific only (the
// engine needs no other), general and hex are refused (invalid_argument).
std::to_chars_result ToChars(char* first, char* last, double value, std::chars_format format);

// value in the format with the given precision, as printf's %.*f, %.*e,
// %.*g and %.*a (without "0x") write it.
std::to_chars_result ToChars(char* first, char* last, double value, std::chars_format format, int precision);

// Reads the longest prefix that is a number in general notation: an
// optional "-", digits with an optional point and fraction, an optional
// exponent, or "inf", "infinity", "nan", "nan(...)"; no blanks, no "+", no
// hexadecimal. A value out of the range of double is result_out_of_range and
// leaves value unchanged.
std::from_chars_result FromChars(const char* first, const char* last, double& value);

} // namespace portable

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L

inline std::to_chars_result DoubleToChars(char* first, char* last, double value) {
    return std::to_chars(first, last, value);
}
inline std::to_chars_result DoubleToChars(char* first, char* last, double value, std::chars_format format) {
    return std::to_chars(first, last, value, format);
}
inline std::to_chars_result DoubleToChars(char* first, char* last, double value, std::chars_format format,
                                          int precision) {
    return std::to_chars(first, last, value, format, precision);
}
inline std::from_chars_result DoubleFromChars(const char* first, const char* last, double& value) {
    return std::from_chars(first, last, value);
}

#else

inline std::to_chars_result DoubleToChars(char* first, char* last, double value) {
    return portable::ToChars(first, last, value);
}
inline std::to_chars_result DoubleToChars(char* first, char* last, double value, std::chars_format format) {
    return portable::ToChars(first, last, value, format);
}
inline std::to_chars_result DoubleToChars(char* first, char* last, double value, std::chars_format format,
                                          int precision) {
    return portable::ToChars(first, last, value, format, precision);
}
inline std::from_chars_result DoubleFromChars(const char* first, const char* last, double& value) {
    return portable::FromChars(first, last, value);
}

#endif

} // namespace hydrim
