// The result tables as worksheets: grid cell (r, c) goes to sheet cell
// (r, c) (hidden columns left out), value texts become numbers with the
// decimals shown on screen, symbols and units keep their lowered and raised
// parts, section rows are merged, bold and shaded, and the table is framed.
#include "export/WorkbookCells.h"
#include "export/WorkbookExport.h"
#include "export/WorkbookPrint.h"
#include "export/WorkbookWarnings.h"

#include <algorithm>
#include <array>

namespace hydrim {
namespace {

constexpr std::uint32_t HeadingFill = 0xCCFFFF; // light cyan (204, 255, 255)
constexpr std::uint32_t PeakFill = 0xFFFFCC;    // light yellow (255, 255, 204)

// Progress after each sheet of the Variant I table export; the last sheet
// brings it to 950.
constexpr std::array<int, 7> VariantISheetProgress = {100, 250, 350, 500, 650, 750, 850};
constexpr int SheetsDoneProgress = 950;

int ProgressAfterSheet(size_t done, size_t count) {
    if (done >= count) {
        return SheetsDoneProgress;
    }
    if (count == VariantISheetProgress.size() + 1) {
        return VariantISheetProgress[done - 1];
    }
    return static_cast<int>(SheetsDoneProgress * done / count);
}

// The grid as the sheet shows it: the visible columns, left to right.
struct SheetLayout {
    std::vector<int> columns; // grid column of each sheet column
    int rows = 0;
    int SheetColumnOf(int gridColumn) const {
        const auto found = std::find(columns.begin(), columns.end(), gridColumn);
        return found == columns.end() ? -1 : static_cast<int>(found - columns.begin());
    }
};

SheetLayout LayoutOf(const ResultGrid& grid) {
    SheetLayout layout;
    layout.rows = grid.RowCount();
    for (int c = 0; c < grid.ColumnCount(); ++c) {
        const auto index = static_cast<size_t>(c);
        if (index >= grid.VisibleColumns.size() || grid.VisibleColumns[index]) {
            layout.columns.push_back(c);
        }
    }
    return layout;
}

bool IsSectionRow(const ResultGrid& grid, int row) {
    if (grid.Kind == GridKind::Variant23) {
        return grid.HeadingAcrossRow(row);
    }
    return grid.IsBoldRow(row);
}

// Value cells are written as numbers: the value columns and every column
// from the third on except the unit column.
bool IsNumericColumn(const ResultGrid& grid, int column) {
    if (column == grid.UnitColumn) {
        return false;
    }
    return column >= 2 ||
           std::find(grid.ValueColumns.begin(), grid.ValueColumns.end(), column) != grid.ValueColumns.end();
}

// Sheet rows of the grid rows: rows without any text at the top of a grid
// are left out (the catchment summary opens with one), and a row of several
// lines (the five return periods of the inputs sheet) takes one sheet row
// per line, so that every value has a cell of its own.
struct RowPlacement {
    int firstRow = 0;          // first grid row written
    std::vector<int> sheetRow; // per grid row; -1 for a row left out
    std::vector<int> lines;    // sheet rows per grid row
};

RowPlacement PlaceRows(const ResultGrid& grid) {
    RowPlacement placement;
    placement.firstRow = grid.FirstShownRow();
    int next = 0;
    for (int row = 0; row < grid.RowCount(); ++row) {
        const auto index = static_cast<size_t>(row);
        const int lines = index < grid.RowLines.size() ? std::max(1, grid.RowLines[index]) : 1;
        placement.lines.push_back(lines);
        placement.sheetRow.push_back(row < placement.firstRow ? -1 : next);
        next += row < placement.firstRow ? 0 : lines;
    }
    return placement;
}

class TableSheetWriter {
public:
    TableSheetWriter(WorkbookFile& file, lxw_worksheet* sheet, const ResultGrid& grid, char separator)
        : file_(file), sheet_(sheet), grid_(grid), separator_(separator), layout_(LayoutOf(grid)),
          rows_(PlaceRows(grid)) {}

