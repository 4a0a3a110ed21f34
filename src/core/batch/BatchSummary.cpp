#include "core/batch/BatchSummary.h"

#include "core/batch/CatchmentTable.h"

#include <algorithm>
#include <charconv>

namespace hydrim {
namespace {

using V = SummaryValue;

void Put(SummaryRow& row, SummaryValue value, double number) {
    row.Values[static_cast<size_t>(value)] = number;
}

// Right-slope values exist only for two slopes.
void PutSlopes(SummaryRow& row, bool twoSlopes, SummaryValue left, double l, double r) {
    Put(row, left, l);
    if (twoSlopes) {
        Put(row, static_cast<SummaryValue>(static_cast<int>(left) + 1), r);
    }
}

void PutVariantI(const VariantIResults& r, size_t i, bool twoSlopes, SummaryRow& row) {
    PutSlopes(row, twoSlopes, V::CriticalDurationL, r.CriticalDurationL[i], r.CriticalDurationR[i]);
    Put(row, V::DesignDuration, r.RainDurationC[i]);
    PutSlopes(row, twoSlopes, V::RainDepthL, r.RainDepthL[i], r.RainDepthR[i]);
    PutSlopes(row, twoSlopes, V::RunoffDepthL, r.RunoffDepthL[i], r.RunoffDepthR[i]);
    PutSlopes(row, twoSlopes, V::PeakL, r.PeakDischargeL[i], r.PeakDischargeR[i]);
    Put(row, V::PeakC, r.PeakDischargeC[i]);
    PutSlopes(row, twoSlopes, V::VolumeL, r.VolumeL[i], r.VolumeR[i]);
    Put(row, V::VolumeC, r.VolumeC[i]);
    Put(row, V::TimeToPeak, r.RiseTimeC[i]);
}

void PutVariant23(const AppState& s, bool twoSlopes, SummaryRow& row) {
    const Variant23Results& r = s.Variant23;
    if (s.CurrentProject.Texts.Variant == 1) {
        PutSlopes(row, twoSlopes, V::CriticalDurationL, r.CritDurationL, r.CritDurationR);
    }
    Put(row, V::DesignDuration, s.Inputs.RainDuration);
    PutSlopes(row, twoSlopes, V::RainDepthL, r.DesignDepthL, r.DesignDepthR);
    PutSlopes(row, twoSlopes, V::RunoffDepthL, r.DesignRunoffL, r.DesignRunoffR);
    PutSlopes(row, twoSlopes, V::PeakL, r.DesignPeakL, r.DesignPeakR);
    Put(row, V::PeakC, r.DesignPeakC);
    PutSlopes(row, twoSlopes, V::VolumeL, r.DesignVolumeL, r.DesignVolumeR);
    Put(row, V::VolumeC, r.DesignVolumeC);
    Put(row, V::TimeToPeak, r.DesignRiseC);
}

// The status a computed row takes for a warning that holds for it: a
// warning marks it, a note leaves it as it is.
RowStatus StatusWith(RowStatus status, WarningSeverity severity) {
    return severity == WarningSeverity::Warning ? RowStatus::Warning : status;
}

// The warnings that hold for a row of return period n (every one when n is
// 0), in the message; a note after its label.
void PutWarnings(const Warnings& warnings, int n, SummaryRow& row) {
    for (const Warning& warning : warnings) {
        if (n == 0 || warning.ReturnPeriod == 0 || warning.ReturnPeriod == n) {
            row.Status = StatusWith(row.Status, warning.Severity);
            const std::string label = warning.Severity == WarningSeverity::Note
                                          ? SeverityLabel(warning.Severity) + std::string(": ")
                                          : "";
            row.Message += (row.Message.empty() ? "" : " ") + label + warning.Message;
        }
    }
}

std::string Number(double value, bool decimalComma) {
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text = ec == std::errc() ? std::string(buffer, end) : std::string();
    if (decimalComma) {
        std::replace(text.begin(), text.end(), '.', ',');
    }
    return text;
}

// A message of several lines (a no-runoff message and its reason) as one
// line: a summary holds one row per catchment and return period.
std::string OneLine(std::string message) {
    std::replace(message.begin(), message.end(), '\n', ' ');
    return message;
}

} // namespace

const char* RowStatusText(RowStatus status) {
    switch (status) {
    case RowStatus::Ok:
        return "ok";
    case RowStatus::Warning:
        return "warning";
    case RowStatus::NoRunoff:
        return "no-runoff";
    case RowStatus::Invalid:
        return "invalid";
    case RowStatus::Partial:
        break;
    }
    return "partial";
}

std::vector<std::string> SummaryColumnHeaders() {
    return {"id",         "nazev",      "zdroj",    "varianta", "N [roky]", "stav",      "zprava",
            "tk_L [min]", "tk_P [min]", "td [min]", "H_L [mm]", "H_P [mm]", "Ho_L [mm]", "Ho_P [mm]",
            "Q_L [m3/s]", "Q_P [m3/s]", "Q [m3/s]", "W_L [m3]", "W_P [m3]", "W [m3]",    "tv [min]"};
}

std::vector<SummaryRow> SummaryRows(const CatchmentOutcome& outcome) {
    SummaryRow base;
    base.Id = outcome.Id;
    base.Name = outcome.Name;
    base.Source = outcome.Source;
    const Computation& computation = outcome.Result;
    if (computation.LoadError) {
        base.Status = RowStatus::Invalid;
        base.Message = OneLine(computation.LoadError.Message);
        return {base};
    }
    const AppState& state = *computation.State;
    const ProjectTexts& texts = state.CurrentProject.Texts;
    base.Variant = texts.Variant + 1;
    if (texts.Variant == 1) {
        base.ReturnPeriod = ReturnPeriodItems[static_cast<size_t>(texts.ReturnPeriodItem)];
    }
    if (!computation.Outcome.ok()) {
        const bool noRunoff = computation.Outcome.status == ComputeOutcome::Status::NoRunoff;
        base.Status = noRunoff ? RowStatus::NoRunoff : RowStatus::Invalid;
        base.Message = OneLine(computation.Outcome.message);
        return {base};
    }
    const bool twoSlopes = HasTwoSlopes(texts);
    if (texts.Variant != 0) {
        PutVariant23(state, twoSlopes, base);
        PutWarnings(ResultWarnings(state), 0, base);
        return {base};
    }
    std::vector<SummaryRow> rows;
    for (size_t i = 1; i <= 5; ++i) {
        SummaryRow row = base;
        row.ReturnPeriod = ReturnPeriods[i];
        PutVariantI(state.VariantI, i, twoSlopes, row);
        PutWarnings(ResultWarnings(state), row.ReturnPeriod, row);
        rows.push_back(std::move(row));
    }
    return rows;
}

SummaryRow PartialRow(size_t done, size_t total) {
    SummaryRow row;
    row.Status = RowStatus::Partial;
    row.Message = "Výpočet byl přerušen: souhrn obsahuje " + std::to_string(done) + " z " +
                  std::to_string(total) + " povodí.";
    return row;
}

std::vector<std::string> SummaryCells(const SummaryRow& row, bool decimalComma) {
    std::vector<std::string> cells = {row.Id,
                                      row.Name,
                                      row.Source,
                                      row.Variant > 0 ? std::to_string(row.Variant) : "",
                                      row.ReturnPeriod > 0 ? std::to_string(row.ReturnPeriod) : "",
                                      RowStatusText(row.Status),
                                      row.Message};
    for (const std::optional<double>& value : row.Values) {
        cells.push_back(value ? Number(*value, decimalComma) : std::string());
    }
    return cells;
}

std::string SummaryCsvHeader(char separator) {
    return "\xEF\xBB\xBF" + CsvLine(SummaryColumnHeaders(), separator) + "\r\n";
}

std::string SummaryCsvLine(const SummaryRow& row, char separator) {
    return CsvLine(SummaryCells(row, separator == ';'), separator) + "\r\n";
}

} // namespace hydrim
