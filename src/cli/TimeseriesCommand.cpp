// hydrim-cli timeseries: prints the minute-by-minute listing of the
// project's hydrograph as the time-series window shows it, or as CSV.
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "cli/ComputationReport.h"

#include "core/Engine.h"
#include "core/results/WarningLists.h"

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

void PrintListing(const TimeSeriesListing& listing, bool csv) {
    std::string line;
    for (int row = 0; row < listing.RowCount(); ++row) {
        line.clear();
        for (int column = 0; column < listing.ColumnCount(); ++column) {
            if (column > 0) {
                line += csv ? ';' : '\t';
            }
            const std::string cell = listing.Cell(row, column);
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
    if (parsed.positional.size() != 1) {
        return UsageError("timeseries", parsed.positional.empty() ? "no project file given"
                                                                  : "more than one project file given");
    }
    const int index = ReturnPeriodIndex(parsed.value("--n", "5"));
    if (index == 0) {
        return UsageError("timeseries", "--n must be one of 5, 10, 20, 50, 100");
    }
    const std::string& projectFile = parsed.positional.front();
    const Computation computation = LoadAndCompute(projectFile, DataDirectoryOption(parsed));
    if (!computation.hasResults()) {
        return ReportComputation(computation);
    }
    AppState& state = *computation.State;
    if (!state.LastResultVariantI && (parsed.has("--daily") || !parsed.value("--n").empty())) {
        return UsageError("timeseries", "--n and --daily apply to Variant I projects only");
    }
    state.HydrographFromDesignRain = !parsed.has("--daily");
    PrintListing(TimeSeriesListing(HydrographSeries(state, index), state.LocaleDecimalSeparator),
                 parsed.has("--csv"));
    // The warnings of the listed hydrograph go to stderr: the listing stays data.
    const int returnPeriod = state.LastResultVariantI ? ReturnPeriods[static_cast<size_t>(index)] : 0;
    PrintWarnings(WarningsOfReturnPeriod(ResultWarnings(state), returnPeriod), std::cerr);
    return ExitOk;
}

const CommandRegistration
    registration("timeseries",
                 {"timeseries PROJECT.snp [--n 5|10|20|50|100] [--daily] [--csv] [--data DIR]",
                  "Computes the project and prints its hydrograph minute by minute as the time-series "
                  "window lists it (Variant I: return period N, --daily for the 1-day rainfall hydrograph).",
                  RunTimeseries});

} // namespace
} // namespace hydrim::cli
