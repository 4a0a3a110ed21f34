// A fresh directory below the system's temporary directory, removed with
// everything in it when the test ends.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace hydrim::test {

class TempDirectory {
public:
    TempDirectory() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() / ("hydrim-test-" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempDirectory() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    std::string path() const { return path_.string(); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    size_t entryCount() const {
        return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(path_), {}));
    }
    bool empty() const { return entryCount() == 0; }

    // Writes bytes as they stand (no encoding, no line-end conversion).
    std::string write(const std::string& name, const std::string& bytes) const {
        const std::string target = file(name);
        std::ofstream(target, std::ios::binary) << bytes;
        return target;
    }

private:
    std::filesystem::path path_;
};

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace hydrim::test
