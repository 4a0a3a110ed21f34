// Helpers shared by the commands of hydrim-cli: the command-line parser, the
// data-directory option, error messages, and JSON output with reals to 17 significant digits.
#pragma once

#include "core/project/ProjectData.h"

#include <nlohmann/json.hpp>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace hydrim::cli {

// The arguments of one command after parsing.
struct Arguments {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values; // options that take a value, by name ("--data")
    std::set<std::string> flags;               // options without a value ("--json")
    bool has(const std::string& flag) const { return flags.count(flag) != 0; }
    std::string value(const std::string& option, const std::string& fallback = {}) const;
};

// Parses args against the options of a command. An option of valueOptions
// takes the next argument or "=value"; "--" ends the options. Returns an
// empty string, or the usage problem (unknown option, missing value).
std::string ParseArguments(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
                           const std::vector<std::string>& flagOptions, Arguments& parsed);

// Prints "hydrim-cli: message" as one line on stderr.
void PrintError(const std::string& message);

// Prints a usage problem with the command's usage line; returns ExitUsage.
int UsageError(const std::string& command, const std::string& problem);

// The usage problem of a command that takes one project file ("" when the
// arguments name exactly one).
std::string OneProjectFileProblem(const std::vector<std::string>& positional);

// The data directory: the --data option, else "DATA" below the working
// directory when there is one, else the installed data.
std::string DataDirectoryOption(const Arguments& parsed);

// A real with 17 significant digits ("0.10000000000000001", "300.0"); a
// value that is not finite gives "null".
std::string FormatReal(double value);

// Serialises JSON with every real written by FormatReal; objects are
// indented by two blanks per level, arrays stay on one line.
std::string DumpJson(const nlohmann::ordered_json& value, int indent = 0);

} // namespace hydrim::cli
