// hydrim-cli table: prints the result grids of a project as the result
// window shows them (symbol, description, values, unit), or as CSV.
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "cli/ComputationReport.h"

#include "core/Engine.h"

#include <iostream>
#include <vector>

namespace hydrim::cli {
namespace {

// The sheet number 1..count, or 0 for every sheet; -1 for a bad option.
int SheetOption(const Arguments& parsed, int count) {
    const std::string text = parsed.value("--sheet");
    if (text.empty()) {
        return 0;
    }
    try {
        size_t used = 0;
        const int sheet = std::stoi(text, &used);
        return used == text.size() && sheet >= 1 && sheet <= count ? sheet : -1;
    } catch (const std::exception&) {
        return -1;
    }
}

int RunTable(const std::vector<std::string>& args) {
    Arguments parsed;
    if (std::string problem = ParseArguments(args, {"--data", "--sheet"}, {"--csv"}, parsed);
        !problem.empty()) {
        return UsageError("table", problem);
    }
    if (std::string problem = OneProjectFileProblem(parsed.positional); !problem.empty()) {
        return UsageError("table", problem);
    }
    const std::string dataDir = DataDirectoryOption(parsed);
    const std::string& projectFile = parsed.positional.front();
    const Computation computation = LoadAndCompute(projectFile, dataDir);
    if (!computation.hasResults()) {
        return ReportComputation(computation);
    }
    Error layoutError;
    const std::vector<ResultGrid> grids = ResultGrids(*computation.State, dataDir, layoutError);
    if (layoutError) {
        PrintError(layoutError.Message); // the rows without texts still show their values
    }
    const int sheet = SheetOption(parsed, static_cast<int>(grids.size()));
    if (sheet < 0) {
        return UsageError("table", "--sheet musí být číslo listu od 1 do " + std::to_string(grids.size()));
    }
    bool first = true;
    for (size_t k = 0; k < grids.size(); ++k) {
        if (sheet != 0 && static_cast<int>(k) + 1 != sheet) {
            continue;
        }
        std::cout << (first ? "" : "\n");
        first = false;
        if (parsed.has("--csv")) {
            std::cout << grids[k].SheetName << "\r\n" << GridAsCsv(grids[k]);
        } else {
            std::cout << "== " << grids[k].Title << " ==\n" << GridAsText(grids[k]);
        }
    }
    // The warnings follow the text; a CSV stays one table, so they go to stderr.
    PrintWarnings(ResultWarnings(*computation.State), parsed.has("--csv") ? std::cerr : std::cout);
    return ExitOk;
}

const CommandRegistration registration(
    "table", {"table PROJEKT.snp [--sheet K] [--csv] [--data ADRESÁŘ]",
              "Spočítá projekt a vypíše jeho výslednou tabulku tak, jak ji ukazuje okno výsledků: osm listů "
              "varianty I (nebo jen list K), nebo tabulku varianty II či III; --csv ji vypíše jako CSV.",
              RunTable});

} // namespace
} // namespace hydrim::cli
