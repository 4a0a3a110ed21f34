// hydrim-cli export: computes a project and writes its result tables, or
// with --timeseries its time series and hydrograph charts, as a workbook.
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "cli/ComputationReport.h"
#include "cli/FileCommandLine.h"

#include "core/Engine.h"
#include "export/WorkbookExport.h"

#include <filesystem>

namespace hydrim::cli {

namespace {

int RunExport(const std::vector<std::string>& args) {
    FileCommandLine line;
    if (const int status =
            ParseFileCommandLine("export", args, {"--timeseries", "--daily"}, "OUT.xlsx", line);
        status != ExitOk) {
        return status;
    }
    const Arguments& parsed = line.parsed;
    if (parsed.has("--daily") && !parsed.has("--timeseries")) {
        return UsageError("export", "--daily applies to --timeseries only");
    }
    const std::string& projectFile = line.projectFile;
    const std::string& output = line.output;
    const std::string dataDir = DataDirectoryOption(parsed);
    const Computation computation = LoadAndCompute(projectFile, dataDir);
    if (!computation.hasResults()) {
        return ReportComputation(computation, projectFile, NoRunoff::IsAFailure);
    }
    AppState& state = *computation.State;
    const std::string title = std::filesystem::path(projectFile).filename().string();
    Error error;
    if (parsed.has("--timeseries")) {
        state.HydrographFromDesignRain = !parsed.has("--daily");
        error = WriteTimeSeriesWorkbook(
            output,
            state.LastResultVariantI
                ? VariantITimeSeriesSheets(state)
                : Variant23TimeSeriesSheets(state, HasTwoSlopes(state.CurrentProject.Texts)),
            {}, ResultWarnings(state), title);
    } else {
        const std::vector<ResultGrid> grids = ResultGrids(state, dataDir, error);
        if (!error) {
            error = WriteResultTableWorkbook(output, grids, state.LocaleDecimalSeparator, {},
                                             ResultWarnings(state), title);
        }
    }
    if (error) {
        PrintError(error.Message);
        return ExitInvalidInput;
    }
    return ExitOk;
}

const CommandRegistration registration(
    "export",
    {"export PROJECT.snp -o OUT.xlsx [--timeseries [--daily]] [--data DIR]",
     "Computes the project and writes its result tables as a workbook, or with --timeseries the "
     "hydrograph time series with a chart sheet per return period (--daily: the hydrograph of the "
     "whole 1-day rainfall instead of the design rain, Variant I). The warnings of the computation, if "
     "any, go on a last sheet \"Upozornění\".",
     RunExport});

} // namespace
} // namespace hydrim::cli
