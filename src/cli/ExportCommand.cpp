// hydrim-cli export: computes a project and writes its result tables, or
// with --timeseries its time series and hydrograph charts, as a workbook.
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "cli/ComputationReport.h"
#include "cli/FileCommandLine.h"

#include "core/Engine.h"
#include "core/results/InputSummary.h"
#include "export/NoRunoffWorkbook.h"
#include "export/WorkbookExport.h"

#include <filesystem>

namespace hydrim::cli {

namespace {

int RunExport(const std::vector<std::string>& args) {
    FileCommandLine line;
    if (const int status =
            ParseFileCommandLine("export", args, {"--timeseries", "--daily"}, "VÝSTUP.xlsx", line);
        status != ExitOk) {
        return status;
    }
    const Arguments& parsed = line.parsed;
    if (parsed.has("--daily") && !parsed.has("--timeseries")) {
        return UsageError("export", "--daily platí jen spolu s --timeseries");
    }
    const std::string& projectFile = line.projectFile;
    const std::string& output = line.output;
    const std::string dataDir = DataDirectoryOption(parsed);
    const Computation computation = LoadAndCompute(projectFile, dataDir);
    if (!computation.hasResults() && !computation.noRunoff()) {
        return ReportComputation(computation);
    }
    AppState& state = *computation.State;
    const std::string title = std::filesystem::path(projectFile).filename().string();
    Error error;
    if (computation.noRunoff()) {
        error =
            WriteNoRunoffWorkbook(output, SummarizeInputs(state.CurrentProject, ReadLookupRowNames(dataDir)),
                                  computation.Outcome.message, ResultWarnings(state), title);
    } else if (parsed.has("--timeseries")) {
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
    return ReportComputation(computation);
}

const CommandRegistration registration(
    "export",
    {"export PROJEKT.snp -o VÝSTUP.xlsx [--timeseries [--daily]] [--data ADRESÁŘ]",
     "Spočítá projekt a zapíše jeho výsledné tabulky do sešitu, s --timeseries časové řady hydrogramu "
     "s listem grafu pro každou dobu opakování (--daily: hydrogram vyvolaný celým 1denním srážkovým "
     "úhrnem místo výpočtového deště, varianta I). Upozornění výpočtu, jsou-li nějaká, jsou na "
     "posledním listu \"Upozornění\". Projekt, na kterém nedojde k odtoku, dostane list se vstupními "
     "údaji a zprávou o tom s její příčinou; zpráva se také vypíše.",
     RunExport});

} // namespace
} // namespace hydrim::cli
