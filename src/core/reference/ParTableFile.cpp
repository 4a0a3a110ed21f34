#include "core/reference/ParTableFile.h"

#include "core/project/TextCodec.h"

#include <charconv>

namespace hydrim {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The rest of a coefficient's line is ignored (a unit, a comment), but a
// decimal point, comma or exponent followed by a digit would make the number
// a real one whose integer part is not what the line says: "12.5", "1e3".
bool ContinuesAsRealNumber(const char* end, const char* last) {
    if (last - end < 2) {
        return false;
    }
    const char c = end[0];
    return (c == '.' || c == ',' || c == 'e' || c == 'E') && IsDigit(end[1]);
}

// Walks the lines of the table as a reader of integers does: blanks and
// line breaks before a number are skipped, the rest of its line is dropped.
class IntegerLineReader {
public:
    IntegerLineReader(const std::vector<std::string>& lines, const std::string& fileName)
        : lines_(lines), fileName_(fileName) {}

    // Reads the next integer; on failure returns false and sets error.
    bool next(int& value, std::string& error) {
        while (line_ < lines_.size() && FirstNonBlank(lines_[line_]) == std::string::npos) {
            ++line_;
        }
        if (line_ >= lines_.size()) {
            error = "Soubor \"" + fileName_ + "\" je neúplný: chybí číslo na řádku " +
                    std::to_string(line_ + 1) + " (očekáváno " + std::to_string(ParTableLines) + " řádků).";
            return false;
        }
        const std::string& text = lines_[line_];
        const char* first = text.data() + FirstNonBlank(text);
        const char* last = text.data() + text.size();
        if (*first == '+') {
            ++first; // a plus sign is allowed, as in any integer read from text
        }
        const auto [end, ec] = std::from_chars(first, last, value);
        if (ec != std::errc() || ContinuesAsRealNumber(end, last)) {
            error = "Chybný údaj v souboru \"" + fileName_ + "\" na řádku " + std::to_string(line_ + 1) +
                    ": \"" + text + "\" není celé číslo.";
            return false;
        }
        ++line_;
        return true;
    }

    // Drops one whole line (the separator or comment line of a record).
    void skipLine() {
        if (line_ < lines_.size()) {
            ++line_;
        }
    }

private:
    static size_t FirstNonBlank(const std::string& text) {
        for (size_t i = 0; i < text.size(); ++i) {
            if (!IsBlank(text[i])) {
                return i;
            }
        }
        return std::string::npos;
    }

    const std::vector<std::string>& lines_;
    const std::string& fileName_;
    size_t line_ = 0;
};

} // namespace

Error ParseParTable(const std::vector<std::string>& lines, const std::string& fileName, ParTable& table) {
    ParTable read;
    IntegerLineReader reader(lines, fileName);
    std::string error;
    for (int band = 1; band <= ParTableBands; ++band) {
        for (int group = 1; group <= ParTableGroups; ++group) {
            for (int& value : read.Values[group][band]) {
                if (!reader.next(value, error)) {
                    return {error};
                }
            }
            reader.skipLine();
        }
    }
    table = read;
    return {};
}

Error ReadParTable(const std::string& path, ParTable& table) {
    const TextFileLines file = ReadTextFileLines(path, 1u << 20);
    if (!file.ok()) {
        return {"Tabulku koeficientů nelze načíst. " + file.error};
    }
    return ParseParTable(file.lines, path, table);
}

} // namespace hydrim
