#include "core/reference/LookupEntry.h"

#include <cstdio>

namespace hydrim {

std::optional<char32_t> FilterLookupKey(char32_t key) {
    if (key == U',')
        return U'.';
    const bool digit = key >= U'0' && key <= U'9';
    if (digit || key == U'.' || key == KeyBackspace || key == KeyEnter || key == KeyEscape)
        return key;
    return std::nullopt;
}

std::string CorrectAreaText(const std::string& text) {
    if (text.empty() || IsDecimalText(text))
        return text;
    return text.substr(0, text.size() - 1);
}

std::string FinishRoughnessText(const std::string& text, int minimum, int maximum) {
    if (text.empty()) {
        return text;
    }
    const std::optional<double> value = ParseDecimalText(text);
    if (!value || *value < minimum) {
        return std::to_string(minimum);
    }
    if (*value > maximum) {
        return std::to_string(maximum);
    }
    return text;
}

std::string FormatLookupResult(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%5.2f", value);
    return buffer;
}

} // namespace hydrim
