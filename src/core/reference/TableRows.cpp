#include "core/reference/TableRows.h"

#include "core/project/TextCodec.h"

#include <algorithm>

namespace hydrim {

void KeepReadRow(TableRows& table, TableRow row, const std::string& reason) {
    if (!reason.empty()) {
        table.Problems.push_back({row.Line, reason});
    }
    table.Rows.push_back(std::move(row));
}

TableImport ImportCsvRecords(const std::vector<CsvRecord>& records, bool (*isTitles)(const CsvRecord&),
                             const CsvRowReader& rowOf, size_t maxRows, const std::string& tooMany) {
    TableImport result;
    for (const CsvRecord& record : records) {
        if (&record == &records.front() && isTitles(record)) {
            result.HeaderLine = record.Line;
            continue;
        }
        TableRow row;
        std::string reason = rowOf(record, row);
        if (reason.empty() && result.Rows.size() >= maxRows) {
            reason = tooMany;
        }
        if (!reason.empty()) {
            result.Refused.push_back({record.Line, reason});
        } else {
            result.Rows.push_back(std::move(row));
        }
    }
    return result;
}

bool IsBlankRow(const std::vector<std::string>& fields) {
    return std::all_of(fields.begin(), fields.end(),
                       [](const std::string& field) { return TrimBlanks(field).empty(); });
}

std::string TrimBlanks(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

void AppendReason(std::string& reasons, const std::string& reason) {
    if (!reason.empty()) {
        reasons += (reasons.empty() ? "" : "; ") + reason;
    }
}

std::string StorableTextProblem(const std::string& text, const std::string& what) {
    const bool control = std::any_of(
        text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7f'; });
    if (control) {
        return what + " obsahuje tabulátor, konec řádku nebo jiný řídicí znak";
    }
    if (DecodeCp1250(EncodeCp1250(text)) != text) {
        return what + " obsahuje znak, který nelze uložit v kódování Windows-1250";
    }
    return {};
}

} // namespace hydrim
