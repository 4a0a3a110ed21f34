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

namespace {

std::string ClampRoughness(const std::string& text, int minimum, int maximum, bool allowLeadingOne) {
    if (text.empty())
        return text;
    const std::optional<double> value = ParseDecimalText(text);
    if (!value)
        return std::to_string(minimum);
    std::string result = text;
    double current = *value;
    const bool typingTwoDigits = allowLeadingOne && maximum >= 10 && text == "1";
    if (current < minimum && !typingTwoDigits) {
        result = std::to_string(minimum);
        current = minimum;
    }
    if (current > maximum)
        result = std::to_string(maximum);
    return result;
}

} // namespace

std::string CorrectRoughnessText(const std::string& text, int minimum, int maximum) {
    return ClampRoughness(text, minimum, maximum, true);
}

std::string FinishRoughnessText(const std::string& text, int minimum, int maximum) {
    return ClampRoughness(text, minimum, maximum, false);
}

std::string FormatLookupResult(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%5.2f", value);
    return buffer;
}

} // namespace hydrim
