// The command line of the commands that write a file (export, pdf): one
// PROJECT.snp, -o OUT (or --output OUT), --data DIR and the command's own flags.
#pragma once

#include "cli/CliCommon.h"

#include <string>
#include <vector>

namespace hydrim::cli {

struct FileCommandLine {
    Arguments parsed;
    std::string projectFile;
    std::string output;
};

// Parses args. A usage problem is printed with the command's usage line
// (outputExample names the file in "no output file given (-o OUT.xlsx)")
// and gives ExitUsage; else ExitOk.
int ParseFileCommandLine(const std::string& command, const std::vector<std::string>& args,
                         const std::vector<std::string>& flags, const std::string& outputExample,
                         FileCommandLine& line);

} // namespace hydrim::cli
