// hydrim-cli: the discharge computation of the desktop program for scripts
// and batch runs. Each sub-command lives in a file of its own and registers
// itself in the command table (Commands.h).
#include "CliCommon.h"
#include "Commands.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

using hydrim::cli::CommandTable;

bool IsHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}

void PrintHelp(std::ostream& out) {
    out << "hydrim-cli " HYDRIM_VERSION " - design discharges of small catchments\n\n"
           "Usage: hydrim-cli COMMAND [ARGUMENTS]\n"
           "       hydrim-cli COMMAND --help\n"
           "       hydrim-cli --help | --version\n\n"
           "Commands:\n";
    for (const auto& [name, command] : CommandTable()) {
        out << "  " << command.usage << "\n      " << command.summary << "\n";
    }
    out << "\nDIR is the data directory holding par.tab and the tables (default: DATA below the\n"
           "working directory). Exit status: 0 success (a no-runoff result included),\n"
           "1 unreadable or invalid input, 2 bad usage.\n";
}

void PrintCommandHelp(const hydrim::cli::Command& command) {
    std::cout << "Usage: hydrim-cli " << command.usage << "\n" << command.summary << "\n";
}

int Run(const std::vector<std::string>& args) {
    if (args.empty()) {
        PrintHelp(std::cerr);
        return hydrim::cli::ExitUsage;
    }
    const std::string& name = args.front();
    if (IsHelp(name)) {
        PrintHelp(std::cout);
        return hydrim::cli::ExitOk;
    }
    if (name == "--version") {
        std::cout << "hydrim-cli " HYDRIM_VERSION "\n";
        return hydrim::cli::ExitOk;
    }
    if (name == "help") {
        if (args.size() == 1) {
            PrintHelp(std::cout);
            return hydrim::cli::ExitOk;
        }
        const auto found = CommandTable().find(args[1]);
        if (found == CommandTable().end()) {
            hydrim::cli::PrintError("unknown command \"" + args[1] + "\" (see hydrim-cli --help)");
            return hydrim::cli::ExitUsage;
        }
        PrintCommandHelp(found->second);
        return hydrim::cli::ExitOk;
    }
    const auto found = CommandTable().find(name);
    if (found == CommandTable().end()) {
        hydrim::cli::PrintError("unknown command \"" + name + "\" (see hydrim-cli --help)");
        return hydrim::cli::ExitUsage;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    for (const std::string& arg : rest) {
        if (arg == "--") {
            break;
        }
        if (IsHelp(arg)) {
            PrintCommandHelp(found->second);
            return hydrim::cli::ExitOk;
        }
    }
    return found->second.run(rest);
}

} // namespace

int main(int argc, char** argv) {
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) {
        hydrim::cli::PrintError(error.what());
        return hydrim::cli::ExitInvalidInput;
    }
}
