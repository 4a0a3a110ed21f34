#include "core/results/NumberFormat.h"

#include "core/project/NumberChars.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace hydrim {
namespace {

// A finite non-zero |v| as decimal digits d0 d1 d2 ... with d0 standing at
// the place 10^exponent. Enough digits are taken that a rounding decision at
// any place a result table needs sees the exact binary value.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

DecimalDigits ToDecimalDigits(double magnitude) {
    char buffer[64];
    const auto written =
        DoubleToChars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 30);
    const std::string_view text(buffer, static_cast<size_t>(written.ptr - buffer));
    const size_t ePosition = text.find('e');
    DecimalDigits result;
    for (size_t i = 0; i < ePosition; ++i) {
        if (text[i] != '.') {
            result.digits.push_back(text[i]);
        }
    }
    const std::string_view exponent = text.substr(ePosition + (text[ePosition + 1] == '+' ? 2 : 1));
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), result.exponent);
    return result;
}

// Keeps the digits at places 10^place and above, rounding halves away from
// zero. The result may gain a digit in front (9.99 -> 10.0).
DecimalDigits RoundAtPlace(const DecimalDigits& value, int place) {
    const int kept = value.exponent - place + 1;
    DecimalDigits result;
    if (kept < 0) {
        result.digits = "0";
        result.exponent = place;
        return result;
    }
    const bool roundUp = static_cast<size_t>(kept) < value.digits.size() && value.digits[kept] >= '5';
    result.digits = value.digits.substr(0, static_cast<size_t>(kept));
    result.exponent = value.exponent;
    if (kept == 0) {
        result.digits = roundUp ? "1" : "0";
        result.exponent = place;
        return result;
    }
    if (roundUp) {
        int i = kept - 1;
        while (i >= 0 && result.digits[i] == '9') {
            result.digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++result.digits[i];
        } else {
            result.digits.insert(result.digits.begin(), '1');
            ++result.exponent;
        }
    }
    return result;
}

bool IsZero(const DecimalDigits& value) {
    return value.digits.find_first_not_of('0') == std::string::npos;
}

// Digit at place 10^place of a rounded value ('0' outside its digits).
char DigitAt(const DecimalDigits& value, int place) {
    const int index = value.exponent - place;
    if (index < 0 || index >= static_cast<int>(value.digits.size())) {
        return '0';
    }
    return value.digits[static_cast<size_t>(index)];
}

std::string ExponentForm(const DecimalDigits& magnitude, bool negative, int precision, char separator) {
    const DecimalDigits rounded = RoundAtPlace(magnitude, magnitude.exponent - precision + 1);
    std::string text = negative ? "-" : "";
    text += DigitAt(rounded, rounded.exponent);
    if (precision > 1) {
        text += separator;
        for (int k = 1; k < precision; ++k) {
            text += DigitAt(rounded, rounded.exponent - k);
        }
    }
    text += rounded.exponent < 0 ? "E-" : "E+";
    text += std::to_string(std::abs(rounded.exponent));
    return text;
}

} // namespace

std::string FormatFixed(double v, int precision, int decimals, char decimalSeparator) {
    if (std::isnan(v)) {
        return "NaN";
    }
    if (std::isinf(v)) {
        return v < 0 ? "-INF" : "INF";
    }
    if (precision < 1) {
        precision = 1;
    }
    if (decimals < 0) {
        decimals = 0;
    }
    DecimalDigits rounded;
    const bool negative = std::signbit(v) && v != 0.0;
    if (v == 0.0) {
        rounded.digits = "0";
        rounded.exponent = 0;
    } else {
        const DecimalDigits exact = ToDecimalDigits(std::fabs(v));
        const int significantPlace = exact.exponent - precision + 1;
        rounded = RoundAtPlace(exact, std::max(significantPlace, -decimals));
        if (rounded.exponent >= precision) {
            return ExponentForm(exact, negative, precision, decimalSeparator);
        }
    }
    // Digits before the point (0 for a value below 1) limit the decimals shown.
    const int integerDigits = IsZero(rounded) ? 0 : std::max(rounded.exponent + 1, 0);
    const int shownDecimals = std::min(decimals, precision - integerDigits);
    std::string text = (negative && !IsZero(rounded)) ? "-" : "";
    if (integerDigits == 0) {
        text += '0';
    }
    for (int place = integerDigits - 1; place >= 0; --place) {
        text += DigitAt(rounded, place);
    }
    if (shownDecimals > 0) {
        text += decimalSeparator;
        for (int place = -1; place >= -shownDecimals; --place) {
            text += DigitAt(rounded, place);
        }
    }
    return text;
}

int DecimalsFor(double v) {
    if (v >= 100) {
        return 0;
    }
    if (v >= 10) {
        return 1;
    }
    if (v >= 1) {
        return 2;
    }
    return 3;
}

std::string FormatSignificant3(double v, char decimalSeparator) {
    return FormatFixed(v, 3, DecimalsFor(v), decimalSeparator);
}

std::string CellFixed(double v, int decimals, char decimalSeparator) {
    return "  " + FormatFixed(v, 5, decimals, decimalSeparator);
}

std::string CellInput(double v, int decimals, char decimalSeparator) {
    constexpr int MaxDecimals = 9;
    std::string text = FormatFixed(v, 5, decimals, decimalSeparator);
    const bool showsZero = text.find_first_of("123456789") == std::string::npos;
    if (v == 0.0 || !std::isfinite(v) || !showsZero) {
        return "  " + text;
    }
    // Two significant digits, the zeros after them dropped down to the row's decimals.
    const int needed = static_cast<int>(std::floor(-std::log10(std::abs(v)))) + 2;
    const int shown = std::clamp(needed, decimals, MaxDecimals);
    text = FormatFixed(v, 5, shown, decimalSeparator);
    const size_t separator = text.find(decimalSeparator);
    while (separator != std::string::npos && text.size() > separator + 1 + static_cast<size_t>(decimals) &&
           text.back() == '0') {
        text.pop_back();
    }
    return "  " + text;
}

std::string CellSignificant3(double v, char decimalSeparator) {
    return "  " + FormatSignificant3(v, decimalSeparator);
}

std::string CellInteger(long long v) {
    return "  " + std::to_string(v);
}

} // namespace hydrim
