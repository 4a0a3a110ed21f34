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
    const std::vector<std::string>& positional = line.parsed.positional;
    if (positional.size() != 1) {
        return UsageError(command,
                          positional.empty() ? "no project file given" : "more than one project file given");
    }
    line.projectFile = positional.front();
    line.output = line.parsed.value("-o", line.parsed.value("--output"));
    if (line.output.empty()) {
        return UsageError(command, "no output file given (-o " + outputExample + ")");
    }
    return ExitOk;
}

} // namespace hydrim::cli
