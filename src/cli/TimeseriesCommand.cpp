// hydrim-cli timeseries: prints the minute-by-minute listing of the
// project's hydrograph as the time-series window shows it, or as CSV.
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "cli/ComputationReport.h"

#include "core/Engine.h"
#include "core/results/WarningLists.h"
#include "core/series/ChartTexts.h"

#include <iostream>

namespace hydrim::cli {
namespace {

// Return-period index 1..5 of "--n", or 0 for a value that is not offered.
int ReturnPeriodIndex(const std::string& text) {
    for (size_t i = 1; i < ReturnPeriods.size(); ++i) {
        if (text == std::to_string(ReturnPeriods[i])) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

std::string TrimmedCsvField(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string()
                                      : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The first cell of the listing names what it lists: the hydrograph and
// its return period N ("Hydrogram TPV vyvolaný výpočtovým deštěm, N = 5 let"),
// or the given intensity of Variant III, which has no N.
std::string ListingTitle(const AppState& state, int index) {
    const ProjectTexts& texts = state.CurrentProject.Texts;
    const std::string hydrograph =
        HydrographCaption(!state.LastResultVariantI || state.HydrographFromDesignRain);
    if (state.LastResultVariantI) {
        return hydrograph + ", " + ReturnPeriodCaption(ReturnPeriods[static_cast<size_t>(index)]);
    }
    const int item = texts.ReturnPeriodItem;
    if (texts.Variant == 1 && item >= 0 && item < static_cast<int>(ReturnPeriodItems.size())) {
        return hydrograph + ", " + ReturnPeriodCaption(ReturnPeriodItems[static_cast<size_t>(item)]);
    }
    return hydrograph + " zadané intenzity (varianta III)";
}

void PrintListing(const TimeSeriesListing& listing, const std::string& title, bool csv) {
    std::string line;
    for (int row = 0; row < listing.RowCount(); ++row) {
        line.clear();
        for (int column = 0; column < listing.ColumnCount(); ++column) {
            if (column > 0) {
                line += csv ? ';' : '\t';
            }
            const std::string cell = row == 0 && column == 0 ? title : listing.Cell(row, column);
            line += csv ? TrimmedCsvField(cell) : cell;
        }
        line += csv ? "\r\n" : "\n";
        std::cout << line;
    }
}

int RunTimeseries(const std::vector<std::string>& args) {
    Arguments parsed;
    if (std::string problem = ParseArguments(args, {"--data", "--n"}, {"--daily", "--csv"}, parsed);
        !problem.empty()) {
        return UsageError("timeseries", problem);
    }
    if (std::string problem = OneProjectFileProblem(parsed.positional); !problem.empty()) {
        return UsageError("timeseries", problem);
    }
    const int index = ReturnPeriodIndex(parsed.value("--n", "5"));
    if (index == 0) {
        return UsageError("timeseries", "--n musí být jedna z dob opakování 5, 10, 20, 50, 100");
    }
    const std::string& projectFile = parsed.positional.front();
    const Computation computation = LoadAndCompute(projectFile, DataDirectoryOption(parsed));
    if (!computation.hasResults()) {
        return ReportComputation(computation);
    }
    AppState& state = *computation.State;
    if (!state.LastResultVariantI && (parsed.has("--daily") || !parsed.value("--n").empty())) {
        return UsageError("timeseries", "--n a --daily platí jen pro projekty varianty I");
    }
    state.HydrographFromDesignRain = !parsed.has("--daily");
    PrintListing(TimeSeriesListing(HydrographSeries(state, index), state.LocaleDecimalSeparator),
                 ListingTitle(state, index), parsed.has("--csv"));
    // The warnings of the listed hydrograph go to stderr: the listing stays data.
    const int returnPeriod = state.LastResultVariantI ? ReturnPeriods[static_cast<size_t>(index)] : 0;
    PrintWarnings(WarningsOfReturnPeriod(ResultWarnings(state), returnPeriod), std::cerr);
    return ExitOk;
}

const CommandRegistration registration(
    "timeseries",
    {"timeseries PROJEKT.snp [--n 5|10|20|50|100] [--daily] [--csv] [--data ADRESÁŘ]",
     "Spočítá projekt a vypíše jeho hydrogram po minutách tak, jak jej ukazuje okno časových řad; "
     "první řádek jmenuje hydrogram a dobu opakování (varianta I: doba opakování N, výchozí 5, "
     "--daily pro hydrogram vyvolaný 1denním srážkovým úhrnem).",
     RunTimeseries});

} // namespace
} // namespace hydrim::cli
