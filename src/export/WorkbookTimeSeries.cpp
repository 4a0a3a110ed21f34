// The time series as worksheets: the headings, the series names, a first
// line at 00:00 with zero values, then one row per minute of the listing
// (its clock time as a spreadsheet time, the rain intensity while it rains
// and 0 after, the discharges), followed by the chart sheet of the set.
#include "export/WorkbookCells.h"
#include "export/WorkbookCharts.h"
#include "export/WorkbookExport.h"
#include "export/WorkbookPrint.h"
#include "export/WorkbookWarnings.h"

#include "core/series/ChartTexts.h"

#include <algorithm>
#include <cmath>

namespace hydrim {
namespace {

constexpr double MinutesPerDay = 1440.0;
constexpr int HeadingRow = 0;
constexpr int NameRow = 1;
constexpr int FirstDataRow = 2;
// Number formats are stored with the file format's invariant decimal point;
// the spreadsheet application shows them with the user's separator.
// Elapsed hours: a listing longer than a day reads 27:00, not 03:00.
const char* const TimeFormat = "[hh]:mm";
const char* const RainFormat = "0.00";
const char* const DischargeFormat = "0.000";

constexpr std::uint32_t CatchmentColor = 0xFF0000;
constexpr std::uint32_t LeftColor = 0x0000FF;
constexpr std::uint32_t RightColor = 0x008000;

constexpr int SetsDoneProgress = 950;

struct ListingColumn {
    SeriesColumn role;
    const char* heading;
    const char* name;
    const std::vector<double>* values = nullptr; // discharges
};

const char* HeadingOf(SeriesColumn role) {
    switch (role) {
    case SeriesColumn::Time:
        return "Čas [hod:min]";
    case SeriesColumn::Rain:
        return "Intenzita deště [mm.min-1]";
    default:
        return "Průtok [m3.s-1]";
    }
}

// Series names as the chart window shows them.
const char* NameOf(SeriesColumn role) {
    switch (role) {
    case SeriesColumn::Rain:
        return "Výpočtový déšť";
    case SeriesColumn::Catchment:
        return "Povodí";
    case SeriesColumn::Left:
        return "Levý svah";
    case SeriesColumn::Right:
        return "Pravý svah";
    case SeriesColumn::Time:
        break;
    }
    return "";
}

std::uint32_t ColorOf(SeriesColumn role) {
    switch (role) {
    case SeriesColumn::Left:
        return LeftColor;
    case SeriesColumn::Right:
        return RightColor;
    default:
        return CatchmentColor;
    }
}

std::vector<ListingColumn> ColumnsOf(const TimeSeriesSource& source) {
    std::vector<ListingColumn> columns;
    const auto add = [&columns](SeriesColumn role, const std::vector<double>* values) {
        columns.push_back({role, HeadingOf(role), NameOf(role), values});
    };
    add(SeriesColumn::Time, nullptr);
    if (source.WithRain) {
        add(SeriesColumn::Rain, nullptr);
    }
    add(SeriesColumn::Catchment, &source.Flows.Catchment);
    if (source.Flows.TwoSlopes) {
        add(SeriesColumn::Left, &source.Flows.Left);
        add(SeriesColumn::Right, &source.Flows.Right);
    }
    return columns;
}

// The progress after each completed set: 200, 400, 600, 800 for the five
// return periods of Variant I, then 950.
int ProgressAfterSet(size_t done, size_t count) {
    if (done >= count) {
        return SetsDoneProgress;
    }
    return static_cast<int>(SavedProgress * done / count);
}

// A heading with its raised unit exponents, all in bold.
std::vector<TextRun> BoldRuns(const char* text) {
    std::vector<TextRun> runs = UnitRuns(text);
    for (TextRun& run : runs) {
        run.bold = true;
    }
    return runs;
}

// The rain axis reaches the intensity rounded to the nearest integer
// (halves to even) plus one, like the chart window's right axis.
double RainAxisMaximum(double intensity) {
    return std::nearbyint(intensity) + 1.0;
}

class ListingSheetWriter {
public:
    ListingSheetWriter(WorkbookFile& file, lxw_worksheet* sheet, const TimeSeriesSource& source)
        : file_(file), sheet_(sheet), source_(source), columns_(ColumnsOf(source)) {}

    // Returns the last data row written.
    int Write() {
        WriteHeadings();
        const auto points = static_cast<long long>(source_.Flows.Length());
        WriteZeroLine();
        for (long long k = 0; k < points && !file_.Failed(); ++k) {
            WritePoint(k);
        }
        widths_.Apply(file_, sheet_);
        worksheet_freeze_panes(sheet_, FirstDataRow, 0);
        const int lastRow = FirstDataRow + static_cast<int>(points);
        SheetPrint print;
        print.Width = widths_.Total();
        print.Columns = static_cast<int>(columns_.size());
        print.Rows = lastRow + 1;
        print.HeadingRows = FirstDataRow;
        SetUpSheetPrinting(file_, sheet_, print);
        return lastRow;
    }

    const std::vector<ListingColumn>& Columns() const { return columns_; }

private:
    void WriteHeadings() {
        CellFormat heading;
        heading.bold = true;
        heading.align = CellFormat::Align::Center;
        heading.wrap = true;
        CellFormat name = heading;
        name.bottom = Border::Thin;
        for (size_t k = 0; k < columns_.size(); ++k) {
            const int column = static_cast<int>(k);
            WriteRuns(file_, sheet_, HeadingRow, column, BoldRuns(columns_[k].heading),
                      file_.Format(heading));
            WriteRuns(file_, sheet_, NameRow, column, BoldRuns(columns_[k].name), file_.Format(name));
            widths_.Note(column, columns_[k].heading);
        }
        timeFormat_ = file_.Format(NumberFormat(TimeFormat));
        rainFormat_ = file_.Format(NumberFormat(RainFormat));
        dischargeFormat_ = file_.Format(NumberFormat(DischargeFormat));
    }

