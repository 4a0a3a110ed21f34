// The data directory shipped with the program ("share/hydrim/DATA" of the
// installation, or the source tree's DATA when run from the build tree), and
// the first start in a new working directory, which copies it there; the
// user guide and the sample projects are found the same way.
#pragma once

#include <string>
#include <vector>

namespace hydrim::gui {

// Candidate directories of a folder shipped with the program ("DATA", the
// user guide "help", the sample projects "examples"), most specific first:
// beside the executable's installation prefix, the configured share
// directory, the source tree.
std::vector<std::string> ShippedCandidates(const std::string& executableDir, const std::string& folder);
std::vector<std::string> ShippedDataCandidates(const std::string& executableDir);

// A sample project every copy of the examples holds.
inline const char* const SampleProjectFile = "variant1-one-slope.snp";

// The first candidate that holds the file, or empty.
std::string FindShippedFile(const std::vector<std::string>& candidates, const std::string& fileName);

// The first candidate that holds "par.tab", or empty.
std::string FindShippedData(const std::vector<std::string>& candidates);

// What a new working directory is given: the tables of the shipped DATA
// (never what a program run left beside them there, such as "ADRES.CFG",
// "POSLEDNI.CFG" or the backups of edited tables) and the sample projects.
inline const char* const ShippedTableExtension = ".tab";
inline const char* const SampleProjectExtension = ".snp";

// Copies every file of source named "*" + extension that target lacks into
// target (created when missing). Files already in target are never
// overwritten. Returns an empty string on success, else a Czech message
// naming the file that failed.
std::string CopyMissingFiles(const std::string& source, const std::string& target,
                             const std::string& extension);

} // namespace hydrim::gui
