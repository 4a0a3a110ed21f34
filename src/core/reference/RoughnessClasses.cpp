#include "core/reference/RoughnessClasses.h"

#include "core/reference/RoughnessTable.h"
#include "core/reference/TableRows.h"

#include <algorithm>

namespace hydrim {
namespace {

constexpr size_t FirstClassRow = 2, LastClassRow = 16;
constexpr int RightSlope = 0, LeftSlope = 1;

// A part of a class key: one line without blanks at its ends.
std::string KeyPart(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    return TrimBlanks(text);
}

bool HasEntry(const RoughnessRows& rows, size_t row) {
    return !TrimBlanks(rows.Values[row]).empty() || !TrimBlanks(rows.Areas[row]).empty();
}

} // namespace

std::string RoughnessClassName(const std::string& key) {
    const size_t semicolon = key.find(';');
    const size_t bang = key.find('!', semicolon == std::string::npos ? 0 : semicolon + 1);
    if (semicolon == std::string::npos || bang == std::string::npos) {
        return key;
    }
    const std::string description = key.substr(0, semicolon);
    return (description.empty() ? std::string() : description + ", ") + "třída " +
           key.substr(semicolon + 1, bang - semicolon - 1) + ", rozsah " + key.substr(bang + 1);
}

RoughnessClassKeys RoughnessClassKeysOf(const TableGrid& grid) {
    std::vector<std::pair<std::string, bool>> rows;
    for (size_t row = FirstClassRow; row <= LastClassRow; ++row) {
        const bool hasClass = !grid.cell(row, 1).empty() || !grid.cell(row, 2).empty();
        rows.emplace_back(grid.cell(row, 0), hasClass);
    }
    // A class without a description of its own belongs to the group above it.
    std::vector<std::string> descriptions;
    for (const auto& [description, hasClass] : rows) {
        descriptions.push_back(KeyPart(description));
    }
    for (const auto& [first, last] : DescriptionGroups(rows)) {
        std::fill(descriptions.begin() + static_cast<long>(first) + 1,
                  descriptions.begin() + static_cast<long>(last) + 1, descriptions[first]);
    }
    RoughnessClassKeys keys;
    for (size_t k = 0; k < rows.size(); ++k) {
        const size_t row = FirstClassRow + k;
        if (rows[k].second) {
            keys[row] = descriptions[k] + ";" + KeyPart(grid.cell(row, 1)) + "!" + KeyPart(grid.cell(row, 2));
        }
    }
    return keys;
}

std::vector<UnplacedRoughnessEntry> PlaceRoughnessRows(RoughnessRows rows, const RoughnessClassKeys& keys,
                                                       int slope) {
    std::array<std::string, 17> values, areas, classes;
    std::array<bool, 17> taken{};
    std::vector<UnplacedRoughnessEntry> unplaced;
    const auto place = [&](size_t from, size_t to, const std::string& key) {
        values[to] = rows.Values[from];
        areas[to] = rows.Areas[from];
        classes[to] = key;
        taken[to] = true;
    };
    const auto leaveOut = [&](size_t from) {
        unplaced.push_back({slope, rows.Classes[from], rows.Values[from], rows.Areas[from]});
    };
    // The entries of a known class first: they go where their class stands now.
    for (size_t row = FirstClassRow; row <= LastClassRow; ++row) {
        if (!HasEntry(rows, row) || rows.Classes[row].empty()) {
            continue;
        }
        size_t target = FirstClassRow;
        while (target <= LastClassRow && (taken[target] || keys[target] != rows.Classes[row])) {
            ++target;
        }
        if (target <= LastClassRow) {
            place(row, target, keys[target]);
        } else {
            leaveOut(row);
        }
    }
    for (size_t row = FirstClassRow; row <= LastClassRow; ++row) {
        if (!HasEntry(rows, row) || !rows.Classes[row].empty()) {
            continue;
        }
        if (!taken[row]) {
            place(row, row, keys[row]);
        } else {
            leaveOut(row);
        }
    }
    rows.Values = values;
    rows.Areas = areas;
    rows.Classes = classes;
    return unplaced;
}

std::vector<UnplacedRoughnessEntry> PlaceRoughnessEntries(LookupState& lookup,
                                                          const RoughnessClassKeys& keys) {
    std::vector<UnplacedRoughnessEntry> unplaced;
    for (int slope : {LeftSlope, RightSlope}) {
        auto& inputs = lookup.RoughnessInputs[static_cast<size_t>(slope)];
        const std::vector<UnplacedRoughnessEntry> left = PlaceRoughnessRows(
            {inputs[0], inputs[1], lookup.RoughnessClasses[static_cast<size_t>(slope)]}, keys, slope);
        unplaced.insert(unplaced.end(), left.begin(), left.end());
    }
    return unplaced;
}

std::vector<UnplacedRoughnessEntry> PlaceRoughnessEntries(LookupState& lookup, const std::string& dataDir) {
    ReferenceTables scratch;
    const TableReadResult table = ReadRoughnessTable(dataDir, scratch);
    if (!table.ok()) {
        return {};
    }
    return PlaceRoughnessEntries(lookup, RoughnessClassKeysOf(table.Grid));
}

std::string UnplacedRoughnessNotice(const std::vector<UnplacedRoughnessEntry>& entries, bool twoSlopes) {
    if (entries.empty()) {
        return {};
    }
    std::string notice = "Tabulka drsnosti (" + std::string(RoughnessFileName) +
                         ") už neobsahuje třídy povrchu, pro které projekt uchovával zadání. Tato zadání "
                         "se do váženého průměru drsnosti nezapočítávají a byla z projektu vypuštěna; "
                         "drsnost svahu ve vstupních údajích zůstává, jak byla vložena:";
    for (const UnplacedRoughnessEntry& entry : entries) {
        const std::string slope = !twoSlopes ? "svah" : entry.Slope == LeftSlope ? "levý svah" : "pravý svah";
        notice += "\n  " + slope + " – " +
                  (entry.ClassKey.empty() ? "třída neznámá" : RoughnessClassName(entry.ClassKey)) +
                  ": hodnota " + (TrimBlanks(entry.Value).empty() ? "–" : TrimBlanks(entry.Value)) +
                  ", plocha " + (TrimBlanks(entry.Area).empty() ? "–" : TrimBlanks(entry.Area)) + " km²";
    }
    return notice;
}

} // namespace hydrim
