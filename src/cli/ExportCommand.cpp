// hydrim-cli export: computes a project and writes its result tables, or
// with --timeseries its time series and hydrograph charts, as a workbook.
#include "ExportCommand.h"

#include "CliCommon.h"
#include "Commands.h"

#include "hydrology/Compute.h"
#include "views/WorkbookExport.h"

#include <iostream>
#include <memory>

namespace hydrim::cli {

int LoadAndCompute(const std::string& projectFile, const std::string& dataDir, AppState& state) {
    if (int status = LoadProject(projectFile, dataDir, state); status != ExitOk) {
        return status;
    }
    const ComputeOutcome outcome = ComputeProject(state);
    if (!outcome.ok()) {
        PrintError("\"" + projectFile + "\": " + outcome.message);
        return ExitInvalidInput;
    }
    return ExitOk;
}

namespace {

int RunExport(const std::vector<std::string>& args) {
    Arguments parsed;
    if (std::string problem =
            ParseArguments(args, {"--data", "-o", "--output"}, {"--timeseries", "--daily"}, parsed);
        !problem.empty()) {
        return UsageError("export", problem);
    }
    if (parsed.positional.size() != 1) {
        return UsageError("export", parsed.positional.empty() ? "no project file given"
                                                              : "more than one project file given");
    }
    const std::string output = parsed.value("-o", parsed.value("--output"));
    if (output.empty()) {
        return UsageError("export", "no output file given (-o OUT.xlsx)");
    }
    if (parsed.has("--daily") && !parsed.has("--timeseries")) {
        return UsageError("export", "--daily applies to --timeseries only");
    }
    const std::string& projectFile = parsed.positional.front();
    const std::string dataDir = DataDirectoryOption(parsed);
    auto state = std::make_unique<AppState>();
    if (int status = LoadAndCompute(projectFile, dataDir, *state); status != ExitOk) {
        return status;
    }
    std::string error;
    if (parsed.has("--timeseries")) {
        state->HydrographFromDesignRain = !parsed.has("--daily");
        const bool twoSlopes = state->CurrentProject.Texts.CatchmentType == 1;
        error = WriteTimeSeriesWorkbook(output, state->LastResultVariantI
                                                    ? VariantITimeSeriesSheets(*state)
                                                    : Variant23TimeSeriesSheets(*state, twoSlopes));
    } else {
        const std::vector<ResultGrid> grids = ResultGridsOf(*state, dataDir, error);
        if (error.empty()) {
            error = WriteResultTableWorkbook(output, grids, state->LocaleDecimalSeparator);
        }
    }
    if (!error.empty()) {
        PrintError(error);
        return ExitInvalidInput;
    }
    return ExitOk;
}

const CommandRegistration registration(
    "export", {"export PROJECT.snp -o OUT.xlsx [--timeseries [--daily]] [--data DIR]",
               "Computes the project and writes its result tables as a workbook, or with --timeseries the "
               "hydrograph time series with a chart sheet per return period (--daily: the hydrograph of the "
               "whole 1-day rainfall instead of the design rain, Variant I).",
               RunExport});

} // namespace
} // namespace hydrim::cli
