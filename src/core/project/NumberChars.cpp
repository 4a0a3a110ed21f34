#include "core/project/NumberChars.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace hydrim::portable {
namespace {

std::to_chars_result Copy(char* first, char* last, const char* text, size_t length) {
    if (length > static_cast<size_t>(last - first)) {
        return {last, std::errc::value_too_large};
    }
    std::memcpy(first, text, length);
    return {first + length, std::errc()};
}

std::to_chars_result Printed(char* first, char* last, const char* format, int precision, double value) {
    char buffer[400]; // %.*f of the largest double needs 309 digits before the point
    const int length = std::snprintf(buffer, sizeof buffer, format, precision, value);
    if (length < 0 || static_cast<size_t>(length) >= sizeof buffer) {
        // Only a fixed text of a huge precision gets here: write it in full.
        const int needed = std::snprintf(nullptr, 0, format, precision, value);
        if (needed < 0) {
            return {last, std::errc::value_too_large};
        }
        std::string text(static_cast<size_t>(needed) + 1, '\0');
        std::snprintf(text.data(), text.size(), format, precision, value);
        return Copy(first, last, text.data(), static_cast<size_t>(needed));
    }
    return Copy(first, last, buffer, static_cast<size_t>(length));
}

// The fewest significant digits (1..17) that read back as value, and the
// decimal exponent of the first of them.
struct ShortestDigits {
    std::string Digits;
    int Exponent = 0;
};

ShortestDigits Shortest(double magnitude) {
    char buffer[64];
    for (int precision = 0;; ++precision) {
        std::snprintf(buffer, sizeof buffer, "%.*e", precision, magnitude);
        if (precision == 16 || std::strtod(buffer, nullptr) == magnitude) {
            break;
        }
    }
    ShortestDigits shortest;
    const char* e = std::strchr(buffer, 'e');
    for (const char* c = buffer; c != e; ++c) {
        if (*c != '.') {
            shortest.Digits += *c;
        }
    }
    shortest.Exponent = std::atoi(e + 1);
    while (shortest.Digits.size() > 1 && shortest.Digits.back() == '0') {
        shortest.Digits.pop_back();
    }
    return shortest;
}

std::string Scientific(const ShortestDigits& d) {
    std::string text = d.Digits.substr(0, 1);
    if (d.Digits.size() > 1) {
        text += '.' + d.Digits.substr(1);
    }
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "e%c%02d", d.Exponent < 0 ? '-' : '+', std::abs(d.Exponent));
    return text + exponent;
}

// The fixed text of the shortest digits; a whole number past them is
// written exactly, as the standard library writes it.
std::string Fixed(const ShortestDigits& d, double magnitude) {
    const int digits = static_cast<int>(d.Digits.size());
    if (d.Exponent < 0) {
        return "0." + std::string(static_cast<size_t>(-d.Exponent - 1), '0') + d.Digits;
    }
    if (digits <= d.Exponent + 1) {
        char buffer[400];
        std::snprintf(buffer, sizeof buffer, "%.0f", magnitude);
        return buffer;
    }
    return d.Digits.substr(0, static_cast<size_t>(d.Exponent + 1)) + '.' +
           d.Digits.substr(static_cast<size_t>(d.Exponent + 1));
}

size_t FixedLength(const ShortestDigits& d) {
    const size_t digits = d.Digits.size();
    if (d.Exponent < 0) {
        return 2 + static_cast<size_t>(-d.Exponent - 1) + digits;
    }
    const size_t whole = static_cast<size_t>(d.Exponent) + 1;
    return digits <= whole ? whole : digits + 1;
}

