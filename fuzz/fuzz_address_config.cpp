// Fuzzes the start-up reading of "ADRES.CFG": whatever the file holds, the
// start goes on, the project directory is its first line, and writing that
// directory back at exit and starting again keeps it.
#include "FuzzSupport.h"

#include "core/project/Startup.h"
#include "core/project/TextCodec.h"

#include <cstddef>
#include <cstdint>

using namespace hydrim;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string base = [] {
        const auto path = fuzz::ScratchDirectory() / "base";
        std::filesystem::create_directories(path / DataDirName);
        return path.string();
    }();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    fuzz::WriteScratchFile(std::filesystem::path(base) / DataDirName, AddressConfigName, bytes);

    AppState state;
    fuzz::Require(!StartupChecks(state, base), "any ADRES.CFG lets the start go on");
    if (bytes.find_first_of("\r\n") == std::string::npos && !bytes.starts_with("\xEF\xBB\xBF")) {
        fuzz::Require(state.ProjectDir == DecodeCp1250(bytes), "a one-line file is the project directory");
    }

    // Exit writes the directory back; the next start must read what was
    // written, and a third round must change nothing more.
    fuzz::Require(WriteAddressConfig(state).Message.empty(), "ADRES.CFG can be written");
    AppState second;
    fuzz::Require(!StartupChecks(second, base), "the written ADRES.CFG is read");
    fuzz::Require(WriteAddressConfig(second).Message.empty(), "ADRES.CFG can be written again");
    AppState third;
    fuzz::Require(!StartupChecks(third, base), "the rewritten ADRES.CFG is read");
    // Windows-1250 text that begins with "ďťż" is written as the bytes of a
    // UTF-8 byte-order mark; such a directory cannot be told from a marked
    // file and is left out.
    if (!EncodeCp1250(state.ProjectDir).starts_with("\xEF\xBB\xBF")) {
        fuzz::Require(third.ProjectDir == second.ProjectDir, "the project directory survives exit and start");
    }
    return 0;
}
