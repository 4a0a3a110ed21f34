#include "cli/CliCommon.h"

#include "cli/Commands.h"
#include "core/project/Startup.h"
#include "core/project/TextCodec.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <vector>

namespace hydrim::cli {

std::map<std::string, Command>& CommandTable() {
    static std::map<std::string, Command> table;
    return table;
}

std::string Arguments::value(const std::string& option, const std::string& fallback) const {
    const auto found = values.find(option);
    return found == values.end() ? fallback : found->second;
}

std::string ParseArguments(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
                           const std::vector<std::string>& flagOptions, Arguments& parsed) {
    const auto contains = [](const std::vector<std::string>& list, const std::string& name) {
        return std::find(list.begin(), list.end(), name) != list.end();
    };
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            parsed.positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (contains(valueOptions, name)) {
            if (equals != std::string::npos) {
                parsed.values[name] = arg.substr(equals + 1);
            } else if (i + 1 < args.size()) {
                parsed.values[name] = args[++i];
            } else {
                return "volba " + name + " potřebuje hodnotu";
            }
        } else if (contains(flagOptions, name) && equals == std::string::npos) {
            parsed.flags.insert(name);
        } else {
            return "neznámá volba " + arg;
        }
    }
    return {};
}

void PrintError(const std::string& message) {
    std::string line = message;
    std::replace(line.begin(), line.end(), '\r', ' ');
    std::replace(line.begin(), line.end(), '\n', ' ');
    std::cerr << "hydrim-cli: " << line << '\n';
}

int UsageError(const std::string& command, const std::string& problem) {
    const auto found = CommandTable().find(command);
    std::string message = command + ": " + problem;
    if (found != CommandTable().end()) {
        message += " (použití: hydrim-cli " + found->second.usage + ")";
    }
    PrintError(message);
    return ExitUsage;
}

std::string OneProjectFileProblem(const std::vector<std::string>& positional) {
    if (positional.empty()) {
        return "chybí soubor projektu";
    }
    return positional.size() > 1 ? "zadán více než jeden soubor projektu" : std::string();
}

namespace {

bool IsDirectory(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

// The installed copy of DATA: beside the running executable (bin/../share),
// so a relocated installation finds its own, else the configured prefix.
std::vector<std::filesystem::path> InstalledDataDirectories() {
    std::vector<std::filesystem::path> found;
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        found.push_back((self.parent_path() / ".." / "share" / "hydrim" / DataDirName).lexically_normal());
    }
    found.push_back(std::filesystem::path(HYDRIM_SHARE_DIR) / DataDirName);
    return found;
}

} // namespace

std::string DataDirectoryOption(const Arguments& parsed) {
    if (const std::string dir = parsed.value("--data"); !dir.empty()) {
        return dir;
    }
    std::error_code ec;
    const std::string cwd = std::filesystem::current_path(ec).string();
    const std::string local = JoinPath(ec ? std::string(".") : cwd, DataDirName);
    if (IsDirectory(local)) {
        return local;
    }
    for (const std::filesystem::path& installed : InstalledDataDirectories()) {
        if (IsDirectory(installed)) {
            return installed.string();
        }
    }
    return local;
}

} // namespace hydrim::cli
