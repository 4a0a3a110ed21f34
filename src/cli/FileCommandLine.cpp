#include "cli/FileCommandLine.h"

#include "cli/Commands.h"

namespace hydrim::cli {

int ParseFileCommandLine(const std::string& command, const std::vector<std::string>& args,
                         const std::vector<std::string>& flags, const std::string& outputExample,
                         FileCommandLine& line) {
    if (std::string problem = ParseArguments(args, {"--data", "-o", "--output"}, flags, line.parsed);
        !problem.empty()) {
        return UsageError(command, problem);
    }
    if (std::string problem = OneProjectFileProblem(line.parsed.positional); !problem.empty()) {
        return UsageError(command, problem);
    }
    line.projectFile = line.parsed.positional.front();
    line.output = line.parsed.value("-o", line.parsed.value("--output"));
    if (line.output.empty()) {
        return UsageError(command, "chybí výstupní soubor (-o " + outputExample + ")");
    }
    return ExitOk;
}

} // namespace hydrim::cli
