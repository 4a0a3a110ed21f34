// hydrim-cli batch: computes many catchments (project files, folders of them
// and catchment tables) in one run and writes their summary; converts
// between project files and catchment tables.
#include "cli/BatchOutput.h"
#include "cli/BatchProgress.h"
#include "cli/BatchTables.h"
#include "cli/CliCommon.h"
#include "cli/Commands.h"

#include "core/batch/BatchRunner.h"
#include "core/project/TextCodec.h"
#include "core/reference/ParTableFile.h"

#include <charconv>
#include <filesystem>
#include <iostream>

namespace hydrim::cli {
namespace {

const char* const Command = "batch";

// The summary format: --format, else the output's extension, else CSV.
bool FormatOf(const Arguments& parsed, const std::string& output, SummaryFormat& format) {
    std::string name = parsed.value("--format");
    if (name.empty()) {
        const std::string extension = std::filesystem::path(output).extension().string();
        name = extension == ".json" ? "json" : extension == ".xlsx" ? "xlsx" : "csv";
    }
    format = name == "json" ? SummaryFormat::Json : name == "xlsx" ? SummaryFormat::Xlsx : SummaryFormat::Csv;
    return name == "json" || name == "xlsx" || name == "csv";
}

bool JobsOf(const Arguments& parsed, unsigned& jobs) {
    const std::string text = parsed.value("--jobs", "0");
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), jobs);
    return ec == std::errc() && end == text.data() + text.size() && jobs <= 1024;
}

struct RunOptions {
    std::vector<std::string> inputs;
    std::string output;
    SummaryFormat format = SummaryFormat::Csv;
    unsigned jobs = 0;
    std::string dataDir;
    bool quiet = false;
};

int RunBatch(const RunOptions& options) {
    // Ctrl+C from here on stops the run with the summary of what is done.
    const InterruptRequest interrupt;
    ParTable par;
    if (const Error problem = ReadParTable(JoinPath(options.dataDir, ParTableFileName), par)) {
        PrintError(problem.Message);
        return ExitInvalidInput;
    }
    const BatchInputs inputs = CollectBatchInputs(options.inputs);
    const std::unique_ptr<SummaryOutput> output =
        MakeSummaryOutput(options.format, options.output, inputs.Separator);
    if (std::string problem = output->Problem(); !problem.empty()) {
        PrintError(problem);
        return ExitInvalidInput;
    }
    const size_t total = inputs.Items.size();
    BatchProgress progress(total, !options.quiet && StderrIsTerminal());
    size_t failed = 0;
    const size_t done = RunInOrder<CatchmentOutcome>(
        total, options.jobs, [&](size_t i) { return ComputeCatchment(inputs.Items[i], par); },
        [&](size_t index, CatchmentOutcome&& outcome) {
            const std::vector<SummaryRow> rows = SummaryRows(outcome);
            if (rows.front().failed()) {
                progress.Clear();
                PrintError(rows.front().Message);
                ++failed;
            }
            output->Add(outcome, rows);
            progress.Update(index + 1);
        },
        InterruptRequest::Requested());
    progress.Finish();
    const bool stopped = done < total;
    if (std::string problem = output->Finish(stopped ? std::optional(PartialRow(done, total)) : std::nullopt);
        !problem.empty()) {
        PrintError(problem);
        return ExitInvalidInput;
    }
    if (stopped) {
        PrintError("přerušeno: souhrn obsahuje " + std::to_string(done) + " z " + std::to_string(total) +
                   " povodí");
        return ExitInterrupted;
    }
    return failed > 0 ? ExitSomeFailed : ExitOk;
}

int RunBatchCommand(const std::vector<std::string>& args) {
    Arguments parsed;
    if (std::string problem =
            ParseArguments(args, {"-o", "--output", "--jobs", "--data", "--format", "--to-projects"},
                           {"--template", "--to-table", "--force", "--quiet"}, parsed);
        !problem.empty()) {
        return UsageError(Command, problem);
    }
    const std::string output = parsed.value("-o", parsed.value("--output"));
    const bool force = parsed.has("--force");
    if (parsed.has("--template")) {
        return PrintTableTemplate();
    }
    if (parsed.positional.empty()) {
        return UsageError(Command, "chybí vstup");
    }
    if (parsed.has("--to-table")) {
        return ProjectsToTable(parsed.positional, output, force);
    }
    if (parsed.values.count("--to-projects") != 0) {
        return TablesToProjects(parsed.positional, parsed.value("--to-projects"), force);
    }
    RunOptions options;
    options.inputs = parsed.positional;
    options.output = output;
    if (output.empty()) {
        return UsageError(Command, "chybí výstupní soubor (-o SOUHRN.csv|.xlsx|.json)");
    }
    if (!FormatOf(parsed, output, options.format)) {
        return UsageError(Command,
                          "neznámý formát \"" + parsed.value("--format") + "\" (csv, xlsx nebo json)");
    }
    if (!JobsOf(parsed, options.jobs)) {
        return UsageError(Command, "--jobs očekává počet souběžných výpočtů (0 = všechna jádra)");
    }
    std::error_code error;
    for (const std::string& input : options.inputs) {
        if (std::filesystem::equivalent(input, output, error)) {
            return UsageError(Command, "výstup \"" + output + "\" je zároveň vstupem");
        }
    }
    if (std::filesystem::exists(output, error) && !force) {
        return UsageError(Command, "soubor \"" + output + "\" už existuje (přepíše jej --force)");
    }
    options.dataDir = DataDirectoryOption(parsed);
    options.quiet = parsed.has("--quiet");
    return RunBatch(options);
}

const CommandRegistration registration(
    Command,
    {"batch VSTUP... -o VÝSTUP [--jobs N] [--data ADRESÁŘ] [--format csv|xlsx|json] [--force] [--quiet]",
     "Spočítá každé povodí vstupů (soubory projektů, adresáře s nimi, tabulky povodí .csv) a zapíše "
     "souhrn, jeden řádek na povodí a dobu opakování, v pořadí vstupů. Návratový kód 3, když některé "
     "vstupy nešlo spočítat, 130 po přerušení klávesami Ctrl+C (souhrn pak uvádí, že je neúplný). "
     "Dále: batch --template (prázdná tabulka povodí s příklady), batch --to-table PROJEKT.snp... "
     "[-o TABULKA.csv], batch --to-projects ADRESÁŘ TABULKA.csv... (jeden soubor projektu na řádek).",
     RunBatchCommand});

} // namespace
} // namespace hydrim::cli
