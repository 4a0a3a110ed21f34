#include "gui/app/ShippedData.h"

#include "core/project/SystemErrorText.h"
#include "core/reference/ParTableFile.h"

#include <filesystem>
#include <system_error>

namespace hydrim::gui {

namespace fs = std::filesystem;

std::vector<std::string> ShippedCandidates(const std::string& executableDir, const std::string& folder) {
    std::vector<std::string> candidates;
    if (!executableDir.empty())
        candidates.push_back(
            (fs::path(executableDir) / ".." / "share" / "hydrim" / folder).lexically_normal().string());
    candidates.push_back((fs::path(HYDRIM_SHARE_DIR) / folder).string());
#ifdef HYDRIM_SOURCE_ROOT
    candidates.push_back((fs::path(HYDRIM_SOURCE_ROOT) / folder).string());
#endif
    return candidates;
}

std::vector<std::string> ShippedDataCandidates(const std::string& executableDir) {
    return ShippedCandidates(executableDir, "DATA");
}

std::string FindShippedFile(const std::vector<std::string>& candidates, const std::string& fileName) {
    for (const std::string& candidate : candidates) {
        std::error_code error;
        if (fs::is_regular_file(fs::path(candidate) / fileName, error))
            return candidate;
    }
    return {};
}

std::string FindShippedData(const std::vector<std::string>& candidates) {
    return FindShippedFile(candidates, ParTableFileName);
}

std::string CopyMissingFiles(const std::string& source, const std::string& target,
                             const std::string& extension) {
    std::error_code error;
    fs::create_directories(target, error);
    if (error)
        return "Nelze vytvořit datový adresář " + target + ": " + SystemErrorText(error);
    try {
        for (const fs::directory_entry& entry : fs::directory_iterator(source)) {
            if (!entry.is_regular_file() || entry.path().extension() != extension)
                continue;
            const fs::path destination = fs::path(target) / entry.path().filename();
            if (fs::exists(fs::symlink_status(destination)))
                continue;
            std::error_code copyError;
            fs::copy_file(entry.path(), destination, fs::copy_options::skip_existing, copyError);
            if (copyError)
                return "Nelze zkopírovat soubor " + destination.string() + ": " + SystemErrorText(copyError);
        }
    } catch (const fs::filesystem_error& failure) {
        return "Nelze číst adresář " + source + ": " + SystemErrorText(failure.code());
    }
    return {};
}

} // namespace hydrim::gui
