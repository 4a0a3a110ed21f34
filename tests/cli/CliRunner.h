// Runs hydrim-cli as a separate process and collects its exit status and
// output, so the tests see exactly what a script would see.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <sys/wait.h>
#include <thread>

namespace hydrim::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string Quote(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

inline std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Runs "hydrim-cli arguments" (arguments already quoted as needed) in the
// working directory cwd; program names another copy of hydrim-cli.
inline CliRun RunCli(const std::string& arguments, const std::string& cwd = HYDRIM_SOURCE_DIR,
                     const std::string& program = HYDRIM_CLI_PATH) {
    std::random_device random;
    const auto base = std::filesystem::temp_directory_path() / ("hydrim-cli-" + std::to_string(random()));
    const std::string out = base.string() + ".out", err = base.string() + ".err";
    const std::string command = "cd " + Quote(cwd) + " && " + Quote(program) + " " + arguments + " >" +
                                Quote(out) + " 2>" + Quote(err);
    const int raw = std::system(command.c_str());
    CliRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = Slurp(out);
    run.err = Slurp(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return run;
}

inline std::string Example(const std::string& name) {
    return Quote((std::filesystem::path(HYDRIM_SOURCE_DIR) / "examples" / name).string());
}

} // namespace hydrim::test
