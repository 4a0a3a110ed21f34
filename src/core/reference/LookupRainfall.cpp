#include "core/reference/LookupRainfall.h"

#include <algorithm>
#include <array>

namespace hydrim {

namespace {

// First code point of a UTF-8 text; 0 for an empty text.
char32_t FirstCodePoint(const std::string& text) {
    if (text.empty())
        return 0;
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80)
        return lead;
    int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    char32_t code = lead & (0x3F >> (length - 1));
    for (int i = 1; i < length && i < static_cast<int>(text.size()); ++i)
        code = (code << 6) | (static_cast<unsigned char>(text[static_cast<size_t>(i)]) & 0x3F);
    return code;
}

// The initial a station sorts by in the letter search.
char32_t SearchInitial(const std::string& name) {
    const char32_t initial = FirstCodePoint(name);
    return initial > U'Z' ? U'A' : initial;
}

} // namespace

int RainfallValueColumn(int returnPeriodItem) {
    static constexpr std::array<int, 6> columns = {1, 2, 3, 4, 6, 9};
    if (returnPeriodItem < 0 || returnPeriodItem >= static_cast<int>(columns.size()))
        return 0;
    return columns[static_cast<size_t>(returnPeriodItem)];
}

std::vector<int> RainfallDialogColumns(int variantItem, int returnPeriodItem) {
    if (variantItem < 1)
        return {2, 3, 4, 6, 9};
    return {RainfallValueColumn(returnPeriodItem), 9};
}

int FindStationRowByLetter(const std::vector<std::string>& names, char32_t key) {
    if (key >= U'a' && key <= U'z')
        key -= U'a' - U'A';
    if (key < U'A' || key > U'Z')
        return -1;
    const int last = std::min(LastSearchRow, static_cast<int>(names.size()) - 1);
    if (last < 1)
        return -1;
    int row = 1;
    while (row < last) {
        const std::string& name = names[static_cast<size_t>(row)];
        if (!name.empty() && SearchInitial(name) >= key)
            break;
        ++row;
    }
    return row;
}

bool HasStations(const std::vector<std::string>& names) {
    return std::any_of(names.begin() + std::min<size_t>(1, names.size()), names.end(),
                       [](const std::string& name) { return !name.empty(); });
}

} // namespace hydrim
