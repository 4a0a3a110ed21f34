#include "export/WorkbookWarnings.h"

#include "core/hydrology/WarningTexts.h"
#include "core/results/WarningLists.h"
#include "export/WorkbookCells.h"
#include "export/WorkbookPrint.h"

#include <string>

namespace hydrim {
namespace {

constexpr double MessageColumnWidth = 110.0;
constexpr double ShortColumnWidth = 10.0;

} // namespace

void AddWarningsSheet(WorkbookFile& file, const Warnings& warnings) {
    if (warnings.empty() || file.Failed()) {
        return;
    }
    lxw_worksheet* sheet = file.AddWorksheet(WarningsSheetName);
    if (!sheet) {
        return;
    }
    CellFormat heading;
    heading.bold = true;
    CellFormat wrapped;
    wrapped.wrap = true;
    wrapped.align = CellFormat::Align::Left;
    lxw_format* headingFormat = file.Format(heading);
    lxw_format* textFormat = file.Format(wrapped);
    lxw_format* plainFormat = file.Format(CellFormat{}); // centred in the row, as the message
    const char* titles[] = {"Upozornění", "Týká se", "N [roky]", "Druh"};
    for (lxw_col_t column = 0; column < 4; ++column) {
        file.Check(worksheet_write_string(sheet, 0, column, titles[column], headingFormat),
                   "nadpis upozornění");
    }
    file.Check(worksheet_set_column(sheet, 0, 0, MessageColumnWidth, nullptr), "šířka sloupce");
    file.Check(worksheet_set_column(sheet, 1, 3, ShortColumnWidth, nullptr), "šířka sloupce");
    lxw_row_t row = 1;
    double height = DefaultRowHeight;
    // The warnings first, then the notes, each row with its kind.
    for (const WarningSeverity severity : {WarningSeverity::Warning, WarningSeverity::Note}) {
        for (const Warning& warning : OfSeverity(warnings, severity)) {
            // A wrapped text gets the height of its lines, which a spreadsheet
            // does not always work out when it prints.
            const double lines = WrappedRowHeight(CharacterCount(warning.Message), MessageColumnWidth);
            file.Check(worksheet_set_row(sheet, row, lines, nullptr), "výška řádku");
            height += lines;
            file.Check(worksheet_write_string(sheet, row, 0, warning.Message.c_str(), textFormat),
                       "upozornění");
            const std::string subject = SubjectName(warning.Subject, true);
            if (!subject.empty()) {
                file.Check(worksheet_write_string(sheet, row, 1, subject.c_str(), plainFormat), "upozornění");
            }
            if (warning.ReturnPeriod > 0) {
                file.Check(worksheet_write_number(sheet, row, 2, warning.ReturnPeriod, plainFormat),
                           "upozornění");
            }
            file.Check(worksheet_write_string(sheet, row, 3, SeverityLabel(severity), plainFormat),
                       "upozornění");
            ++row;
        }
    }
    SheetPrint print;
    print.Width = MessageColumnWidth + 3 * ShortColumnWidth;
    print.Columns = 4;
    print.Rows = static_cast<int>(row);
    print.Height = height;
    print.HeadingRows = 1;
    SetUpSheetPrinting(file, sheet, print);
}

} // namespace hydrim
