// The project file (".snp"): the input texts, the rainfall texts per return
// period, the lookup-dialog entries of both slopes and the two chart titles,
// as Windows-1250 text with CR LF line ends.
#pragma once

#include "project/ProjectData.h"

#include <string>

namespace hydrim {

inline const std::string ProjectFileHeader = "SPIKA NP File";

struct ProjectReadResult {
    enum class Status { Ok, WrongType, Error };
    Status status = Status::Ok;
    std::string message; // "Nesprávný typ souboru!!" or a Czech message naming the file and line
    bool ok() const { return status == Status::Ok; }
};

// Reads a project file into project. On failure project is left untouched.
ProjectReadResult ReadProjectFile(const std::string& fileName, Project& project);

// Writes the project (atomically: a temporary file renamed over the target).
// Returns an empty string on success, else a Czech message naming the file.
std::string WriteProjectFile(const std::string& fileName, const Project& project);

} // namespace hydrim
