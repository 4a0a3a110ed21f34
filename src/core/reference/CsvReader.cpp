#include "core/reference/CsvReader.h"

#include "core/project/TextCodec.h"
#include "core/reference/TableRows.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace hydrim {

namespace {

// UTF-8 text of the file's bytes; empty optional for UTF-16, which a
// spreadsheet writes as "Unicode text" and which is not CSV.
std::optional<std::string> DecodeCsv(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        return std::nullopt;
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    return IsUtf8(bytes) ? std::string(bytes) : DecodeCp1250(bytes);
}

char DetectSeparator(std::string_view text) {
    bool quoted = false;
    bool semicolon = false, tab = false, comma = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == '\r' || c == '\n')) {
            break;
        } else if (!quoted) {
            semicolon = semicolon || c == ';';
            tab = tab || c == '\t';
            comma = comma || c == ',';
        }
    }
    return semicolon ? ';' : tab ? '\t' : comma ? ',' : ';';
}

// Accumulates fields and records while the text is scanned.
class RecordBuilder {
public:
    void addCharacter(char c) { field_ += c; }
    bool fieldStarted() const { return !TrimBlanks(field_).empty(); }
    void clearField() { field_.clear(); }
    void endField() {
        fields_.push_back(TrimBlanks(field_));
        field_.clear();
    }
    void endRecord(const CsvRecordSink& sink, size_t nextLine) {
        endField();
        while (!fields_.empty() && fields_.back().empty()) {
            fields_.pop_back();
        }
        if (!fields_.empty()) {
            sink({line_, std::move(fields_)});
        }
        fields_.clear();
        line_ = nextLine;
    }

private:
    std::string field_;
    std::vector<std::string> fields_;
    size_t line_ = 1;
};

void SplitRecords(std::string_view text, char separator, const CsvRecordSink& sink) {
    RecordBuilder builder;
    size_t line = 1;
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool lineEnd = c == '\n' || (c == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'));
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                builder.addCharacter('"');
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else if (c != '\r') {
                builder.addCharacter(c);
            }
            line += lineEnd ? 1 : 0;
            continue;
        }
        if (c == '"' && !builder.fieldStarted()) {
            builder.clearField();
            quoted = true;
        } else if (c == separator) {
            builder.endField();
        } else if (lineEnd) {
            builder.endRecord(sink, ++line);
        } else if (c != '\r') {
            builder.addCharacter(c);
        }
    }
    builder.endRecord(sink, line);
}

} // namespace

CsvText ParseCsv(std::string_view bytes) {
    CsvText result;
    const CsvText read =
        ParseCsvRecords(bytes, [&](CsvRecord&& record) { result.Records.push_back(std::move(record)); });
    result.Separator = read.Separator;
    result.Error = read.Error;
    return result;
}

CsvText ParseCsvRecords(std::string_view bytes, const CsvRecordSink& sink) {
    CsvText result;
    const std::optional<std::string> text = DecodeCsv(bytes);
    if (!text) {
        result.Error = {"Soubor je v kódování UTF-16. Uložte jej z tabulkového procesoru jako CSV "
                        "v kódování UTF-8 nebo Windows-1250."};
        return result;
    }
    // A spreadsheet may name its separator on a first line "sep=;"; the line
    // is then no data (it stays counted, so line numbers keep to the file).
    std::string data = *text;
    const bool named = data.starts_with("sep=") && data.size() > 4 &&
                       (data.size() == 5 || data[5] == '\r' || data[5] == '\n');
    result.Separator = named ? data[4] : DetectSeparator(data);
    if (named) {
        data.erase(0, 5);
    }
    SplitRecords(data, result.Separator, sink);
    return result;
}

CsvText ReadCsvFile(const std::string& path, size_t largest) {
    CsvText result;
    const CsvText read = ReadCsvFileRecords(
        path, largest, [&](CsvRecord&& record) { result.Records.push_back(std::move(record)); });
    result.Separator = read.Separator;
    result.Error = read.Error;
    return result;
}

CsvText ReadCsvFileRecords(const std::string& path, size_t largest, const CsvRecordSink& sink) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        CsvText result;
        result.Error = {"Soubor \"" + path + "\" nelze otevřít."};
        return result;
    }
    // Read in blocks so that a large limit does not reserve its memory up front.
    std::string bytes;
    std::string block(1u << 16, '\0');
    while (bytes.size() <= largest &&
           in.read(block.data(), static_cast<std::streamsize>(block.size())).gcount() > 0) {
        bytes.append(block.data(), static_cast<size_t>(in.gcount()));
    }
    if (bytes.size() > largest) {
        CsvText result;
        result.Error = {"Soubor \"" + path + "\" je pro tabulku příliš velký."};
        return result;
    }
    return ParseCsvRecords(bytes, sink);
}

std::optional<std::string> CsvDecimal(const std::string& text) {
    const std::string trimmed = TrimBlanks(text);
    const size_t point = trimmed.find_first_of(".,");
    const std::string whole = trimmed.substr(0, point);
    const std::string fraction = point == std::string::npos ? std::string() : trimmed.substr(point + 1);
    const auto digits = [](const std::string& part) {
        return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (whole.empty() || !digits(whole) || !digits(fraction) ||
        (point != std::string::npos && fraction.empty())) {
        return std::nullopt;
    }
    std::string number = whole.substr(std::min(whole.find_first_not_of('0'), whole.size() - 1));
    const size_t lastDigit = fraction.find_last_not_of('0');
    if (lastDigit != std::string::npos) {
        number += "." + fraction.substr(0, lastDigit + 1);
    }
    return number;
}

} // namespace hydrim
