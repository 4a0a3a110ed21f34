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

struct ProjectReadResult {
    enum class Status { Ok, WrongType, Error };
    Status status = Status::Ok;
    std::string message; // "Nesprávný typ souboru!!" or a Czech message naming the file and line
    bool ok() const { return status == Status::Ok; }
};

// Reads a project file into project. On failure project is left untouched.
// A file that ends early (a truncated file) is read as far as it goes: the
// missing texts and lookup cells are empty, missing list choices are "none"
// (-1), a missing station row is 1, missing path flags are true and missing
// chart titles are "Název grafu". A malformed or out-of-range integer item is
// an error naming the file and the line.
ProjectReadResult ReadProjectFile(const std::string& fileName, Project& project);

// The same over lines already decoded; fileName only names the file in messages.
ProjectReadResult ParseProjectLines(const std::vector<std::string>& lines, const std::string& fileName,
                                    Project& project);

// Writes the project (atomically: a temporary file renamed over the target).
// Fails with a Czech message naming the file.
Error WriteProjectFile(const std::string& fileName, const Project& project);

// The lines of the project file, in the order of its layout (UTF-8).
std::vector<std::string> ProjectFileLines(const Project& project);

// The FilledInputs a project's texts give. The reading algorithm adds a
// member for every non-empty line, but setting a field's text makes the input
// window judge it again, so the window's own rules decide: a list counts when
// an item is chosen, a numeric field when it holds a number greater than 0,
// the N = 10, 20, 50 rainfall fields when they hold any text (and only in
// Variant I, the one that shows them); the hidden Edit13 and Edit20 never.
FilledInputs DeriveFilledInputs(const Project& project);

} // namespace hydrim
