#include "core/reference/RoughnessTable.h"

#include "core/reference/TableFields.h"

namespace hydrim {

namespace {

const std::vector<std::string> ShippedHeader = {
    "Součinitel drsnosti povrchu g:doporučené rozsahy hodnot podle druhu povrchu;!", "Druh povrchu;Třída!g"};

// The bounds of a range "a-b", when it is one.
bool RangeBounds(const std::string& range, unsigned char& lowest, unsigned char& highest) {
    return range.find('-') != std::string::npos && ParseRoughnessRange(range, lowest, highest);
}

std::string RangeProblem(const std::string& range) {
    unsigned char lowest = 0, highest = 0;
    if (!RangeBounds(range, lowest, highest)) {
        return "rozsah „" + range + "“ není ve tvaru a-b s celými čísly 0 až 255";
    }
    if (lowest > highest) {
        return "v rozsahu „" + range + "“ je dolní mez větší než horní";
    }
    return {};
}

} // namespace

TableRows ReadRoughnessLines(const std::vector<std::string>& lines) {
    TableRows table;
    table.Header = ShippedHeader;
    for (size_t index = 0; index < std::min<size_t>(2, lines.size()); ++index) {
        if (!lines[index].empty()) {
            table.Header[index] = lines[index];
        }
    }
    for (size_t index = 2; index < lines.size(); ++index) {
        const auto first = SplitFields(lines[index], ';', 1);
        const auto rest = SplitFields(first[1], '!', 1);
        TableRow row{{first[0], rest[0], rest[1]}, index + 1};
        if (IsBlankRow(row.Fields)) {
            continue;
        }
        const std::string reason = index >= RoughnessFileLines
                                       ? "řádek je za 17. řádkem souboru, program jej nečte"
                                       : CheckRoughnessClass(row);
        KeepReadRow(table, std::move(row), reason);
    }
    return table;
}

std::string CheckRoughnessClass(const TableRow& row) {
    if (row.Fields.size() != RoughnessFieldCount) {
        return "řádek nemá 3 pole";
    }
    const std::string& description = row.Fields[RoughnessDescriptionField];
    const std::string& type = row.Fields[RoughnessClassField];
    std::string reasons;
    if (TrimBlanks(type).empty()) {
        AppendReason(reasons, "chybí třída");
    }
    if (description.find(';') != std::string::npos) {
        AppendReason(reasons, "druh povrchu nesmí obsahovat „;“");
    }
    if (type.find('!') != std::string::npos) {
        AppendReason(reasons, "třída nesmí obsahovat „!“");
    }
    AppendReason(reasons, StorableTextProblem(description, "druh povrchu"));
    AppendReason(reasons, StorableTextProblem(type, "třída"));
    AppendReason(reasons, RangeProblem(row.Fields[RoughnessRangeField]));
    return reasons;
}

std::vector<std::string> RoughnessTableLines(const TableRows& table) {
    std::vector<std::string> lines = ShippedHeader;
    for (size_t index = 0; index < std::min<size_t>(2, table.Header.size()); ++index) {
        lines[index] = table.Header[index];
    }
    for (const TableRow& row : table.Rows) {
        lines.push_back(row.Fields[RoughnessDescriptionField] + ";" + row.Fields[RoughnessClassField] + "!" +
                        row.Fields[RoughnessRangeField]);
    }
    if (lines.size() < RoughnessFileLines) {
        lines.resize(RoughnessFileLines);
    }
    return lines;
}

std::vector<std::pair<size_t, size_t>>
DescriptionGroups(const std::vector<std::pair<std::string, bool>>& rows) {
    std::vector<std::pair<size_t, size_t>> groups;
    size_t first = 0;
    std::string description;
    for (size_t index = 0; index <= rows.size(); ++index) {
        const bool end = index == rows.size();
        const std::string text = end ? std::string() : TrimBlanks(rows[index].first);
        const bool continues =
            !end && rows[index].second && !description.empty() && (text.empty() || text == description);
        if (continues) {
            continue;
        }
        if (!description.empty() && index - first > 1) {
            groups.emplace_back(first, index - 1);
        }
        first = index;
        description = end || !rows[index].second ? std::string() : text;
    }
    return groups;
}

} // namespace hydrim
