// Cell-level helpers of the workbook writers: numbers recovered from the
// texts a result grid shows, rich text from styled runs, and column widths
// estimated from the length of the texts (the file carries no fonts to
// measure with, so "auto-fit" is an estimate).
#pragma once

#include "core/results/CellMarkup.h"
#include "export/Workbook.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hydrim {

// A value text of a result grid as a number and the number format that
// shows it as the grid does ("  1,25" -> 1.25 with "0.00"; "  7" -> 7 with
// "0"; "  1.23E+3" -> 1230 with "0.00E+0"), read as a number shown in a
// result grid (core/project/DecimalText.h) with decimalSeparator as its
// decimal separator. Texts that are not a whole number (titles, units, empty
// cells) give nothing.
struct DisplayedNumber {
    double value = 0;
    std::string format;
};
std::optional<DisplayedNumber> ParseDisplayedNumber(std::string_view text, char decimalSeparator);

// Characters (not bytes) of a UTF-8 text.
size_t CharacterCount(std::string_view text);

// Writes runs into a cell: a plain string when they carry no lowered or
// raised part, else a rich string with subscript and superscript fragments.
// Texts of the "Symbol" font are written as the Greek letters they show.
// An empty run list writes a blank cell with the format (borders, fill).
void WriteRuns(WorkbookFile& file, lxw_worksheet* sheet, int row, int column,
               const std::vector<TextRun>& runs, lxw_format* format);

// Removes the blanks before the first and after the last character of the
// runs, dropping runs left empty.
void TrimRuns(std::vector<TextRun>& runs);

// Widest text per column, in characters; Apply sets the column widths.
class ColumnWidths {
public:
    void Note(int column, size_t characters);
    void Note(int column, std::string_view text) { Note(column, CharacterCount(text)); }
    // Width in the spreadsheet's character units for a text of n characters.
    static double WidthFor(size_t characters);
    void Apply(WorkbookFile& file, lxw_worksheet* sheet) const;
    // The columns noted so far and their widths summed, as Apply sets them.
    int Count() const { return static_cast<int>(widest_.size()); }
    double Total() const;

private:
    std::vector<size_t> widest_;
};

} // namespace hydrim
