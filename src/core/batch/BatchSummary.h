// The summary of a batch run: one row per catchment and return period (one
// row for Variants II and III, and for a catchment that has no results), with
// the status, the message and the main results per slope and for the
// catchment. The command line writes it as CSV or a workbook, the batch
// window shows it in a grid.
#pragma once

#include "core/batch/BatchInputs.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace hydrim {

// ok: computed (notes of the results may hold for the row); warning:
// computed, but a warning of severity Warning holds for the row; no-runoff: the rain gives no runoff (an
// answer); invalid: the input could not be read or its inputs are invalid; partial: the run was stopped and
// the summary lacks catchments.
enum class RowStatus { Ok, Warning, NoRunoff, Invalid, Partial };

// "ok", "warning", "no-runoff", "invalid", "partial".
const char* RowStatusText(RowStatus status);

// The result columns, each [unit] as SummaryColumnHeaders names it.
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
    VolumeL, // runoff volume [m3]
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
    std::array<std::optional<double>, SummaryValueCount> Values{};
    bool failed() const { return Status == RowStatus::Invalid; }
};

// The column headers of a summary row, with units: id, name, source,
// variant, N, status, message, then the values in SummaryValue order.
std::vector<std::string> SummaryColumnHeaders();
inline constexpr size_t SummaryTextColumns = 7;

// The rows of a computed catchment.
std::vector<SummaryRow> SummaryRows(const CatchmentOutcome& outcome);

// The last row of a stopped run: status partial, the message saying how many
// of the catchments it holds.
SummaryRow PartialRow(size_t done, size_t total);

// The cells of a row as text: numbers in their shortest exact form, with a
// decimal comma when decimalComma is set; an empty cell for no value.
std::vector<std::string> SummaryCells(const SummaryRow& row, bool decimalComma);

// The CSV form of the summary, UTF-8 with a byte-order mark (so that a
// spreadsheet reads the names right) and CR LF line ends: the header, and one
// line per row; separator ';' writes decimal commas, ',' decimal points.
std::string SummaryCsvHeader(char separator);
std::string SummaryCsvLine(const SummaryRow& row, char separator);

} // namespace hydrim
