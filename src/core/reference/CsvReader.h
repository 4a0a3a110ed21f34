// CSV text as a Czech spreadsheet writes it: UTF-8 (with or without a
// byte-order mark) or Windows-1250, fields separated by ';' (or by TAB or
// ','), fields in double quotes with "" for a quote inside, numbers with a
// decimal comma or point.
#pragma once

#include "core/project/Error.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hydrim {

struct CsvRecord {
    size_t Line = 0;                 // the line the record begins on, 1-based
    std::vector<std::string> Fields; // UTF-8, blanks around each field removed
};

struct CsvText {
    std::vector<CsvRecord> Records; // blank records left out, trailing empty fields dropped
    char Separator = ';';
    hydrim::Error Error; // Czech; the text could not be read
    bool ok() const { return !Error; }
};

// Splits the bytes of a CSV file into records. The separator is the one a
// first line "sep=X" names, else the first of ';', TAB and ',' found outside
// quotes on the first line.
CsvText ParseCsv(std::string_view bytes);

// Receives the records of a text one at a time, as they are read.
using CsvRecordSink = std::function<void(CsvRecord&& record)>;

// ParseCsv and ReadCsvFile for a long text: each record goes to sink as it is
// read and none is kept (the result's Records stay empty), so a caller can
// keep them in a compact form of its own.
CsvText ParseCsvRecords(std::string_view bytes, const CsvRecordSink& sink);
CsvText ReadCsvFileRecords(const std::string& path, size_t largest, const CsvRecordSink& sink);

// Reads and parses a CSV file; a file that cannot be read, or one larger than
// largest bytes (by default a few megabytes), gives an error.
CsvText ReadCsvFile(const std::string& path, size_t largest = 8u * 1024u * 1024u);

// A decimal number with a decimal comma or point ("12,5", "045.50"), written
// back with a point and without needless zeros ("12.5", "45.5"). Nothing for
// any other text (signs, exponents, letters, thousands separators).
std::optional<std::string> CsvDecimal(const std::string& text);

} // namespace hydrim
