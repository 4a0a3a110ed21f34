// hydrim-cli: the discharge computation of the desktop program for scripts
// and batch runs. Each sub-command lives in a file of its own and registers
// itself in the command table (Commands.h).
#include "cli/CliCommon.h"
#include "cli/Commands.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

using hydrim::cli::CommandTable;

bool IsHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}

// Breaks text into lines of at most width bytes at blanks, each line
// preceded by indent blanks.
std::string Wrap(const std::string& text, size_t indent, size_t width = 78) {
    std::string out, line;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(' ', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string word = text.substr(start, end - start);
        if (!line.empty() && indent + line.size() + 1 + word.size() > width) {
            out += std::string(indent, ' ') + line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
        start = end + 1;
    }
    return line.empty() ? out : out + std::string(indent, ' ') + line + "\n";
}

void PrintHelp(std::ostream& out) {
    out << "hydrim-cli " HYDRIM_VERSION " - design discharges of small catchments\n\n"
           "Usage: hydrim-cli COMMAND [ARGUMENTS]\n"
           "       hydrim-cli COMMAND --help\n"
           "       hydrim-cli --help | --version\n\n"
           "Commands:\n";
    for (const auto& [name, command] : CommandTable()) {
        out << "  " << command.usage << "\n" << Wrap(command.summary, 6);
    }
    out << "\nDIR is the data directory holding par.tab and the tables. Without --data:\n"
           "DATA below the working directory, else the installed data ("
        << HYDRIM_SHARE_DIR
        << "/DATA).\n"
           "Exit status: 0 success (a no-runoff result included), 1 unreadable or invalid\n"
           "input, 2 bad usage; batch: 3 some inputs not computed, 130 stopped by Ctrl+C.\n";
}

void PrintCommandHelp(const hydrim::cli::Command& command) {
    std::cout << "Usage: hydrim-cli " << command.usage << "\n" << Wrap(command.summary, 0);
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
