#include "core/report/ReportText.h"

#include "core/results/NumberFormat.h"

namespace hydrim::report {

std::string Arg(std::string_view pattern, std::initializer_list<std::string> args) {
    std::string text;
    for (size_t at = 0; at < pattern.size(); ++at) {
        const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
        const auto index = static_cast<size_t>(next - '1');
        if (pattern[at] == '%' && next >= '1' && next <= '9' && index < args.size()) {
            text += *(args.begin() + index);
            ++at;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

std::string Join(const std::vector<std::string>& parts, std::string_view separator) {
    std::string text;
    for (size_t k = 0; k < parts.size(); ++k) {
        if (k > 0) {
            text += separator;
        }
        text += parts[k];
    }
    return text;
}

std::string LocalDecimals(std::string text, char separator) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    for (size_t at = 1; at + 1 < text.size(); ++at) {
        if (text[at] == '.' && digit(text[at - 1]) && digit(text[at + 1])) {
            text[at] = separator;
        }
    }
    return text;
}

std::string Fixed(double value, int decimals, char separator) {
    // Enough significant digits that only the decimals limit the number.
    constexpr int Digits = 15;
    return FormatFixed(value, Digits, decimals, separator);
}

} // namespace hydrim::report
