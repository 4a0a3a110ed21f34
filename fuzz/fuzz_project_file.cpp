// Fuzzes the project file reader. Properties beyond "no crash, no hang":
// a refused file leaves the project as it was; an accepted one, written and
// read again, gives the same bytes and the same filled inputs once more.
#include "FuzzSupport.h"

#include "core/project/InputCheck.h"
#include "core/project/ProjectFile.h"
#include "core/project/TextCodec.h"

#include <cstddef>
#include <cstdint>

using namespace hydrim;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto& directory = fuzz::ScratchDirectory();
    const std::string path =
        fuzz::WriteScratchFile(directory, "project.snp", {reinterpret_cast<const char*>(data), size});

    Project project;
    const std::string before = JoinCrLf(ProjectFileLines(project));
    const ProjectReadResult read = ReadProjectFile(path, project);
    if (!read.ok()) {
        fuzz::Require(!read.error.Message.empty(), "a refused project file has a message");
        fuzz::Require(JoinCrLf(ProjectFileLines(project)) == before, "a refused file changes nothing");
        return 0;
    }
    CheckInputs(project);

    const std::string saved = directory / "saved.snp";
    fuzz::Require(WriteProjectFile(saved, project).Message.empty(), "the project can be saved");
    const std::string firstBytes = JoinCrLf(ProjectFileLines(project));
    Project again;
    const ProjectReadResult reread = ReadProjectFile(saved, again);
    fuzz::Require(reread.ok(), "a saved project reads back");
    fuzz::Require(reread.missingItems.empty(), "a saved project lacks no item");
    fuzz::Require(JoinCrLf(ProjectFileLines(again)) == firstBytes, "read -> write gives the same bytes");
    fuzz::Require(again.Filled == project.Filled, "a saved project fills the same inputs");
    return 0;
}