    void Write() {
        for (int row = rows_.firstRow; row < layout_.rows; ++row) {
            if (IsSectionRow(grid_, row)) {
                WriteSectionRow(row);
            } else {
                WriteRow(row);
            }
        }
        WriteSpans();
        widths_.Apply(file_, sheet_);
        SheetPrint print;
        print.Width = widths_.Total();
        print.Columns = static_cast<int>(layout_.columns.size());
        print.Rows = SheetRow(layout_.rows - 1) + Lines(layout_.rows - 1);
        print.HeadingRows = 1;
        print.OnePage = true;
        SetUpSheetPrinting(file_, sheet_, print);
    }

private:
    // The cell's format without its number format: bold and fill of the
    // row, thin rules inside and a medium frame around the table.
    CellFormat BaseFormat(int row, int sheetColumn, bool section) const {
        const CellStyle style = RowStyle(grid_, row);
        CellFormat format;
        format.bold = style.bold || section;
        if (section || style.background == CellStyle::Heading) {
            format.fill = HeadingFill;
        } else if (style.background == CellStyle::Peak) {
            format.fill = PeakFill;
        }
        const int lastColumn = static_cast<int>(layout_.columns.size()) - 1;
        format.top = row == rows_.firstRow ? Border::Medium : Border::Thin;
        format.bottom = row == layout_.rows - 1 ? Border::Medium : Border::Thin;
        format.left = sheetColumn == 0 ? Border::Medium : Border::Thin;
        format.right = sheetColumn == lastColumn ? Border::Medium : Border::Thin;
        return format;
    }

    lxw_format* FormatAt(int row, int sheetColumn, bool section) {
        return file_.Format(BaseFormat(row, sheetColumn, section));
    }

    int SheetRow(int row) const { return rows_.sheetRow[static_cast<size_t>(row)]; }
    int Lines(int row) const { return rows_.lines[static_cast<size_t>(row)]; }

    void WriteRow(int row) {
        for (size_t k = 0; k < layout_.columns.size(); ++k) {
            WriteCell(row, static_cast<int>(k), false);
        }
    }

    // A section row: the heading is merged across the columns up to the next
    // cell with a text of its own (the column titles of row 0 keep their cells).
    void WriteSectionRow(int row) {
        const int count = static_cast<int>(layout_.columns.size());
        int heading = 0;
        while (heading < count && Runs(row, heading).empty()) {
            ++heading;
        }
        int end = heading + 1;
        while (end < count && Runs(row, end).empty()) {
            ++end;
        }
        if (heading >= count || end - 1 == 0) {
            for (int k = 0; k < count; ++k) {
                WriteCell(row, k, true);
            }
            return;
        }
        Merge(row, row, 0, end - 1, true);
        // The heading spans its columns: it does not widen the first.
        WriteText(SheetRow(row), 0, Runs(row, heading), FormatAt(row, 0, true), false);
        for (int k = end; k < count; ++k) {
            WriteCell(row, k, true);
        }
    }

    // Merges the sheet cells of grid rows firstRow..lastRow and of the sheet
    // columns given, framing each covered cell; the caller writes the first.
    void Merge(int firstRow, int lastRow, int firstColumn, int lastColumn, bool section) {
        const int top = SheetRow(firstRow);
        const int bottom = SheetRow(lastRow) + Lines(lastRow) - 1;
        if (top == bottom && firstColumn == lastColumn) {
            return;
        }
        file_.Check(worksheet_merge_range(sheet_, static_cast<lxw_row_t>(top),
                                          static_cast<lxw_col_t>(firstColumn), static_cast<lxw_row_t>(bottom),
                                          static_cast<lxw_col_t>(lastColumn), "",
                                          FormatAt(firstRow, firstColumn, section)),
                    "sloučení buněk");
        for (int r = top; r <= bottom; ++r) {
            for (int k = firstColumn; k <= lastColumn; ++k) {
                if (r != top || k != firstColumn) {
                    const int formatRow = r == top ? firstRow : lastRow;
                    file_.Check(worksheet_write_blank(sheet_, static_cast<lxw_row_t>(r),
                                                      static_cast<lxw_col_t>(k),
                                                      FormatAt(formatRow, k, section)),
                                "sloučená buňka");
                }
            }
        }
    }

    std::vector<TextRun> Runs(int row, int sheetColumn) const {
        return CellRuns(grid_, row, layout_.columns[static_cast<size_t>(sheetColumn)]);
    }

    // Runs as a trimmed text: the blanks that align a grid's cells on
    // screen have no place in a spreadsheet cell.
    void WriteText(int sheetRow, int sheetColumn, std::vector<TextRun> runs, lxw_format* format,
                   bool noteWidth = true) {
        TrimRuns(runs);
        WriteRuns(file_, sheet_, sheetRow, sheetColumn, runs, format);
        if (noteWidth) {
            widths_.Note(sheetColumn, JoinRuns(runs));
        }
    }

