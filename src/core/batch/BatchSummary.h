// The summary of a batch run: one row per catchment and return period (one
// row for Variants II and III, and for a catchment that has no results), with
// the status, the message and the main results per slope and for the
// catchment. The command line writes it as CSV or a workbook, the batch
// window shows it in a grid; all three name the columns as the result tables
// do (symbol, slope, unit) and give volumes in the tables' unit, 10³ m³.
#pragma once

#include "core/batch/BatchInputs.h"
#include "core/results/CellMarkup.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace hydrim {

// Ok: computed (notes of the results may hold for the row); Warning:
// computed, but a warning of severity Warning holds for the row; NoRunoff:
// the rain gives no runoff (an answer); Invalid: the input could not be read
// or its inputs are invalid; Partial: the run was stopped and the summary
// lacks catchments.
enum class RowStatus { Ok, Warning, NoRunoff, Invalid, Partial };

// The status as the summaries write it: "v pořádku", "upozornění", "bez
// odtoku", "chyba", "přerušeno".
const char* RowStatusName(RowStatus status);

// Whether a warning of the results gives the rows it holds for the status
// Warning ("upozornění"): a warning does, a note does not. The one place
// that maps warnings to statuses.
bool WarnsRow(const Warning& warning);

// The result columns, each [unit] as SummaryColumns names it.
enum class SummaryValue : int {
    CriticalDurationL, // critical rain duration of the slopes [min]
    CriticalDurationR,
    DesignDuration, // duration of the design rain of the catchment [min]
    RainDepthL,     // depth of the design rain [mm]
    RainDepthR,
    RunoffDepthL, // runoff depth [mm]
    RunoffDepthR,
    PeakL, // peak discharge [m3/s]
    PeakR,
    PeakC,
    VolumeL, // runoff volume [m3] (shown in 10³ m³)
    VolumeR,
    VolumeC,
    TimeToPeak, // rise time of the catchment hydrograph [min]
    Count
};

inline constexpr size_t SummaryValueCount = static_cast<size_t>(SummaryValue::Count);

struct SummaryRow {
    std::string Id;
    std::string Name;
    std::string Source;
    int Variant = 0;      // 1..3, 0 when unknown
    int ReturnPeriod = 0; // N [years], 0 for none
    RowStatus Status = RowStatus::Ok;
    std::string Message;
    RefusedInput Refused; // an invalid row: the field at fault and its text
    std::array<std::optional<double>, SummaryValueCount> Values{};
    bool failed() const { return Status == RowStatus::Invalid; }
};

// One column of the summary, named as the result tables name the quantity.
struct SummaryColumn {
    std::string Name;        // a text column's name ("Název"), or the table symbol ("Qmax")
    std::string Slope;       // "L", "P", or "" for the catchment (and text columns)
    std::string Unit;        // in the layout files' notation ("m3.s-1", "103.m3"), "" for none
    std::string Description; // what the value is ("kulminační průtok – levý svah")
    bool Symbol = false;     // Name is a symbol, its index drawn lowered
    int Shift = 0;           // the value is shown in units of 10^Shift of the engine's (volumes: 3)
    int Decimals = 0;        // decimals a workbook shows
};

// The columns of a summary row: ID, name, source, variant, N, status,
// message, then the values in SummaryValue order.
const std::vector<SummaryColumn>& SummaryColumns();
inline constexpr size_t SummaryTextColumns = 7;

// A column's header as drawn: the symbol with its index lowered, the slope,
// the unit with its exponents raised ("Qmax L [m³.s⁻¹]").
std::vector<TextRun> SummaryHeaderRuns(const SummaryColumn& column);

// The headers as plain text with superscript exponents, in column order.
std::vector<std::string> SummaryColumnHeaders();

// "I", "II", "III", "" when unknown.
std::string VariantName(int variant);

// The rows of a computed catchment.
std::vector<SummaryRow> SummaryRows(const CatchmentOutcome& outcome);

// The last row of a stopped run: status partial, the message saying how many
// of the catchments it holds.
SummaryRow PartialRow(size_t done, size_t total);

// The cells of a row as text: numbers in their column's unit in their
// shortest exact form, with a decimal comma when decimalComma is set; an
// empty cell for no value.
std::vector<std::string> SummaryCells(const SummaryRow& row, bool decimalComma);

// The value of column v (SummaryValue order) in the column's unit.
double ShownValue(size_t v, double value);

// The pace of a run after seconds: catchments a second, and the time left at
// that pace as "m:ss" ("?" before the first catchment is done).
struct BatchPace {
    double Rate = 0;
    std::string TimeLeft;
};
BatchPace PaceOf(size_t done, size_t total, double seconds);

// The CSV form of the summary, UTF-8 with a byte-order mark (so that a
// spreadsheet reads the names right) and CR LF line ends: the header, and one
// line per row; separator ';' writes decimal commas, ',' decimal points.
std::string SummaryCsvHeader(char separator);
std::string SummaryCsvLine(const SummaryRow& row, char separator);

} // namespace hydrim
