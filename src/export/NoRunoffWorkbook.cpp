#include "export/NoRunoffWorkbook.h"

#include "export/Workbook.h"
#include "export/WorkbookCells.h"
#include "export/WorkbookPrint.h"
#include "export/WorkbookWarnings.h"

#include <algorithm>
#include <string>
#include <vector>

namespace hydrim {

namespace {

constexpr int LabelColumn = 0, ValueColumn = 1, UnitColumn = 2;
// A sentence is broken into rows of at most this many characters, so that it
// stays within the three columns on a printed page.
constexpr size_t RowCharacters = 72;

// The words of text in lines of at most width characters (a longer word
// stands alone).
std::vector<std::string> WrappedRows(const std::string& text, size_t width) {
    std::vector<std::string> rows;
    std::string row;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find(' ', start), text.size());
        const std::string word = text.substr(start, end - start);
        if (!row.empty() && CharacterCount(row) + 1 + CharacterCount(word) > width) {
            rows.push_back(row);
            row.clear();
        }
        row += (row.empty() ? "" : " ") + word;
        start = end + 1;
    }
    rows.push_back(row);
    return rows;
}

class NoRunoffSheet {
public:
    NoRunoffSheet(WorkbookFile& file, lxw_worksheet* sheet) : file_(file), sheet_(sheet) {
        CellFormat bold;
        bold.bold = true;
        bold_ = file.Format(bold);
    }

    void heading(const std::string& text) {
        file_.Check(worksheet_write_string(sheet_, row_++, LabelColumn, text.c_str(), bold_), "nadpis");
    }

    // Running text, over as many rows as it takes; the cells beside it stay empty.
    void text(const std::string& text, bool bold = false) {
        for (const std::string& row : WrappedRows(text, RowCharacters)) {
            file_.Check(
                worksheet_write_string(sheet_, row_++, LabelColumn, row.c_str(), bold ? bold_ : nullptr),
                "text");
        }
    }

    // The value as a number when it is one ("1.6" typed), else as typed.
    void value(const InputLine& line) {
        const auto row = static_cast<lxw_row_t>(row_);
        file_.Check(worksheet_write_string(sheet_, row, LabelColumn, line.Label.c_str(), nullptr), "popis");
        widths_.Note(LabelColumn, line.Label);
        if (const auto number = ParseDisplayedNumber(line.Value, '.')) {
            CellFormat shown;
            shown.numberFormat = number->format;
            shown.align = CellFormat::Align::Left;
            file_.Check(worksheet_write_number(sheet_, row, ValueColumn, number->value, file_.Format(shown)),
                        "hodnota");
        } else {
            file_.Check(worksheet_write_string(sheet_, row, ValueColumn, line.Value.c_str(), nullptr),
                        "hodnota");
        }
        widths_.Note(ValueColumn, line.Value);
        if (!line.Unit.empty()) {
            file_.Check(worksheet_write_string(sheet_, row, UnitColumn, line.Unit.c_str(), nullptr),
                        "jednotka");
            widths_.Note(UnitColumn, line.Unit);
        }
        ++row_;
    }

    void skip() { ++row_; }
    // Column widths, and the sheet printed as every sheet of the program's workbooks.
    void finish() {
        widths_.Apply(file_, sheet_);
        SheetPrint print;
        print.Width = widths_.Total();
        print.Columns = UnitColumn + 1;
        print.Rows = row_;
        print.OnePage = true;
        SetUpSheetPrinting(file_, sheet_, print);
    }

private:
    WorkbookFile& file_;
    lxw_worksheet* sheet_;
    lxw_format* bold_ = nullptr;
    int row_ = 0;
    ColumnWidths widths_;
};

} // namespace

Error WriteNoRunoffWorkbook(const std::string& path, const std::vector<InputBlock>& inputs,
                            const std::string& message, const Warnings& warnings, const std::string& title) {
    WorkbookFile file(path);
    file.SetTitle(title);
    if (lxw_worksheet* sheet = file.AddWorksheet("Vstup")) {
        NoRunoffSheet writer(file, sheet);
        writer.heading("Vstupní údaje");
        for (const InputBlock& block : inputs) {
            writer.heading(block.Heading);
            for (const InputLine& line : block.Lines) {
                writer.value(line);
            }
            for (const std::string& note : block.Notes) {
                writer.text(note);
            }
        }
        writer.skip();
        writer.heading("Výsledek výpočtu");
        size_t start = 0;
        for (bool first = true; start <= message.size(); first = false) {
            const size_t end = std::min(message.find('\n', start), message.size());
            writer.text(message.substr(start, end - start), first);
            start = end + 1;
        }
        writer.finish();
    }
    AddWarningsSheet(file, warnings);
    return file.Commit();
}

} // namespace hydrim
