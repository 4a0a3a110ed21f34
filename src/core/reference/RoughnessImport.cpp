// Roughness classes from a CSV file: the two layouts of a spreadsheet table
// of classes, the titles line, and the classes added to the table.
#include "core/reference/RoughnessTable.h"

#include <algorithm>

namespace hydrim {

namespace {

bool HasDigit(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A range as a spreadsheet may write it: blanks around the dash, or an en
// or em dash instead of it.
std::string RangeText(const std::string& text) {
    std::string range;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 3, "\u2013") == 0 || text.compare(i, 3, "\u2014") == 0) {
            range += '-';
            i += 2;
        } else if (text[i] != ' ') {
            range += text[i];
        }
    }
    return range;
}

// The titles line: the first line when its range has no digit.
bool IsTitles(const CsvRecord& record) {
    const auto& fields = record.Fields;
    if (fields.size() == 3) {
        return !HasDigit(fields[2]);
    }
    return fields.size() == 4 && !HasDigit(fields[2]) && !HasDigit(fields[3]);
}

std::string ClassOf(const CsvRecord& record, TableRow& row) {
    const auto& fields = record.Fields;
    if (fields.size() != 3 && fields.size() != 4) {
        return "řádek má " + std::to_string(fields.size()) +
               " polí; očekává se druh povrchu, třída a rozsah a-b (3 pole) nebo druh povrchu, třída, "
               "nejmenší a největší hodnota (4 pole)";
    }
    const std::string range = fields.size() == 3 ? RangeText(fields[2]) : fields[2] + "-" + fields[3];
    row = TableRow{{fields[0], fields[1], range}, record.Line};
    return CheckRoughnessClass(row);
}

} // namespace

TableImport ImportRoughnessClasses(const std::vector<CsvRecord>& records) {
    return ImportCsvRecords(records, IsTitles, ClassOf, MaxRoughnessClasses, "tabulka pojme nejvýše 15 tříd");
}

std::vector<TableRow> AppendRoughnessClasses(std::vector<TableRow> existing,
                                             const std::vector<TableRow>& imported) {
    existing.insert(existing.end(), imported.begin(), imported.end());
    return existing;
}

} // namespace hydrim
