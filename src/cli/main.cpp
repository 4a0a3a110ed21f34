// hydrim-cli: the discharge computation of the desktop program for scripts
// and batch runs. Each sub-command lives in a file of its own and registers
// itself in the command table (Commands.h).
#include "cli/CliCommon.h"
#include "cli/Commands.h"

#include <exception>
#include <iostream>
#include <new>
#include <string>
#include <vector>

namespace {

using hydrim::cli::CommandTable;

bool IsHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}

size_t Characters(const std::string& text) {
    size_t characters = 0;
    for (const char c : text) {
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return characters;
}

// Breaks text into lines of at most width characters at blanks, each line
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
        if (!line.empty() && indent + Characters(line) + 1 + Characters(word) > width) {
            out += std::string(indent, ' ') + line + "\n";
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
        start = end + 1;
    }
    return line.empty() ? out : out + std::string(indent, ' ') + line + "\n";
}

void PrintHelp(std::ostream& out) {
    out << "hydrim-cli " HYDRIM_VERSION " – návrhové průtoky malých povodí\n\n"
           "Použití: hydrim-cli PŘÍKAZ [ARGUMENTY]\n"
           "         hydrim-cli PŘÍKAZ --help\n"
           "         hydrim-cli --help | --version\n\n"
           "Příkazy:\n";
    for (const auto& [name, command] : CommandTable()) {
        out << "  " << command.usage << "\n" << Wrap(command.summary, 6);
    }
    out << "\nADRESÁŘ je datový adresář s par.tab a tabulkami. Bez --data: DATA pod\n"
           "pracovním adresářem, jinak instalovaná data ("
        << HYDRIM_SHARE_DIR
        << "/DATA).\n"
           "Návratový kód: 0 úspěch (i výsledek bez odtoku), 1 nečitelný nebo chybný\n"
           "vstup, 2 chybné použití; batch: 3 některé vstupy nespočítány, 130 přerušeno\n"
           "klávesami Ctrl+C.\n";
}

std::string UnknownCommand(const std::string& name) {
    return "neznámý příkaz \"" + name + "\" (viz hydrim-cli --help)";
}

void PrintCommandHelp(const hydrim::cli::Command& command) {
    std::cout << "Použití: hydrim-cli " << command.usage << "\n" << Wrap(command.summary, 0);
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
            hydrim::cli::PrintError(UnknownCommand(args[1]));
            return hydrim::cli::ExitUsage;
        }
        PrintCommandHelp(found->second);
        return hydrim::cli::ExitOk;
    }
    const auto found = CommandTable().find(name);
    if (found == CommandTable().end()) {
        hydrim::cli::PrintError(UnknownCommand(name));
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
    } catch (const std::bad_alloc&) {
        hydrim::cli::PrintError("nedostatek paměti");
        return hydrim::cli::ExitInvalidInput;
    } catch (const std::exception& error) {
        hydrim::cli::PrintError(std::string("neočekávaná chyba: ") + error.what());
        return hydrim::cli::ExitInvalidInput;
    }
}