    // A value text as the number it shows, else as trimmed text.
    void WriteValue(int row, int sheetRow, int sheetColumn, const std::string& text, bool numeric,
                    bool section) {
        if (numeric) {
            if (const auto number = ParseDisplayedNumber(text, separator_)) {
                CellFormat format = BaseFormat(row, sheetColumn, section);
                format.numberFormat = number->format;
                file_.Check(worksheet_write_number(sheet_, static_cast<lxw_row_t>(sheetRow),
                                                   static_cast<lxw_col_t>(sheetColumn), number->value,
                                                   file_.Format(format)),
                            "číslo buňky");
                widths_.Note(sheetColumn, text);
                return;
            }
        }
        WriteText(sheetRow, sheetColumn, {{text, TextRun::Normal, false, RowStyle(grid_, row).bold}},
                  FormatAt(row, sheetColumn, section));
    }

    void WriteCell(int row, int sheetColumn, bool section) {
        const int column = layout_.columns[static_cast<size_t>(sheetColumn)];
        if (IsCoveredBySpan(row, column)) {
            return;
        }
        for (const StackedCell& stacked : grid_.Stacked) {
            if (stacked.Row == row && stacked.Column == column) {
                WriteStacked(stacked, sheetColumn, section);
                return;
            }
        }
        Merge(row, row, sheetColumn, sheetColumn, section);
        const std::string& text = grid_.Cell(row, column);
        if (IsNumericColumn(grid_, column) && ParseDisplayedNumber(text, separator_)) {
            WriteValue(row, SheetRow(row), sheetColumn, text, true, section);
            return;
        }
        WriteText(SheetRow(row), sheetColumn, CellRuns(grid_, row, column),
                  FormatAt(row, sheetColumn, section));
    }

    // Several lines one below another: one sheet row each.
    void WriteStacked(const StackedCell& stacked, int sheetColumn, bool section) {
        for (int k = 0; k < Lines(stacked.Row); ++k) {
            const auto index = static_cast<size_t>(k);
            const std::string line = index < stacked.Lines.size() ? stacked.Lines[index] : std::string();
            WriteValue(stacked.Row, SheetRow(stacked.Row) + k, sheetColumn, line, true, section);
        }
    }

    bool IsCoveredBySpan(int row, int column) const {
        return std::any_of(grid_.Spans.begin(), grid_.Spans.end(), [&](const CellSpan& span) {
            return span.Column == column && row >= span.FirstRow && row < span.FirstRow + span.RowCount;
        });
    }

    // A text painted once across several rows of a column (the return
    // periods of the slopes + catchment summary) becomes a merged range.
    void WriteSpans() {
        for (const CellSpan& span : grid_.Spans) {
            const int sheetColumn = layout_.SheetColumnOf(span.Column);
            if (sheetColumn < 0 || span.RowCount < 1 || span.FirstRow < rows_.firstRow) {
                continue;
            }
            const int lastRow = std::min(span.FirstRow + span.RowCount, layout_.rows) - 1;
            const bool section = IsSectionRow(grid_, span.FirstRow);
            Merge(span.FirstRow, lastRow, sheetColumn, sheetColumn, section);
            WriteValue(span.FirstRow, SheetRow(span.FirstRow), sheetColumn, span.Text, true, section);
        }
    }

    WorkbookFile& file_;
    lxw_worksheet* sheet_;
    const ResultGrid& grid_;
    char separator_;
    SheetLayout layout_;
    RowPlacement rows_;
    ColumnWidths widths_;
};

} // namespace

Error WriteResultTableWorkbook(const std::string& path, const std::vector<ResultGrid>& grids,
                               char decimalSeparator, const ExportProgress& progress,
                               const Warnings& warnings, const std::string& title) {
    WorkbookFile file(path);
    file.SetTitle(title);
    for (size_t k = 0; k < grids.size() && !file.Failed(); ++k) {
        lxw_worksheet* sheet = file.AddWorksheet(grids[k].SheetName);
        if (!sheet) {
            break;
        }
        TableSheetWriter(file, sheet, grids[k], decimalSeparator).Write();
        ReportProgress(progress, ProgressAfterSheet(k + 1, grids.size()));
    }
    AddWarningsSheet(file, warnings);
    return file.Commit(progress);
}

} // namespace hydrim
