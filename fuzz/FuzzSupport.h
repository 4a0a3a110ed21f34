// Helpers of the fuzz targets: a scratch directory of the fuzzing process,
// files written there byte for byte, and a check that aborts loudly so the
// fuzzer records the input.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

namespace hydrim::fuzz {

// A directory of this process for the files it writes: below
// $HYDRIM_FUZZ_SCRATCH when set (the smoke script sets it and removes it
// afterwards), else below /dev/shm (memory) or the temporary directory.
// The fuzzer may end the process without running exit handlers, so the
// directory is not removed here.
inline const std::filesystem::path& ScratchDirectory() {
    static const std::filesystem::path directory = [] {
        std::error_code ec;
        const char* chosen = std::getenv("HYDRIM_FUZZ_SCRATCH");
        std::filesystem::path base = chosen != nullptr && *chosen != '\0' ? std::filesystem::path(chosen)
                                     : std::filesystem::is_directory("/dev/shm", ec)
                                         ? std::filesystem::path("/dev/shm")
                                         : std::filesystem::temp_directory_path();
        std::filesystem::path path = base / ("hydrim-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return directory;
}

// Writes bytes unchanged to name inside directory; returns the full path.
inline std::string WriteScratchFile(const std::filesystem::path& directory, const std::string& name,
                                    std::string_view bytes) {
    const std::filesystem::path path = directory / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path.string();
}

// A broken property is a finding: print it and abort so the input is saved.
inline void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "property violated: %s\n", what);
        std::abort();
    }
}

} // namespace hydrim::fuzz
