// The project file (".snp"): the input texts, the rainfall texts per return
// period, the lookup-dialog entries of both slopes and the two chart titles,
// as Windows-1250 text with CR LF line ends.
#pragma once

#include "core/project/Error.h"
#include "core/project/ProjectData.h"

#include <string>
#include <vector>

namespace hydrim {

inline const std::string ProjectFileHeader = "SPIKA NP File";
inline const std::string WrongFileTypeMessage = "Nesprávný typ souboru!!";
// The line that opens the optional identification block after the chart titles.
inline const std::string IdentificationMarker = "Informace o povodí";
// The line that opens the optional block of the roughness classes behind the
// roughness entries (after the identification block, if any).
inline const std::string RoughnessClassMarker = "Třídy povrchu zadání drsnosti";

// What reading a project file gave: the engine's error (empty when the file
// was read), whether the file is no project file at all (its first line holds
// no header: the open dialog is shown again), and the items a file that ends
// early did not hold, which were read as empty.
struct ProjectReadResult {
    Error error;            // "Nesprávný typ souboru!!" or a Czech message naming the file and line
    bool wrongType = false; // the header is missing
    std::vector<std::string> missingItems; // names of the items past the end of the file, in file order
    bool ok() const { return !error; }
};

// Reads a project file into project. On failure project is left untouched.
// A file that ends early (a truncated file) is read as far as it goes: the
// missing texts and lookup cells are empty, missing list choices are "none"
// (-1), a missing station row is 1, missing path flags are true and missing
// chart titles are "Název grafu"; missingItems names what was missing (the
// chart titles excepted, which older files do not have). The identification
// texts (Edit1 to Edit4) and the classes of the roughness entries come from
// the optional blocks after the chart titles, and are empty without them. A malformed or out-of-range integer
// item is an error naming the file and the line and quoting the line, shortened and with its control
// characters replaced.
ProjectReadResult ReadProjectFile(const std::string& fileName, Project& project);

// The same over lines already decoded; fileName only names the file in messages.
ProjectReadResult ParseProjectLines(const std::vector<std::string>& lines, const std::string& fileName,
                                    Project& project);

// The notice for a file that ended before its last item: which items were
// missing and filled empty ("" when none were).
std::string MissingItemsNotice(const ProjectReadResult& read, const std::string& fileName);

// Writes the project (atomically: a temporary file renamed over the target).
// Fails with a Czech message naming the file.
Error WriteProjectFile(const std::string& fileName, const Project& project);

// The lines of the project file, in the order of its layout (UTF-8), then
// the identification block when the project has an identification text and
// the block of the roughness classes when its roughness entries name any.
std::vector<std::string> ProjectFileLines(const Project& project);

// The FilledInputs a project's texts give. The reading algorithm adds a
// member for every non-empty line, but setting a field's text makes the input
// window judge it again, so the window's own rules decide: a list counts when
// an item is chosen, a numeric field when it holds a number greater than 0,
// the N = 10, 20, 50 rainfall fields when they hold any text (and only in
// Variant I, the one that shows them); the hidden Edit13 and Edit20 never.
FilledInputs DeriveFilledInputs(const Project& project);

} // namespace hydrim
