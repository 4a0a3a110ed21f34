#include "core/project/Startup.h"

#include "core/project/SystemErrorText.h"
#include "core/project/TextCodec.h"

#include <cstdlib>
#include <filesystem>
#include <locale>
#include <stdexcept>
#include <system_error>

namespace hydrim {
namespace {

namespace fs = std::filesystem;

// Any directory entry of that name counts as present (a file too), so the
// program never tries to create a directory over an existing file.
bool EntryExists(const std::string& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

// Creates the directory when no entry of that name exists. Fails with a
// Czech message naming the directory.
Error EnsureDirectory(const std::string& path, bool& created) {
    created = false;
    if (EntryExists(path)) {
        return {};
    }
    std::error_code ec;
    fs::create_directory(path, ec);
    if (ec) {
        return {"Adresář \"" + path + "\" nelze vytvořit: " + SystemErrorText(ec)};
    }
    created = true;
    return {};
}

bool IsDriveRoot(const std::string& directory) {
    const bool letter = !directory.empty() && ((directory[0] >= 'A' && directory[0] <= 'Z') ||
                                               (directory[0] >= 'a' && directory[0] <= 'z'));
    if (!letter || directory.size() < 2 || directory[1] != ':') {
        return false;
    }
    return directory.size() == 2 || (directory.size() == 3 && (directory[2] == '\\' || directory[2] == '/'));
}

} // namespace

bool IsRootDirectory(const std::string& directory) {
    if (directory.empty() || IsDriveRoot(directory)) {
        return true;
    }
    const fs::path path(directory);
    return path.has_root_directory() && path.relative_path().empty();
}

Error StartupChecks(AppState& state, const std::string& workingDir) {
    state.BaseDir = workingDir;
    if (IsRootDirectory(workingDir)) {
        return {RootDirectoryMessage + workingDir};
    }
    bool created = false;
    const std::string projects = JoinPath(workingDir, ProjectsDirName);
    if (Error error = EnsureDirectory(projects, created)) {
        return error;
    }
    state.ProjectDir = projects;

    const std::string data = DataDirectory(state);
    if (Error error = EnsureDirectory(data, created)) {
        return error;
    }
    if (created) {
        return {}; // a fresh data directory holds no "ADRES.CFG"
    }
    const std::string config = JoinPath(data, AddressConfigName);
    if (!EntryExists(config)) {
        return {};
    }
    // The first line is taken whole, without trimming; an empty file gives an
    // empty directory (the file dialogs then start where they like). A file
    // that cannot be read leaves the default project directory.
    const TextFileLines lines = ReadTextFileLines(config, 1u << 20);
    if (lines.ok()) {
        state.ProjectDir = lines.lines.empty() ? std::string() : lines.lines.front();
    }
    return {};
}

std::string DataDirectory(const AppState& state) {
    return JoinPath(state.BaseDir, DataDirName);
}

Error WriteAddressConfig(const AppState& state) {
    const std::string config = JoinPath(DataDirectory(state), AddressConfigName);
    return WriteFileAtomically(config, JoinCrLf({state.ProjectDir}));
}

DecimalSeparatorCheck CheckDecimalSeparator(std::string_view localeSetting) {
    if (!localeSetting.empty() && (localeSetting.front() == '.' || localeSetting.front() == ',')) {
        return {true, localeSetting.front(), {}};
    }
    return {false, '.', DecimalSeparatorMessage};
}

std::string NumericLocaleNameFromEnvironment() {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return value;
        }
    }
    return "C";
}

std::string LocaleDecimalSeparatorSetting(const std::string& localeName) {
    const std::string name = localeName.empty() ? NumericLocaleNameFromEnvironment() : localeName;
    try {
        const std::locale locale(name);
        return std::string(1, std::use_facet<std::numpunct<char>>(locale).decimal_point());
    } catch (const std::runtime_error&) {
        return std::string(1, std::use_facet<std::numpunct<char>>(std::locale::classic()).decimal_point());
    }
}

} // namespace hydrim
