#include "core/hydrology/TextNumbers.h"

#include "core/project/DecimalText.h"

#include <charconv>
#include <climits>

namespace hydrim {

namespace {

const char* SkipBlanks(const char* first, const char* last) {
    while (first != last && (*first == ' ' || *first == '\t')) {
        ++first;
    }
    return first;
}

} // namespace

double TextToReal(const std::string& text) {
    DecimalSpelling spelling;
    spelling.Sign = true;
    spelling.Exponent = true;
    spelling.LeadingBlanks = true;
    spelling.Rest = true;
    return ReadDecimal(text, spelling).value_or(0.0);
}

int TextToInteger(const std::string& text) {
    const char* last = text.data() + text.size();
    const char* first = SkipBlanks(text.data(), last);
    if (first != last && *first == '+') {
        ++first;
    }
    long long value = 0;
    const auto result = std::from_chars(first, last, value);
    if (result.ec == std::errc::result_out_of_range) {
        return *first == '-' ? INT_MIN : INT_MAX;
    }
    if (result.ec != std::errc()) {
        return 0;
    }
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

} // namespace hydrim
