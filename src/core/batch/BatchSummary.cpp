#include "core/batch/BatchSummary.h"

#include "core/batch/CatchmentTable.h"
#include "core/project/NumberChars.h"

#include <algorithm>
#include <cmath>

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

// The warnings that hold for a row of return period n (every one when n is
// 0), in the message; a note after its label.
void PutWarnings(const Warnings& warnings, int n, SummaryRow& row) {
    for (const Warning& warning : warnings) {
        if (n == 0 || warning.ReturnPeriod == 0 || warning.ReturnPeriod == n) {
            if (WarnsRow(warning)) {
                row.Status = RowStatus::Warning;
            }
            const std::string label = warning.Severity == WarningSeverity::Note
                                          ? SeverityLabel(warning.Severity) + std::string(": ")
                                          : "";
            row.Message += (row.Message.empty() ? "" : " ") + label + warning.Message;
        }
    }
}

// A decimal text with its point moved shift places to the left, exactly:
// "4645.5" -> "4.6455", "12" -> "0.012".
std::string ShiftPointLeft(std::string text, int shift) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) {
        text.erase(0, 1);
    }
    size_t point = text.find('.');
    if (point == std::string::npos) {
        point = text.size();
        text += '.';
    }
    std::string digits = text.substr(0, point) + text.substr(point + 1);
    const auto integerDigits = static_cast<long>(point) - shift;
    if (integerDigits <= 0) {
        digits.insert(0, static_cast<size_t>(1 - integerDigits), '0');
    }
    const size_t newPoint = integerDigits <= 0 ? 1 : static_cast<size_t>(integerDigits);
    std::string whole = digits.substr(0, newPoint);
    std::string fraction = digits.substr(newPoint);
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size() - 1));
    fraction.erase(fraction.find_last_not_of('0') + 1);
    return (negative ? "-" : "") + whole + (fraction.empty() ? "" : "." + fraction);
}

// The value in its shortest exact decimal form, in units of 10^shift.
std::string Number(double value, int shift, bool decimalComma) {
    char buffer[400];
    const auto [end, ec] = DoubleToChars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    std::string text = ec == std::errc() ? std::string(buffer, end) : std::string();
    if (shift > 0 && !text.empty()) {
        text = ShiftPointLeft(text, shift);
    }
    if (decimalComma) {
        std::replace(text.begin(), text.end(), '.', ',');
    }
    return text;
}

SummaryColumn Value(const char* symbol, const char* slope, const char* unit, const std::string& what,
                    int decimals, int shift = 0) {
    const std::string where = *slope == 'L' ? "levý svah" : *slope == 'P' ? "pravý svah" : "povodí";
    return {symbol, slope, unit, what + " – " + where, true, shift, decimals};
}

std::vector<SummaryColumn> MakeColumns() {
    const std::string critical = "kritická doba trvání srážky", design = "doba trvání návrhové srážky",
                      depth = "úhrn návrhové srážky", runoff = "výška odtoku", peak = "kulminační průtok",
                      volume = "objem PV", rise = "doba vzestupu PV";
    return {{"ID", "", "", "označení povodí"},
            {"Název", "", "", "název povodí"},
            {"Zdroj", "", "", "soubor projektu, nebo tabulka a její řádek"},
            {"Varianta", "", "", "varianta výpočtu"},
            {"N", "", "roky", "doba opakování"},
            {"Stav", "", "", "výsledek výpočtu"},
            {"Zpráva", "", "", "upozornění, nebo proč povodí nebylo spočítáno"},
            Value("tsk", "L", "min", critical, 0),
            Value("tsk", "P", "min", critical, 0),
            Value("ts", "", "min", design, 0),
            Value("Hs", "L", "mm", depth, 2),
            Value("Hs", "P", "mm", depth, 2),
            Value("Ho", "L", "mm", runoff, 2),
            Value("Ho", "P", "mm", runoff, 2),
            Value("Qmax", "L", "m3.s-1", peak, 3),
            Value("Qmax", "P", "m3.s-1", peak, 3),
            Value("Qmax", "", "m3.s-1", peak, 3),
            Value("W", "L", "103.m3", volume, 3, 3),
            Value("W", "P", "103.m3", volume, 3, 3),
            Value("W", "", "103.m3", volume, 3, 3),
            Value("tv", "", "min", rise, 0)};
}

