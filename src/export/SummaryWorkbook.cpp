#include "export/SummaryWorkbook.h"

#include "export/Workbook.h"

#include <array>

namespace hydrim {
namespace {

constexpr std::uint32_t HeaderFill = 0xD9E1F2, FailedFill = 0xF8CBAD, WarningFill = 0xFFF2CC;

// Number formats of the value columns in SummaryValue order: durations in
// whole minutes, depths in mm to two decimals, discharges to three, volumes whole.
constexpr std::array<const char*, SummaryValueCount> ValueFormats = {
    "0", "0", "0", "0.00", "0.00", "0.00", "0.00", "0.000", "0.000", "0.000", "0", "0", "0", "0"};

// Column widths of the text columns: id, name, source, variant, N, status, message.
constexpr std::array<double, SummaryTextColumns> TextWidths = {10, 28, 24, 9, 9, 10, 50};

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

} // namespace

struct SummaryWorkbook::Sheets {
    lxw_worksheet* summary = nullptr;
    lxw_worksheet* errors = nullptr;
    lxw_row_t summaryRow = 1, errorRow = 1;
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
    const std::vector<std::string> names = SummaryColumnHeaders();
    for (size_t c = 0; c < names.size(); ++c) {
        const auto column = static_cast<lxw_col_t>(c);
        const double width = c < SummaryTextColumns ? TextWidths[c] : 11;
        file_->Check(worksheet_set_column(sheets_->summary, column, column, width, nullptr), "šířka sloupce");
        file_->Check(worksheet_write_string(sheets_->summary, 0, column, names[c].c_str(), format),
                     "záhlaví");
    }
    worksheet_freeze_panes(sheets_->summary, 1, 2);
    const std::array<const char*, 4> errorNames = {"id", "zdroj", "stav", "zprava"};
    const std::array<double, 4> errorWidths = {12, 30, 10, 100};
    for (size_t c = 0; c < errorNames.size(); ++c) {
        const auto column = static_cast<lxw_col_t>(c);
        file_->Check(worksheet_set_column(sheets_->errors, column, column, errorWidths[c], nullptr),
                     "šířka sloupce");
        file_->Check(worksheet_write_string(sheets_->errors, 0, column, errorNames[c], format), "záhlaví");
    }
    worksheet_freeze_panes(sheets_->errors, 1, 0);
}

void SummaryWorkbook::Add(const SummaryRow& row) {
    if (file_->Failed() || !sheets_->summary) {
        return;
    }
    CellFormat cell;
    cell.fill = FillOf(row.Status);
    lxw_format* text = file_->Format(cell);
    const std::vector<std::string> cells = SummaryCells(row, false);
    const lxw_row_t r = sheets_->summaryRow;
    for (size_t c = 0; c < SummaryTextColumns; ++c) {
        const auto column = static_cast<lxw_col_t>(c);
        const int number = c == 3 ? row.Variant : c == 4 ? row.ReturnPeriod : 0;
        if (number > 0) {
            file_->Check(worksheet_write_number(sheets_->summary, r, column, number, text), "buňka");
        } else if (!cells[c].empty() || cell.fill != 0) {
            file_->Check(worksheet_write_string(sheets_->summary, r, column, cells[c].c_str(), text),
                         "buňka");
        }
    }
    for (size_t v = 0; v < SummaryValueCount; ++v) {
        const auto column = static_cast<lxw_col_t>(SummaryTextColumns + v);
        CellFormat numberCell = cell;
        numberCell.numberFormat = ValueFormats[v];
        if (row.Values[v]) {
            file_->Check(worksheet_write_number(sheets_->summary, r, column, *row.Values[v],
                                                file_->Format(numberCell)),
                         "buňka");
        } else if (cell.fill != 0) {
            file_->Check(worksheet_write_blank(sheets_->summary, r, column, text), "buňka");
        }
    }
    ++sheets_->summaryRow;
    if (row.Status == RowStatus::Invalid || row.Status == RowStatus::Partial) {
        const lxw_row_t e = sheets_->errorRow++;
        const std::array<std::string, 4> error = {row.Id, row.Source, RowStatusText(row.Status), row.Message};
        for (size_t c = 0; c < error.size(); ++c) {
            file_->Check(worksheet_write_string(sheets_->errors, e, static_cast<lxw_col_t>(c),
                                                error[c].c_str(), nullptr),
                         "buňka");
        }
    }
}

Error SummaryWorkbook::Finish() {
    return file_->Commit();
}

} // namespace hydrim
