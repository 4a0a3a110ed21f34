#include "core/reference/LookupEntry.h"

#include <charconv>
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

bool IsDecimalText(const std::string& text) {
    int digits = 0;
    int points = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            ++digits;
        else if (c == '.')
            ++points;
        else
            return false;
    }
    return digits > 0 && points <= 1;
}

std::optional<double> ParseDecimalText(const std::string& text) {
    if (!IsDecimalText(text))
        return std::nullopt;
    // from_chars does not take a leading "." or a trailing "." alone well on
    // every library, so give it a canonical form.
    std::string canonical = text;
    if (canonical.front() == '.')
        canonical.insert(canonical.begin(), '0');
    if (canonical.back() == '.')
        canonical.pop_back();
    double value = 0;
    const auto [end, error] = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    if (error != std::errc() || end != canonical.data() + canonical.size())
        return std::nullopt;
    return value;
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
