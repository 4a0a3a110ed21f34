// Sub-commands of hydrim-cli. Each command lives in a file of its own and
// registers itself here with a static CommandRegistration.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace hydrim::cli {

// Exit codes: 0 success (a no-runoff result is an answer, not a failure),
// 1 unreadable or invalid input, 2 bad usage.
inline constexpr int ExitOk = 0;
inline constexpr int ExitInvalidInput = 1;
inline constexpr int ExitUsage = 2;
// batch: some inputs could not be computed (the others were).
inline constexpr int ExitSomeFailed = 3;
// batch: stopped by Ctrl+C (the summary holds the catchments computed until then).
inline constexpr int ExitInterrupted = 130;

struct Command {
    std::string usage;   // one line, e.g. "compute PROJECT.snp [--data DIR] [--json]"
    std::string summary; // one line of help
    std::function<int(const std::vector<std::string>& args)> run;
};

std::map<std::string, Command>& CommandTable();

struct CommandRegistration {
    CommandRegistration(const std::string& name, Command command) {
        CommandTable()[name] = std::move(command);
    }
};

} // namespace hydrim::cli
