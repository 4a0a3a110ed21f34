// Stations from a CSV file: the layouts a spreadsheet table of stations may
// have, the titles line, and the merge into the existing table.
#include "core/reference/StationTable.h"

#include <algorithm>
#include <array>
#include <map>

namespace hydrim {

namespace {

// Where the fields of one CSV layout go: the number's field (or none), the
// name's, and the first depth's; the six depths follow one another, or,
// for the file's own 12 fields, lie in the file's value columns.
struct CsvLayout {
    int number;
    size_t name;
    bool fileColumns;
};

std::optional<CsvLayout> LayoutOf(size_t fieldCount) {
    switch (fieldCount) {
    case 7:
        return CsvLayout{-1, 0, false};
    case 8:
        return CsvLayout{0, 1, false};
    case StationFieldCount:
        return CsvLayout{0, 1, true};
    default:
        return std::nullopt;
    }
}

size_t DepthSource(const CsvLayout& layout, size_t depth) {
    return layout.fileColumns ? StationDepthFields[depth] : layout.name + 1 + depth;
}

// The titles line: a first line whose depths are not all numbers, or are
// the return periods themselves (2, 5, 10, 20, 50, 100).
bool IsTitles(const CsvRecord& record) {
    static const std::array<const char*, 6> periods = {"2", "5", "10", "20", "50", "100"};
    const std::optional<CsvLayout> layout = LayoutOf(record.Fields.size());
    if (!layout) {
        return false;
    }
    bool numbers = true, periodTitles = true;
    for (size_t depth = 0; depth < StationDepthFields.size(); ++depth) {
        const std::optional<std::string> number = CsvDecimal(record.Fields[DepthSource(*layout, depth)]);
        numbers = numbers && number.has_value();
        periodTitles = periodTitles && number == periods[depth];
    }
    return !numbers || periodTitles;
}

// The station of one record, or the reason it is refused.
std::string StationOf(const CsvRecord& record, TableRow& row) {
    const std::optional<CsvLayout> layout = LayoutOf(record.Fields.size());
    if (!layout) {
        return "řádek má " + std::to_string(record.Fields.size()) +
               " polí; očekává se stanice a 6 úhrnů pro N = 2, 5, 10, 20, 50 a 100 let (7 polí), "
               "číslo, stanice a 6 úhrnů (8 polí) nebo 12 polí jako v souboru srazky.tab";
    }
    row = TableRow{std::vector<std::string>(StationFieldCount), record.Line};
    if (layout->number >= 0) {
        row.Fields[StationNumberField] = record.Fields[static_cast<size_t>(layout->number)];
    }
    row.Fields[StationNameField] = record.Fields[layout->name];
    if (layout->fileColumns) {
        for (size_t field = StationNameField + 1; field < StationFieldCount; ++field) {
            row.Fields[field] = CsvDecimal(record.Fields[field]).value_or(record.Fields[field]);
        }
    }
    std::string reasons;
    for (size_t depth = 0; depth < StationDepthFields.size(); ++depth) {
        const std::string& text = record.Fields[DepthSource(*layout, depth)];
        const std::optional<std::string> number = CsvDecimal(text);
        if (!number && !text.empty()) {
            AppendReason(reasons, "úhrn pro " + ReturnPeriodWords(depth) + " „" + text + "“ není číslo");
        }
        row.Fields[StationDepthFields[depth]] = number.value_or(text);
    }
    return reasons.empty() ? CheckStation(row) : reasons;
}

} // namespace

TableImport ImportStations(const std::vector<CsvRecord>& records) {
    std::map<std::string, size_t> firstLineOf;
    const auto stationOf = [&firstLineOf](const CsvRecord& record, TableRow& row) {
        const std::string reason = StationOf(record, row);
        if (!reason.empty()) {
            return reason;
        }
        const std::string& name = row.Fields[StationNameField];
        if (firstLineOf.contains(name)) {
            return "stanice „" + name + "“ je v souboru už na řádku " + std::to_string(firstLineOf[name]);
        }
        firstLineOf[name] = record.Line;
        return std::string();
    };
    return ImportCsvRecords(records, IsTitles, stationOf, MaxStations, "tabulka pojme nejvýše 579 stanic");
}

std::vector<TableRow> MergeStations(std::vector<TableRow> existing, const std::vector<TableRow>& imported) {
    for (const TableRow& station : imported) {
        const auto same = std::find_if(existing.begin(), existing.end(), [&](const TableRow& row) {
            return row.Fields[StationNameField] == station.Fields[StationNameField];
        });
        if (same == existing.end()) {
            existing.push_back(station);
            continue;
        }
        const std::string number = same->Fields[StationNumberField];
        *same = station;
        if (same->Fields[StationNumberField].empty()) {
            same->Fields[StationNumberField] = number;
        }
    }
    SortStations(existing);
    return existing;
}

} // namespace hydrim
