#include "core/project/DecimalText.h"

#include <charconv>
#include <string>

namespace hydrim {

bool IsDecimalText(std::string_view text) {
    int digits = 0;
    int points = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            ++digits;
        } else if (c == '.') {
            ++points;
        } else {
            return false;
        }
    }
    return digits > 0 && points <= 1;
}

std::optional<double> ParseDecimalText(std::string_view text) {
    if (!IsDecimalText(text)) {
        return std::nullopt;
    }
    // from_chars does not take a leading "." or a trailing "." alone well on
    // every library, so give it a canonical form.
    std::string canonical(text);
    if (canonical.front() == '.') {
        canonical.insert(canonical.begin(), '0');
    }
    if (canonical.back() == '.') {
        canonical.pop_back();
    }
    double value = 0;
    const auto [end, error] = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    if (error != std::errc() || end != canonical.data() + canonical.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace hydrim
