#include "export/SummaryWorkbook.h"

#include "export/WorkbookCells.h"
#include "export/WorkbookPrint.h"

#include <algorithm>
#include <array>

namespace hydrim {
namespace {

constexpr std::uint32_t HeaderFill = 0xD9E1F2, FailedFill = 0xF8CBAD, WarningFill = 0xFFF2CC;

// Column widths of the text columns (ID, name, source, variant, N, status,
// message) and of the values: narrow enough for the sheet to print at a
// readable size on one landscape page width.
constexpr std::array<double, SummaryTextColumns> TextWidths = {7, 18, 16, 8, 5, 11, 40};
constexpr double ValueWidth = 9;
// The texts that wrap: name, source, message.
constexpr std::array<size_t, 3> WrappedColumns = {1, 2, 6};

struct ErrorColumn {
    const char* name;
    double width;
};
constexpr std::array<ErrorColumn, 6> ErrorColumns = {
    {{"ID", 10}, {"Zdroj", 30}, {"Stav", 10}, {"Pole", 22}, {"Odmítnutá hodnota", 12}, {"Zpráva", 70}}};

double WidthOf(size_t column) {
    return column < SummaryTextColumns ? TextWidths[column] : ValueWidth;
}

std::uint32_t FillOf(RowStatus status) {
    switch (status) {
    case RowStatus::Invalid:
    case RowStatus::Partial:
        return FailedFill;
    case RowStatus::Warning:
        return WarningFill;
    case RowStatus::Ok:
    case RowStatus::NoRunoff:
        break;
    }
    return 0;
}

std::string NumberFormat(int decimals) {
    return decimals > 0 ? "0." + std::string(static_cast<size_t>(decimals), '0') : "0";
}

// The height of a row whose texts wrap in their columns.
double RowHeight(const std::vector<std::pair<const std::string*, double>>& wrapped) {
    double height = DefaultRowHeight;
    for (const auto& [text, width] : wrapped) {
        height = std::max(height, WrappedRowHeight(CharacterCount(*text), width));
    }
    return height;
}

} // namespace

struct SummaryWorkbook::Sheets {
    lxw_worksheet* summary = nullptr;
    lxw_worksheet* errors = nullptr;
    lxw_row_t summaryRow = 1, errorRow = 1;
    double summaryHeight = 0, errorHeight = 0; // printed rows [pt]
};

SummaryWorkbook::SummaryWorkbook(const std::string& path)
    : file_(std::make_unique<WorkbookFile>(path, true)), sheets_(std::make_unique<Sheets>()) {
    sheets_->summary = file_->AddWorksheet("Souhrn");
    sheets_->errors = file_->AddWorksheet("Chyby");
    WriteHeaders();
}

SummaryWorkbook::~SummaryWorkbook() = default;

void SummaryWorkbook::WriteHeaders() {
    if (!sheets_->summary || !sheets_->errors) {
        return;
    }
    CellFormat header;
    header.bold = true;
    header.fill = HeaderFill;
    header.bottom = Border::Thin;
    header.align = CellFormat::Align::Center;
    header.wrap = true;
    lxw_format* format = file_->Format(header);
    const std::vector<SummaryColumn>& columns = SummaryColumns();
    const std::vector<std::string> plain = SummaryColumnHeaders();
    double height = DefaultRowHeight;
    for (size_t c = 0; c < columns.size(); ++c) {
        const auto column = static_cast<lxw_col_t>(c);
        file_->Check(worksheet_set_column(sheets_->summary, column, column, WidthOf(c), nullptr),
                     "šířka sloupce");
        std::vector<TextRun> runs = SummaryHeaderRuns(columns[c]);
        for (TextRun& run : runs) {
            run.bold = true;
        }
        height = std::max(height, WrappedRowHeight(CharacterCount(plain[c]), WidthOf(c)));
        WriteRuns(*file_, sheets_->summary, 0, static_cast<int>(c), runs, format);
    }
    file_->Check(worksheet_set_row(sheets_->summary, 0, height, nullptr), "výška řádku");
    sheets_->summaryHeight = height;
    worksheet_freeze_panes(sheets_->summary, 1, 2);
    double errorHeight = DefaultRowHeight;
    for (size_t c = 0; c < ErrorColumns.size(); ++c) {
        const auto column = static_cast<lxw_col_t>(c);
        file_->Check(worksheet_set_column(sheets_->errors, column, column, ErrorColumns[c].width, nullptr),
                     "šířka sloupce");
        file_->Check(worksheet_write_string(sheets_->errors, 0, column, ErrorColumns[c].name, format),
                     "záhlaví");
        errorHeight = std::max(errorHeight,
                               WrappedRowHeight(CharacterCount(ErrorColumns[c].name), ErrorColumns[c].width));
    }
    file_->Check(worksheet_set_row(sheets_->errors, 0, errorHeight, nullptr), "výška řádku");
    sheets_->errorHeight = errorHeight;
    worksheet_freeze_panes(sheets_->errors, 1, 0);
}

void SummaryWorkbook::Add(const SummaryRow& row) {
    if (file_->Failed() || !sheets_->summary) {
        return;
    }
    CellFormat cell;
    cell.fill = FillOf(row.Status);
    CellFormat wrappedCell = cell;
    wrappedCell.wrap = true;
    CellFormat centred = cell;
    centred.align = CellFormat::Align::Center;
    const std::vector<std::string> cells = SummaryCells(row, false);
    const lxw_row_t r = sheets_->summaryRow;
    const double height =
        RowHeight({{&row.Name, TextWidths[1]}, {&row.Source, TextWidths[2]}, {&row.Message, TextWidths[6]}});
    if (height > DefaultRowHeight) {
        file_->Check(worksheet_set_row(sheets_->summary, r, height, nullptr), "výška řádku");
    }
    sheets_->summaryHeight += height;
    for (size_t c = 0; c < SummaryTextColumns; ++c) {
        const auto column = static_cast<lxw_col_t>(c);
        const bool wrapped =
            std::find(WrappedColumns.begin(), WrappedColumns.end(), c) != WrappedColumns.end();
        lxw_format* format = file_->Format(wrapped ? wrappedCell : c == 3 || c == 4 ? centred : cell);
        if (c == 4 && row.ReturnPeriod > 0) {
            file_->Check(worksheet_write_number(sheets_->summary, r, column, row.ReturnPeriod, format),
                         "buňka");
        } else if (!cells[c].empty() || cell.fill != 0) {
            file_->Check(worksheet_write_string(sheets_->summary, r, column, cells[c].c_str(), format),
                         "buňka");
        }
    }
    for (size_t v = 0; v < SummaryValueCount; ++v) {
        const auto column = static_cast<lxw_col_t>(SummaryTextColumns + v);
        CellFormat numberCell = cell;
        numberCell.numberFormat = NumberFormat(SummaryColumns()[SummaryTextColumns + v].Decimals);
        if (row.Values[v]) {
            file_->Check(worksheet_write_number(sheets_->summary, r, column, ShownValue(v, *row.Values[v]),
                                                file_->Format(numberCell)),
                         "buňka");
        } else if (cell.fill != 0) {
            file_->Check(worksheet_write_blank(sheets_->summary, r, column, file_->Format(cell)), "buňka");
        }
    }
    ++sheets_->summaryRow;
    if (row.Status == RowStatus::Invalid || row.Status == RowStatus::Partial) {
        AddError(row);
    }
}

void SummaryWorkbook::AddError(const SummaryRow& row) {
    const lxw_row_t e = sheets_->errorRow++;
    CellFormat wrapped;
    wrapped.wrap = true;
    lxw_format* format = file_->Format(wrapped);
    const std::array<std::string, ErrorColumns.size()> error = {
        row.Id, row.Source, RowStatusName(row.Status), row.Refused.Field, row.Refused.Value, row.Message};
    double height = DefaultRowHeight;
    for (size_t c = 0; c < error.size(); ++c) {
        height = std::max(height, WrappedRowHeight(CharacterCount(error[c]), ErrorColumns[c].width));
    }
    if (height > DefaultRowHeight) {
        file_->Check(worksheet_set_row(sheets_->errors, e, height, nullptr), "výška řádku");
    }
    sheets_->errorHeight += height;
    for (size_t c = 0; c < error.size(); ++c) {
        if (!error[c].empty()) {
            file_->Check(worksheet_write_string(sheets_->errors, e, static_cast<lxw_col_t>(c),
                                                error[c].c_str(), format),
                         "buňka");
        }
    }
}

Error SummaryWorkbook::Finish() {
    if (sheets_->summary && sheets_->errors) {
        SheetPrint summary;
        summary.Columns = static_cast<int>(SummaryColumns().size());
        for (size_t c = 0; c < SummaryColumns().size(); ++c) {
            summary.Width += WidthOf(c);
        }
        summary.Rows = static_cast<int>(sheets_->summaryRow);
        summary.Height = sheets_->summaryHeight;
        summary.HeadingRows = 1;
        SetUpSheetPrinting(*file_, sheets_->summary, summary);
        SheetPrint errors;
        errors.Columns = static_cast<int>(ErrorColumns.size());
        for (const ErrorColumn& column : ErrorColumns) {
            errors.Width += column.width;
        }
        errors.Rows = static_cast<int>(sheets_->errorRow);
        errors.Height = sheets_->errorHeight;
        errors.HeadingRows = 1;
        SetUpSheetPrinting(*file_, sheets_->errors, errors);
    }
    return file_->Commit();
}

} // namespace hydrim
