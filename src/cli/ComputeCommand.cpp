// hydrim-cli compute: reads a project, computes its variant and prints a
// summary or every derived quantity and result as JSON.
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "cli/ComputationReport.h"
#include "json/ComputationJson.h"
#include "json/JsonText.h"

#include "core/Engine.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <iostream>
#include <memory>

namespace hydrim::cli {
namespace {

std::string Fixed(double value, int decimals) {
    char buffer[64];
    // Independent of the C locale: scripts read a "." whatever the user's locale.
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return ec == std::errc() ? std::string(buffer, end) : std::string("?");
}

size_t Characters(const std::string& text) {
    size_t characters = 0;
    for (const char c : text) {
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return characters;
}

// One summary row: return period (or "-"), rain duration, intensity, depth,
// peak discharge and volume.
using SummaryRow = std::array<std::string, 6>;

SummaryRow SummaryCells(const std::string& period, int duration, double intensity, double depth, double peak,
                        double volume) {
    return {period,          std::to_string(duration), Fixed(intensity, 4),
            Fixed(depth, 2), Fixed(peak, 3),           Fixed(volume, 1)};
}

// Prints the rows right-aligned in columns as wide as their widest text, with
// at least two blanks between neighbours, so wide numbers never run together.
void PrintSummaryRows(const std::vector<SummaryRow>& rows) {
    static constexpr std::array<size_t, 6> narrowest = {9, 12, 12, 10, 14, 14};
    constexpr size_t gap = 2;
    std::array<size_t, 6> widths = narrowest;
    for (const SummaryRow& row : rows) {
        for (size_t i = 0; i < row.size(); ++i) {
            widths[i] = std::max(widths[i], Characters(row[i]) + (i > 0 ? gap : 0));
        }
    }
    for (const SummaryRow& row : rows) {
        std::string line;
        for (size_t i = 0; i < row.size(); ++i) {
            line += std::string(widths[i] - Characters(row[i]), ' ') + row[i];
        }
        std::cout << line << '\n';
    }
}

void PrintSummary(const std::string& projectFile, const AppState& s, const ComputeOutcome& outcome) {
    const ProjectTexts& texts = s.CurrentProject.Texts;
    static const char* const variantNames[] = {"Varianta I", "Varianta II", "Varianta III"};
    std::cout << "Projekt: " << projectFile << '\n'
              << variantNames[texts.Variant] << ", " << (HasTwoSlopes(texts) ? "Dva svahy" : "Jeden svah")
              << '\n';
    if (!outcome.ok()) {
        std::cout << outcome.message << '\n';
        return;
    }
    const double area = texts.Variant == 0 ? s.VariantI.TotalArea : s.Variant23.TotalArea;
    std::cout << "Plocha povodí: " << Fixed(area, 3) << " km²\n\n";
    std::vector<SummaryRow> rows = {
        {"N [roky]", "déšť [min]", "i [mm/min]", "H [mm]", "Qmax [m³/s]", "V [m³]"}};
    if (texts.Variant == 0) {
        const VariantIResults& r = s.VariantI;
        for (size_t i = 1; i <= 5; ++i) {
            rows.push_back(SummaryCells(std::to_string(ReturnPeriods[i]), r.RainDurationC[i],
                                        r.RainIntensityC[i], r.RainDepthL[i], r.PeakDischargeC[i],
                                        r.VolumeC[i]));
        }
    } else {
        const Variant23Results& r = s.Variant23;
        const std::string period =
            texts.Variant == 1
                ? std::to_string(ReturnPeriodItems[static_cast<size_t>(texts.ReturnPeriodItem)])
                : "-";
        rows.push_back(SummaryCells(period, s.Inputs.RainDuration, s.Inputs.RainIntensity, r.DesignDepthL,
                                    r.DesignPeakC, r.DesignVolumeC));
    }
    PrintSummaryRows(rows);
}

int RunCompute(const std::vector<std::string>& args) {
    Arguments parsed;
    if (std::string problem = ParseArguments(args, {"--data"}, {"--json"}, parsed); !problem.empty()) {
        return UsageError("compute", problem);
    }
    if (std::string problem = OneProjectFileProblem(parsed.positional); !problem.empty()) {
        return UsageError("compute", problem);
    }
    const std::string& projectFile = parsed.positional.front();
    const Computation computation = LoadAndCompute(projectFile, DataDirectoryOption(parsed));
    const ComputeOutcome& outcome = computation.Outcome;
    // A no-runoff stop is part of the summary and of the JSON document.
    if (computation.LoadError || (!outcome.ok() && outcome.status != ComputeOutcome::Status::NoRunoff)) {
        return ReportComputation(computation);
    }
    const AppState* state = computation.State.get();
    if (parsed.has("--json")) {
        std::cout << DumpJson(ComputationDocument(*state, outcome)) << '\n';
    } else {
        PrintSummary(projectFile, *state, outcome);
        PrintWarnings(ResultWarnings(*state), std::cout);
    }
    return ExitOk;
}

const CommandRegistration registration(
    "compute",
    {"compute PROJEKT.snp [--data ADRESÁŘ] [--json]",
     "Spočítá variantu projektu a vypíše kulminační průtok, objem a návrhový déšť povodí pro každou "
     "dobu opakování, s --json všechny odvozené veličiny a výsledky jako jeden objekt JSON.",
     RunCompute});

} // namespace
} // namespace hydrim::cli
