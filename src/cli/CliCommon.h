// Helpers shared by the commands of hydrim-cli: the command-line parser, the
// data-directory option and error messages.
#pragma once

#include "core/project/ProjectData.h"

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

} // namespace hydrim::cli
