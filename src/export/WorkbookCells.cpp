#include "export/WorkbookCells.h"

#include "core/project/DecimalText.h"

#include <algorithm>
#include <cmath>

namespace hydrim {
namespace {

// Padding of an estimated column width, and the narrowest column.
constexpr double WidthPadding = 2.0;
constexpr double WidthPerCharacter = 1.1;
constexpr double MinimumWidth = 4.0;

std::string_view Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// "0", "0.00", "0.00E+0": the format showing as many decimals as the text.
std::string FormatFor(std::string_view number) {
    const size_t exponent = number.find_first_of("Ee");
    const std::string_view mantissa = number.substr(0, exponent);
    const size_t point = mantissa.find('.');
    const size_t decimals = point == std::string_view::npos ? 0 : mantissa.size() - point - 1;
    std::string format = "0";
    if (decimals > 0) {
        format += "." + std::string(decimals, '0');
    }
    if (exponent != std::string_view::npos) {
        format += "E+0";
    }
    return format;
}

bool IsPlain(const std::vector<TextRun>& runs) {
    return std::all_of(runs.begin(), runs.end(),
                       [](const TextRun& run) { return run.position == TextRun::Normal; });
}

std::string Joined(const std::vector<TextRun>& runs) {
    std::string text;
    for (const TextRun& run : runs) {
        text += run.symbolFont ? SymbolFontToUnicode(run.text) : run.text;
    }
    return text;
}

} // namespace

std::optional<DisplayedNumber> ParseDisplayedNumber(std::string_view text, char decimalSeparator) {
    std::string number(Trim(text));
    DecimalSpelling spelling;
    spelling.Separator = decimalSeparator;
    spelling.Sign = true;
    spelling.Exponent = true;
    const std::optional<double> value = ReadDecimal(number, spelling);
    if (!value) {
        return std::nullopt;
    }
    const size_t separator = number.find(decimalSeparator);
    if (separator != std::string::npos) {
        number[separator] = '.';
    }
    return DisplayedNumber{*value, FormatFor(number)};
}

size_t CharacterCount(std::string_view text) {
    return static_cast<size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

void WriteRuns(WorkbookFile& file, lxw_worksheet* sheet, int row, int column,
               const std::vector<TextRun>& runs, lxw_format* format) {
    const auto r = static_cast<lxw_row_t>(row);
    const auto c = static_cast<lxw_col_t>(column);
    if (runs.empty()) {
        file.Check(worksheet_write_blank(sheet, r, c, format), "prázdná buňka");
        return;
    }
    if (runs.size() == 1 || IsPlain(runs)) {
        // A lone raised or lowered run is still written as a whole cell.
        file.Check(worksheet_write_string(sheet, r, c, Joined(runs).c_str(), format), "text buňky");
        return;
    }
    std::vector<std::string> texts;
    std::vector<lxw_rich_string_tuple> fragments;
    texts.reserve(runs.size());
    fragments.reserve(runs.size());
    for (const TextRun& run : runs) {
        texts.push_back(run.symbolFont ? SymbolFontToUnicode(run.text) : run.text);
        fragments.push_back({file.RunFormat(run.bold, run.position), texts.back().data()});
    }
    std::vector<lxw_rich_string_tuple*> pointers;
    for (lxw_rich_string_tuple& fragment : fragments) {
        pointers.push_back(&fragment);
    }
    pointers.push_back(nullptr);
    file.Check(worksheet_write_rich_string(sheet, r, c, pointers.data(), format), "formátovaný text buňky");
}

void TrimRuns(std::vector<TextRun>& runs) {
    while (!runs.empty()) {
        std::string& text = runs.front().text;
        text.erase(0, std::min(text.size(), text.find_first_not_of(' ')));
        if (!text.empty()) {
            break;
        }
        runs.erase(runs.begin());
    }
    while (!runs.empty()) {
        std::string& text = runs.back().text;
        const size_t last = text.find_last_not_of(' ');
        text.erase(last == std::string::npos ? 0 : last + 1);
        if (!text.empty()) {
            break;
        }
        runs.pop_back();
    }
}

void ColumnWidths::Note(int column, size_t characters) {
    if (column < 0) {
        return;
    }
    const auto index = static_cast<size_t>(column);
    if (index >= widest_.size()) {
        widest_.resize(index + 1, 0);
    }
    widest_[index] = std::max(widest_[index], characters);
}

double ColumnWidths::WidthFor(size_t characters) {
    return std::max(MinimumWidth,
                    std::ceil(static_cast<double>(characters) * WidthPerCharacter + WidthPadding));
}

double ColumnWidths::Total() const {
    double total = 0;
    for (const size_t characters : widest_) {
        total += WidthFor(characters);
    }
    return total;
}

void ColumnWidths::Apply(WorkbookFile& file, lxw_worksheet* sheet) const {
    for (size_t column = 0; column < widest_.size(); ++column) {
        const auto c = static_cast<lxw_col_t>(column);
        file.Check(worksheet_set_column(sheet, c, c, WidthFor(widest_[column]), nullptr), "šířka sloupce");
    }
}

} // namespace hydrim
