#include "core/reference/StationTable.h"

#include "core/project/FieldLimits.h"
#include "core/project/NumberChars.h"
#include "core/reference/CsvReader.h"
#include "core/reference/CzechOrder.h"

#include <algorithm>
#include <charconv>

namespace hydrim {

namespace {

constexpr const char* ShippedHeader = "Č.\tStanice\t2\t5\t10\t20\t\t50\t\t\t100\t";

std::vector<std::string> SplitAtTabs(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    while (fields.size() + 1 < StationFieldCount) {
        const size_t tab = line.find('\t', start);
        if (tab == std::string::npos)
            break;
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

// A depth written with a decimal point, as the program converts it.
std::optional<double> DepthValue(const std::string& text) {
    if (text.empty() || text.find(',') != std::string::npos || CsvDecimal(text) == std::nullopt ||
        TrimBlanks(text) != text)
        return std::nullopt;
    double value = 0.0;
    const auto [end, error] = DoubleFromChars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string DepthProblem(const std::string& text, size_t depth) {
    const std::string what = "úhrn pro " + ReturnPeriodWords(depth);
    if (text.empty())
        return "chybí " + what;
    if (!DepthValue(text))
        return what + " „" + text + "“ není číslo s desetinnou tečkou";
    if (text.size() > DepthWidth)
        return what + " „" + text + "“ má víc než 8 znaků";
    const double value = *DepthValue(text);
    if (value < SmallestDepth || value > LargestDepth)
        return what + " (" + text + " mm) je mimo rozsah " + RangeText(RainfallLimits) + " mm";
    return {};
}

} // namespace

std::string ReturnPeriodWords(size_t depth) {
    static const std::array<const char*, 6> words = {"N = 2 roky", "N = 5 let",  "N = 10 let",
                                                     "N = 20 let", "N = 50 let", "N = 100 let"};
    return depth < words.size() ? words[depth] : "";
}

TableRows ReadStationLines(const std::vector<std::string>& lines) {
    TableRows table;
    table.Header = {lines.empty() || lines.front().empty() ? std::string(ShippedHeader) : lines.front()};
    for (size_t index = 1; index < lines.size(); ++index) {
        TableRow row{SplitAtTabs(lines[index]), index + 1};
        if (IsBlankRow(row.Fields))
            continue;
        const size_t fieldCount = row.Fields.size();
        row.Fields.resize(StationFieldCount);
        std::string reason;
        if (index > MaxStations)
            reason = "řádek je za 580. řádkem souboru, program jej nečte";
        else if (fieldCount < StationFieldCount)
            reason = "řádek má " + std::to_string(fieldCount) +
                     " polí oddělených tabulátorem, má jich mít 12 (číslo, stanice, 10 sloupců úhrnů)";
        else
            reason = CheckStation(row);
        KeepReadRow(table, std::move(row), reason);
    }
    return table;
}

std::string CheckStation(const TableRow& row) {
    if (row.Fields.size() != StationFieldCount)
        return "řádek nemá 12 polí";
    std::string reasons;
    const std::string& name = row.Fields[StationNameField];
    if (TrimBlanks(name).empty())
        AppendReason(reasons, "chybí název stanice");
    AppendReason(reasons, StorableTextProblem(name, "název stanice"));
    AppendReason(reasons, StorableTextProblem(row.Fields[StationNumberField], "číslo stanice"));
    bool depthsValid = true;
    for (size_t depth = 0; depth < StationDepthFields.size(); ++depth) {
        const std::string problem = DepthProblem(row.Fields[StationDepthFields[depth]], depth);
        depthsValid = depthsValid && problem.empty();
        AppendReason(reasons, problem);
    }
    for (size_t depth = 1; depthsValid && depth < StationDepthFields.size(); ++depth) {
        const std::string& lower = row.Fields[StationDepthFields[depth - 1]];
        const std::string& higher = row.Fields[StationDepthFields[depth]];
        if (*DepthValue(higher) < *DepthValue(lower))
            AppendReason(reasons, "úhrn pro " + ReturnPeriodWords(depth) + " (" + higher +
                                      ") je menší než pro " + ReturnPeriodWords(depth - 1) + " (" + lower +
                                      ")");
    }
    return reasons;
}

void SortStations(std::vector<TableRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const TableRow& a, const TableRow& b) {
        return CzechLess(a.Fields[StationNameField], b.Fields[StationNameField]);
    });
}

std::vector<std::string> StationFileLines(const TableRows& table) {
    std::vector<std::string> lines = {table.Header.empty() ? std::string(ShippedHeader)
                                                           : table.Header.front()};
    std::vector<TableRow> rows = table.Rows;
    SortStations(rows);
    for (const TableRow& row : rows) {
        std::string line;
        for (size_t field = 0; field < row.Fields.size(); ++field)
            line += (field == 0 ? "" : "\t") + row.Fields[field];
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace hydrim