bool Matches(const char* at, const char* last, const char* word) {
    for (; *word != '\0'; ++at, ++word) {
        if (at == last || (*at | 0x20) != *word) {
            return false;
        }
    }
    return true;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The end of the number at first in the general notation, or first.
const char* NumberEnd(const char* first, const char* last) {
    const char* at = first;
    if (at != last && *at == '-') {
        ++at;
    }
    if (Matches(at, last, "infinity")) {
        return at + 8;
    }
    if (Matches(at, last, "inf")) {
        return at + 3;
    }
    if (Matches(at, last, "nan")) {
        at += 3;
        if (at != last && *at == '(') {
            const char* close = at + 1;
            while (close != last && (std::isalnum(static_cast<unsigned char>(*close)) || *close == '_')) {
                ++close;
            }
            if (close != last && *close == ')') {
                return close + 1;
            }
        }
        return at;
    }
    const char* digits = at;
    while (at != last && IsDigit(*at)) {
        ++at;
    }
    size_t count = static_cast<size_t>(at - digits);
    if (at != last && *at == '.') {
        const char* fraction = ++at;
        while (at != last && IsDigit(*at)) {
            ++at;
        }
        count += static_cast<size_t>(at - fraction);
    }
    if (count == 0) {
        return first;
    }
    if (at != last && (*at == 'e' || *at == 'E')) {
        const char* exponent = at + 1;
        if (exponent != last && (*exponent == '+' || *exponent == '-')) {
            ++exponent;
        }
        const char* end = exponent;
        while (end != last && IsDigit(*end)) {
            ++end;
        }
        if (end != exponent) {
            at = end;
        }
    }
    return at;
}

} // namespace

std::to_chars_result ToChars(char* first, char* last, double value) {
    if (!std::isfinite(value) || value == 0.0) {
        return Printed(first, last, "%.*g", 1, value);
    }
    const double magnitude = std::fabs(value);
    const ShortestDigits digits = Shortest(magnitude);
    const std::string scientific = Scientific(digits);
    std::string text = FixedLength(digits) <= scientific.size() ? Fixed(digits, magnitude) : scientific;
    if (value < 0) {
        text.insert(text.begin(), '-');
    }
    return Copy(first, last, text.data(), text.size());
}

std::to_chars_result ToChars(char* first, char* last, double value, std::chars_format format) {
    if (format != std::chars_format::fixed && format != std::chars_format::scientific) {
        return {first, std::errc::invalid_argument};
    }
    if (!std::isfinite(value)) {
        return Printed(first, last, "%.*g", 1, value);
    }
    if (value == 0.0) {
        return Printed(first, last, format == std::chars_format::fixed ? "%.*f" : "%.*e", 0, value);
    }
    const double magnitude = std::fabs(value);
    const ShortestDigits digits = Shortest(magnitude);
    std::string text = format == std::chars_format::fixed ? Fixed(digits, magnitude) : Scientific(digits);
    if (value < 0) {
        text.insert(text.begin(), '-');
    }
    return Copy(first, last, text.data(), text.size());
}

std::to_chars_result ToChars(char* first, char* last, double value, std::chars_format format, int precision) {
    switch (format) {
    case std::chars_format::fixed:
        return Printed(first, last, "%.*f", precision, value);
    case std::chars_format::scientific:
        return Printed(first, last, "%.*e", precision, value);
    case std::chars_format::hex: {
        char buffer[64];
        const int length = std::snprintf(buffer, sizeof buffer, "%.*a", precision, value);
        std::string text(buffer, static_cast<size_t>(length));
        const size_t prefix = text.find("0x");
        if (prefix != std::string::npos) {
            text.erase(prefix, 2);
        }
        return Copy(first, last, text.data(), text.size());
    }
    default:
        return Printed(first, last, "%.*g", precision, value);
    }
}

std::from_chars_result FromChars(const char* first, const char* last, double& value) {
    const char* end = NumberEnd(first, last);
    if (end == first) {
        return {first, std::errc::invalid_argument};
    }
    const std::string number(first, end);
    errno = 0;
    const double read = std::strtod(number.c_str(), nullptr);
    if (errno == ERANGE && (std::isinf(read) || read == 0.0)) {
        return {end, std::errc::result_out_of_range};
    }
    value = read;
    return {end, std::errc()};
}

} // namespace hydrim::portable
