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
        PrintError("stopped: the summary holds " + std::to_string(done) + " of " + std::to_string(total) +
                   " catchments");
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
        return UsageError(Command, "no input given");
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
        return UsageError(Command, "no output file given (-o SUMMARY.csv|.xlsx|.json)");
    }
    if (!FormatOf(parsed, output, options.format)) {
        return UsageError(Command, "unknown format \"" + parsed.value("--format") + "\" (csv, xlsx or json)");
    }
    if (!JobsOf(parsed, options.jobs)) {
        return UsageError(Command, "--jobs takes a number of jobs (0 for all cores)");
    }
    std::error_code error;
    for (const std::string& input : options.inputs) {
        if (std::filesystem::equivalent(input, output, error)) {
            return UsageError(Command, "the output \"" + output + "\" is an input");
        }
    }
    if (std::filesystem::exists(output, error) && !force) {
        return UsageError(Command, "\"" + output + "\" exists (use --force to replace it)");
    }
    options.dataDir = DataDirectoryOption(parsed);
    options.quiet = parsed.has("--quiet");
    return RunBatch(options);
}

const CommandRegistration registration(
    Command,
    {"batch INPUT... -o OUT [--jobs N] [--data DIR] [--format csv|xlsx|json] [--force] [--quiet]",
     "Computes every catchment of the inputs (project files, folders of them, catchment tables .csv) and "
     "writes the summary, one row per catchment and return period, in input order. Exit status 3 when "
     "some inputs could not be computed, 130 when stopped by Ctrl+C (the summary then says it is partial). "
     "Also: batch --template (an empty catchment table with examples), batch --to-table PROJECT.snp... "
     "[-o TABLE.csv], batch --to-projects DIR TABLE.csv... (one project file per row).",
     RunBatchCommand});

} // namespace
} // namespace hydrim::cli
