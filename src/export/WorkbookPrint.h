// How the sheets of a workbook print, so that a spreadsheet prints them as a
// document that stands on its own: A4, fitted to one page wide (a short
// table on one page), portrait unless the sheet is wider than a portrait
// page, the heading rows repeated on every page, the print area over the
// written cells, the workbook's title and the sheet's name in the page
// header and "strana X z Y" in the footer. A chart sheet prints in
// landscape with the same header and footer.
#pragma once

#include "export/Workbook.h"

#include <cstddef>
#include <string>

namespace hydrim {

// The printed extent of a worksheet.
struct SheetPrint {
    double Width = 0;     // the printed columns' widths summed [character units]
    int Columns = 1;      // printed columns, from the first
    int Rows = 1;         // printed rows, from the first
    double Height = 0;    // the printed rows' heights summed [pt]; 0: Rows of DefaultRowHeight
    int HeadingRows = 0;  // rows from the first repeated at the top of every page
    bool OnePage = false; // a short table, fitted on one page
};

// The height [pt] of a row of the default font, and of a row whose text of
// characters wraps in a column width character units wide.
inline constexpr double DefaultRowHeight = 15.0;
double WrappedRowHeight(size_t characters, double width);

// Whether a sheet of this extent prints in landscape.
bool PrintsInLandscape(const SheetPrint& print);

void SetUpSheetPrinting(WorkbookFile& file, lxw_worksheet* sheet, const SheetPrint& print);
void SetUpChartPrinting(WorkbookFile& file, lxw_chartsheet* sheet);

// The page header and footer in the spreadsheet's codes: the title on the
// left ("&" doubled, cut to fit), the sheet on the right; "strana &P z &N".
std::string PageHeader(const std::string& title);
std::string PageFooter();

} // namespace hydrim