// A message of several lines (a no-runoff message and its reason) as one
// line: a summary holds one row per catchment and return period.
std::string OneLine(std::string message) {
    std::replace(message.begin(), message.end(), '\n', ' ');
    return message;
}

} // namespace

const char* RowStatusName(RowStatus status) {
    switch (status) {
    case RowStatus::Ok:
        return "v pořádku";
    case RowStatus::Warning:
        return "upozornění";
    case RowStatus::NoRunoff:
        return "bez odtoku";
    case RowStatus::Invalid:
        return "chyba";
    case RowStatus::Partial:
        break;
    }
    return "přerušeno";
}

bool WarnsRow(const Warning& warning) {
    // A warning asks the engineer to look at the row; a note only says what
    // the method did.
    return warning.Severity == WarningSeverity::Warning;
}

const std::vector<SummaryColumn>& SummaryColumns() {
    static const std::vector<SummaryColumn> columns = MakeColumns();
    return columns;
}

std::vector<TextRun> SummaryHeaderRuns(const SummaryColumn& column) {
    // A symbol as the layout files write it, after a blank.
    std::vector<TextRun> runs =
        column.Symbol ? SymbolRuns(" " + column.Name, false, true) : std::vector<TextRun>{{column.Name}};
    if (column.Symbol && !runs.empty()) {
        runs.front().text.erase(0, 1);
    }
    if (!column.Slope.empty()) {
        runs.push_back({" " + column.Slope});
    }
    if (!column.Unit.empty()) {
        for (TextRun& run : UnitRuns(" [" + column.Unit + "]")) {
            runs.push_back(std::move(run));
        }
    }
    return runs;
}

std::vector<std::string> SummaryColumnHeaders() {
    std::vector<std::string> headers;
    for (const SummaryColumn& column : SummaryColumns()) {
        headers.push_back(PlainText(SummaryHeaderRuns(column), RaisedNotation::Superscript));
    }
    return headers;
}

std::string VariantName(int variant) {
    static const char* const names[] = {"I", "II", "III"};
    return variant >= 1 && variant <= 3 ? names[variant - 1] : "";
}

double ShownValue(size_t v, double value) {
    return value / std::pow(10.0, SummaryColumns()[SummaryTextColumns + v].Shift);
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
        base.Refused = outcome.Refused;
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
                                      VariantName(row.Variant),
                                      row.ReturnPeriod > 0 ? std::to_string(row.ReturnPeriod) : "",
                                      RowStatusName(row.Status),
                                      row.Message};
    for (size_t v = 0; v < SummaryValueCount; ++v) {
        const std::optional<double>& value = row.Values[v];
        const int shift = SummaryColumns()[SummaryTextColumns + v].Shift;
        cells.push_back(value ? Number(*value, shift, decimalComma) : std::string());
    }
    return cells;
}

BatchPace PaceOf(size_t done, size_t total, double seconds) {
    BatchPace pace;
    pace.Rate = seconds > 0 ? static_cast<double>(done) / seconds : 0.0;
    if (pace.Rate <= 0) {
        pace.TimeLeft = "?";
        return pace;
    }
    const auto left = static_cast<long>(static_cast<double>(total - std::min(done, total)) / pace.Rate + 0.5);
    pace.TimeLeft = std::to_string(left / 60) + ":" + (left % 60 < 10 ? "0" : "") + std::to_string(left % 60);
    return pace;
}

std::string SummaryCsvHeader(char separator) {
    return "\xEF\xBB\xBF" + CsvLine(SummaryColumnHeaders(), separator) + "\r\n";
}

std::string SummaryCsvLine(const SummaryRow& row, char separator) {
    return CsvLine(SummaryCells(row, separator == ';'), separator) + "\r\n";
}

} // namespace hydrim
