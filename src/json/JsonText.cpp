#include "json/JsonText.h"

#include "core/project/NumberChars.h"

#include <cmath>

namespace hydrim {

std::string FormatReal(double value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    char buffer[64];
    const auto [end, ec] =
        DoubleToChars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    std::string text(buffer, ec == std::errc() ? end : buffer);
    if (text.find_first_of(".e") == std::string::npos) {
        text += ".0"; // a real stays recognisable as one
    }
    return text;
}

std::string DumpJson(const nlohmann::ordered_json& value, int indent) {
    using json = nlohmann::ordered_json;
    switch (value.type()) {
    case json::value_t::number_float:
        return FormatReal(value.get<double>());
    case json::value_t::array: {
        std::string out = "[";
        for (size_t i = 0; i < value.size(); ++i) {
            out += (i == 0 ? "" : ", ") + DumpJson(value[i], indent);
        }
        return out + "]";
    }
    case json::value_t::object: {
        if (value.empty()) {
            return "{}";
        }
        const std::string inner(static_cast<size_t>(indent + 2), ' ');
        std::string out = "{\n";
        bool first = true;
        for (const auto& [key, item] : value.items()) {
            out += (first ? "" : ",\n") + inner + json(key).dump() + ": " + DumpJson(item, indent + 2);
            first = false;
        }
        return out + "\n" + std::string(static_cast<size_t>(indent), ' ') + "}";
    }
    default:
        return value.dump(-1, ' ', false, json::error_handler_t::replace);
    }
}

} // namespace hydrim
