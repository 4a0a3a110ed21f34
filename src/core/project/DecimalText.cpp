#include "core/project/DecimalText.h"

#include "core/project/NumberChars.h"

#include <string>

namespace hydrim {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

size_t SkipDigits(std::string_view text, size_t at) {
    while (at < text.size() && IsDigit(text[at])) {
        ++at;
    }
    return at;
}

bool IsSign(std::string_view text, size_t at) {
    return at < text.size() && (text[at] == '-' || text[at] == '+');
}

// The number at the start of text in the canonical form from_chars reads on
// every library ("-0.5", "3", "12e-3"), and where it ends; an empty form
// when text does not start with a number.
struct Canonical {
    std::string Form;
    size_t End = 0;
};

Canonical CanonicalNumber(std::string_view text, const DecimalSpelling& spelling) {
    Canonical number;
    size_t at = 0;
    if (spelling.Sign && IsSign(text, at)) {
        if (text[at] == '-') {
            number.Form += '-';
        }
        ++at;
    }
    const size_t integer = at;
    at = SkipDigits(text, at);
    std::string digits(text.substr(integer, at - integer));
    size_t fractionDigits = 0;
    if (at < text.size() && text[at] == spelling.Separator) {
        const size_t fraction = at + 1;
        at = SkipDigits(text, fraction);
        fractionDigits = at - fraction;
        if (fractionDigits > 0) {
            digits += (digits.empty() ? "0." : ".") + std::string(text.substr(fraction, fractionDigits));
        }
    }
    if (digits.empty()) {
        return {};
    }
    number.Form += digits;
    if (spelling.Exponent && at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        const size_t sign = at + 1;
        const size_t first = IsSign(text, sign) ? sign + 1 : sign;
        const size_t last = SkipDigits(text, first);
        if (last > first) {
            number.Form += 'e' + std::string(text.substr(sign, last - sign));
            at = last;
        }
    }
    number.End = at;
    return number;
}

} // namespace

std::optional<double> ReadDecimal(std::string_view text, const DecimalSpelling& spelling) {
    if (spelling.LeadingBlanks) {
        const size_t first = text.find_first_not_of(" \t");
        text.remove_prefix(first == std::string_view::npos ? text.size() : first);
    }
    const Canonical number = CanonicalNumber(text, spelling);
    if (number.Form.empty() || (!spelling.Rest && number.End != text.size())) {
        return std::nullopt;
    }
    double value = 0;
    const char* last = number.Form.data() + number.Form.size();
    const auto [end, error] = DoubleFromChars(number.Form.data(), last, value);
    if (error != std::errc() || end != last) {
        return std::nullopt;
    }
    return value;
}

bool IsDecimalText(std::string_view text) {
    const Canonical number = CanonicalNumber(text, DecimalSpelling{});
    return !number.Form.empty() && number.End == text.size();
}

std::optional<double> ParseDecimalText(std::string_view text) {
    return ReadDecimal(text, DecimalSpelling{});
}

} // namespace hydrim