    static CellFormat NumberFormat(const char* code) {
        CellFormat format;
        format.align = CellFormat::Align::Right;
        format.numberFormat = code;
        return format;
    }

    void Number(int row, size_t column, double value, lxw_format* format) {
        file_.Check(worksheet_write_number(sheet_, static_cast<lxw_row_t>(row),
                                           static_cast<lxw_col_t>(column), value, format),
                    "číslo časové řady");
    }

    // The line at 00:00 before the listing: zero in every value column.
    void WriteZeroLine() {
        Number(FirstDataRow, 0, 0.0, timeFormat_);
        for (size_t k = 1; k < columns_.size(); ++k) {
            Number(FirstDataRow, k, 0.0,
                   columns_[k].role == SeriesColumn::Rain ? rainFormat_ : dischargeFormat_);
        }
    }

    // Point k of the hydrographs stands in the listing's row labelled with
    // minute k + 1; the rain falls during the first RainDuration rows.
    void WritePoint(long long k) {
        const int row = FirstDataRow + 1 + static_cast<int>(k);
        Number(row, 0, static_cast<double>(k + 1) / MinutesPerDay, timeFormat_);
        for (size_t c = 1; c < columns_.size(); ++c) {
            const ListingColumn& column = columns_[c];
            if (column.role == SeriesColumn::Rain) {
                Number(row, c, k < source_.RainDuration ? source_.RainIntensity : 0.0, rainFormat_);
            } else {
                Number(row, c, (*column.values)[static_cast<size_t>(k)], dischargeFormat_);
            }
        }
    }

    WorkbookFile& file_;
    lxw_worksheet* sheet_;
    const TimeSeriesSource& source_;
    std::vector<ListingColumn> columns_;
    ColumnWidths widths_;
    lxw_format* timeFormat_ = nullptr;
    lxw_format* rainFormat_ = nullptr;
    lxw_format* dischargeFormat_ = nullptr;
};

HydrographChartSheet ChartOf(const TimeSeriesSheets& set, const std::vector<ListingColumn>& columns,
                             int lastRow) {
    HydrographChartSheet chart;
    chart.SheetName = set.ChartSheet;
    chart.DataSheet = set.ListingSheet;
    chart.FirstRow = FirstDataRow;
    chart.LastRow = lastRow;
    chart.Title = set.ChartTitle;
    chart.RainAxisMaximum = RainAxisMaximum(set.Source.RainIntensity);
    // The slopes first, then the catchment, as the chart window draws them.
    for (SeriesColumn role : {SeriesColumn::Left, SeriesColumn::Right, SeriesColumn::Catchment}) {
        for (size_t k = 0; k < columns.size(); ++k) {
            if (columns[k].role == role) {
                chart.Discharges.push_back({columns[k].name, static_cast<int>(k), ColorOf(role)});
            }
        }
    }
    for (size_t k = 0; k < columns.size(); ++k) {
        if (columns[k].role == SeriesColumn::Rain) {
            chart.WithRain = true;
            chart.RainColumn = static_cast<int>(k);
        }
    }
    return chart;
}

// The chart title: the project's title when one was set, then which
// hydrograph the chart shows and, for Variant I, its return period.
std::string ChartTitleOf(const std::string& title, bool designRain, const std::string& returnPeriod) {
    const std::string shown = ShownChartTitle(title);
    std::string caption = HydrographCaption(designRain);
    if (!returnPeriod.empty()) {
        caption += " (" + returnPeriod + ")";
    }
    return shown.empty() ? caption : shown + " – " + caption;
}

} // namespace

std::vector<TimeSeriesSheets> VariantITimeSeriesSheets(const AppState& state) {
    const bool designRain = state.HydrographFromDesignRain;
    const std::string& title =
        designRain ? state.CurrentProject.ChartTitle1 : state.CurrentProject.ChartTitle2;
    std::vector<TimeSeriesSheets> sets;
    for (int i = 1; i <= 5; ++i) {
        const int years = ReturnPeriods[static_cast<size_t>(i)];
        const std::string n = std::to_string(years);
        sets.push_back({"Časové řady N=" + n, "Graf N=" + n,
                        ChartTitleOf(title, designRain, ReturnPeriodCaption(years)),
                        VariantITimeSeries(state, i)});
    }
    return sets;
}

std::vector<TimeSeriesSheets> Variant23TimeSeriesSheets(const AppState& state, bool twoSlopes) {
    return {{"Časové řady", "Graf", ChartTitleOf(state.CurrentProject.ChartTitle1, true, ""),
             Variant23TimeSeries(state, twoSlopes)}};
}

Error WriteTimeSeriesWorkbook(const std::string& path, const std::vector<TimeSeriesSheets>& sets,
                              const ExportProgress& progress, const Warnings& warnings,
                              const std::string& title) {
    WorkbookFile file(path);
    file.SetTitle(title);
    for (size_t k = 0; k < sets.size() && !file.Failed(); ++k) {
        lxw_worksheet* sheet = file.AddWorksheet(sets[k].ListingSheet);
        if (!sheet) {
            break;
        }
        ListingSheetWriter listing(file, sheet, sets[k].Source);
        const int lastRow = listing.Write();
        AddHydrographChartSheet(file, ChartOf(sets[k], listing.Columns(), lastRow));
        ReportProgress(progress, ProgressAfterSet(k + 1, sets.size()));
    }
    AddWarningsSheet(file, warnings);
    return file.Commit(progress);
}

} // namespace hydrim
