#include "core/reference/TableFields.h"

#include "core/reference/TableRows.h"

#include <charconv>

namespace hydrim {
namespace {

// A whole number 0..255, or false.
bool ParseByte(const std::string& text, unsigned char& value) {
    const std::string trimmed = TrimBlanks(text);
    int number = -1;
    const char* end = trimmed.data() + trimmed.size();
    const auto [stop, error] = std::from_chars(trimmed.data(), end, number);
    if (trimmed.empty() || error != std::errc() || stop != end || number < 0 || number > 255) {
        return false;
    }
    value = static_cast<unsigned char>(number);
    return true;
}

} // namespace

std::vector<std::string> SplitFields(const std::string& line, char separator, size_t splits) {
    std::vector<std::string> fields;
    fields.reserve(splits + 1);
    std::string rest = line;
    for (size_t k = 0; k < splits; ++k) {
        const size_t position = rest.find(separator);
        if (position == std::string::npos) {
            fields.emplace_back();
            continue;
        }
        fields.push_back(rest.substr(0, position));
        rest.erase(0, position + 1);
    }
    fields.push_back(std::move(rest));
    return fields;
}

bool ParseRoughnessRange(const std::string& range, unsigned char& minimum, unsigned char& maximum) {
    const size_t dash = range.find('-');
    if (dash == std::string::npos) {
        minimum = 1;
        maximum = 1;
        return true;
    }
    return ParseByte(range.substr(0, dash), minimum) && ParseByte(range.substr(dash + 1), maximum);
}

} // namespace hydrim
