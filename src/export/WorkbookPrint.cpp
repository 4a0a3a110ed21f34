#include "export/WorkbookPrint.h"

#include <algorithm>
#include <cmath>

namespace hydrim {
namespace {

constexpr std::uint8_t PaperA4 = 9;
// The A4 page less the default margins (0.7 in left and right, 0.75 in top
// and bottom) [pt].
constexpr double PortraitWidth = 595.3 - 100.8, PortraitHeight = 841.9 - 108.0;
constexpr double LandscapeWidth = 841.9 - 100.8, LandscapeHeight = 595.3 - 108.0;
// A column w character units wide is 7 w + 5 pixels of 3/4 pt.
constexpr double PointsPerCharacter = 5.25, PointsPerColumn = 3.75;
// The most a long sheet is shrunk to fit a portrait page.
constexpr double MostShrunk = 0.85;
// A header or footer holds at most 255 characters with its codes.
constexpr size_t LongestTitle = 120;

double WidthInPoints(const SheetPrint& print) {
    return print.Width * PointsPerCharacter + print.Columns * PointsPerColumn;
}

double HeightInPoints(const SheetPrint& print) {
    return print.Height > 0 ? print.Height : print.Rows * DefaultRowHeight;
}

double Scale(double width, double height, double pageWidth, double pageHeight) {
    return std::min({1.0, pageWidth / std::max(width, 1.0), pageHeight / std::max(height, 1.0)});
}

// The first count characters of a UTF-8 text.
std::string FirstCharacters(const std::string& text, size_t count) {
    size_t characters = 0;
    for (size_t at = 0; at < text.size(); ++at) {
        if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80 && characters++ == count) {
            return text.substr(0, at) + "…";
        }
    }
    return text;
}

} // namespace

double WrappedRowHeight(size_t characters, double width) {
    // A unit of width holds about 1.1 characters of a proportional font's
    // text, those of the wide fonts that stand in for the default one too.
    const double perLine = std::max(1.0, std::floor(width * 1.1));
    const double lines = std::max(1.0, std::ceil(static_cast<double>(characters) / perLine));
    return lines * DefaultRowHeight;
}

bool PrintsInLandscape(const SheetPrint& print) {
    const double width = WidthInPoints(print);
    if (!print.OnePage) {
        // A long sheet keeps portrait pages while they shrink it but a little.
        return width * MostShrunk > PortraitWidth;
    }
    const double height = HeightInPoints(print);
    return Scale(width, height, LandscapeWidth, LandscapeHeight) >
           Scale(width, height, PortraitWidth, PortraitHeight);
}

std::string PageHeader(const std::string& title) {
    std::string escaped;
    for (const char c : FirstCharacters(title, LongestTitle)) {
        escaped += c == '&' ? std::string("&&") : std::string(1, c);
    }
    return "&L" + escaped + "&R&A";
}

std::string PageFooter() {
    return "&Cstrana &P z &N";
}

void SetUpSheetPrinting(WorkbookFile& file, lxw_worksheet* sheet, const SheetPrint& print) {
    if (!sheet || file.Failed()) {
        return;
    }
    worksheet_set_paper(sheet, PaperA4);
    if (PrintsInLandscape(print)) {
        worksheet_set_landscape(sheet);
    } else {
        worksheet_set_portrait(sheet);
    }
    worksheet_fit_to_pages(sheet, 1, print.OnePage ? 1 : 0);
    const auto lastRow = static_cast<lxw_row_t>(std::max(print.Rows, 1) - 1);
    const auto lastColumn = static_cast<lxw_col_t>(std::max(print.Columns, 1) - 1);
    file.Check(worksheet_print_area(sheet, 0, 0, lastRow, lastColumn), "oblast tisku");
    if (print.HeadingRows > 0) {
        file.Check(worksheet_repeat_rows(sheet, 0, static_cast<lxw_row_t>(print.HeadingRows - 1)),
                   "opakované řádky tisku");
    }
    file.Check(worksheet_set_header(sheet, PageHeader(file.Title()).c_str()), "záhlaví stránky");
    file.Check(worksheet_set_footer(sheet, PageFooter().c_str()), "zápatí stránky");
}

void SetUpChartPrinting(WorkbookFile& file, lxw_chartsheet* sheet) {
    if (!sheet || file.Failed()) {
        return;
    }
    chartsheet_set_paper(sheet, PaperA4);
    chartsheet_set_landscape(sheet);
    file.Check(chartsheet_set_header(sheet, PageHeader(file.Title()).c_str()), "záhlaví stránky");
    file.Check(chartsheet_set_footer(sheet, PageFooter().c_str()), "zápatí stránky");
}

} // namespace hydrim
