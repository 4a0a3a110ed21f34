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
    if (parsed.positional.size() != 1) {
        return UsageError("table", parsed.positional.empty() ? "no project file given"
                                                             : "more than one project file given");
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
        return UsageError("table",
                          "--sheet must be a sheet number from 1 to " + std::to_string(grids.size()));
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

const CommandRegistration
    registration("table",
                 {"table PROJECT.snp [--sheet K] [--csv] [--data DIR]",
                  "Computes the project and prints its result table(s) as the result window shows them: the "
                  "eight Variant I sheets (or sheet K), or the Variant II/III table; --csv gives CSV.",
                  RunTable});

} // namespace
} // namespace hydrim::cli
