#include "export/Workbook.h"

#include "core/project/SystemErrorText.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace hydrim {
namespace {

// A name beside the target that no other export of this process uses.
std::string TemporaryNameFor(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    return target + ".~" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
}

std::uint8_t BorderStyle(Border border) {
    switch (border) {
    case Border::Thin:
        return LXW_BORDER_THIN;
    case Border::Medium:
        return LXW_BORDER_MEDIUM;
    case Border::None:
        break;
    }
    return LXW_BORDER_NONE;
}

std::uint8_t AlignOf(CellFormat::Align align) {
    switch (align) {
    case CellFormat::Align::Left:
        return LXW_ALIGN_LEFT;
    case CellFormat::Align::Center:
        return LXW_ALIGN_CENTER;
    case CellFormat::Align::Right:
        return LXW_ALIGN_RIGHT;
    case CellFormat::Align::General:
        break;
    }
    return LXW_ALIGN_NONE;
}

// The reason the workbook library gives, in Czech; systemError is errno
// after the failed call (0 when unknown).
std::string LibraryErrorText(lxw_error error, int systemError) {
    const std::string system = systemError != 0 ? ": " + SystemErrorText(systemError) : std::string();
    switch (error) {
    case LXW_ERROR_MEMORY_MALLOC_FAILED:
        return "nedostatek paměti";
    case LXW_ERROR_CREATING_XLSX_FILE:
        return "soubor nelze vytvořit" + system;
    case LXW_ERROR_CREATING_TMPFILE:
    case LXW_ERROR_READING_TMPFILE:
        return "pomocný dočasný soubor nelze vytvořit ani přečíst" + system;
    case LXW_ERROR_ZIP_FILE_OPERATION:
    case LXW_ERROR_ZIP_FILE_ADD:
    case LXW_ERROR_ZIP_CLOSE:
        return "chyba při zápisu komprimovaného obsahu sešitu" + system;
    default:
        return "chyba knihovny pro zápis sešitů č. " + std::to_string(static_cast<int>(error)) + " (" +
               lxw_strerror(error) + ")";
    }
}

void RemoveQuietly(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

} // namespace

std::string WorkbookWriteError(const std::string& target, const std::string& reason) {
    return "Sešit „" + target + "“ se nepodařilo zapsat: " + reason;
}

WorkbookFile::WorkbookFile(const std::string& target, bool streamRows)
    : target_(target), temporary_(TemporaryNameFor(target)),
      title_(std::filesystem::path(target).filename().string()) {
    lxw_workbook_options options{};
    options.use_zip64 = LXW_TRUE; // long hydrographs make large sheets
    options.constant_memory = streamRows ? LXW_TRUE : LXW_FALSE;
    // A place the file cannot be written to is found out here, with its
    // reason in Czech: the library would only find it when closing, and say
    // so on stderr in its own English words.
    if (std::FILE* probe = std::fopen(temporary_.c_str(), "wb")) {
        std::fclose(probe);
        RemoveQuietly(temporary_);
    } else {
        error_ = WorkbookWriteError(target_, "soubor nelze vytvořit: " + SystemErrorText(errno));
        return;
    }
    workbook_ = workbook_new_opt(temporary_.c_str(), &options);
    if (!workbook_) {
        error_ = WorkbookWriteError(target_, "nedostatek paměti");
    }
}

WorkbookFile::~WorkbookFile() {
    if (!committed_) {
        if (workbook_) {
            lxw_workbook_free(workbook_);
        }
        RemoveQuietly(temporary_);
    }
    for (const auto& cleanup : cleanups_) {
        cleanup();
    }
}

void WorkbookFile::SetTitle(const std::string& title) {
    if (!title.empty()) {
        title_ = title;
    }
}

lxw_worksheet* WorkbookFile::AddWorksheet(const std::string& name) {
    lxw_worksheet* sheet = workbook_ ? workbook_add_worksheet(workbook_, name.c_str()) : nullptr;
    if (!sheet && !Failed()) {
        error_ = WorkbookWriteError(target_, "list „" + name + "“ nelze vytvořit");
    }
    return sheet;
}

lxw_chartsheet* WorkbookFile::AddChartsheet(const std::string& name) {
    lxw_chartsheet* sheet = workbook_ ? workbook_add_chartsheet(workbook_, name.c_str()) : nullptr;
    if (!sheet && !Failed()) {
        error_ = WorkbookWriteError(target_, "list grafu „" + name + "“ nelze vytvořit");
    }
    return sheet;
}

lxw_chart* WorkbookFile::AddChart(std::uint8_t type) {
    lxw_chart* chart = workbook_ ? workbook_add_chart(workbook_, type) : nullptr;
    if (!chart && !Failed()) {
        error_ = WorkbookWriteError(target_, "graf nelze vytvořit");
    }
    return chart;
}

lxw_format* WorkbookFile::Format(const CellFormat& format) {
    if (!workbook_) {
        return nullptr;
    }
    const auto found = formats_.find(format);
    if (found != formats_.end()) {
        return found->second;
    }
    lxw_format* made = workbook_add_format(workbook_);
    if (format.bold) {
        format_set_bold(made);
    }
    if (format.fill != 0) {
        format_set_pattern(made, LXW_PATTERN_SOLID);
        format_set_bg_color(made, format.fill);
    }
    format_set_top(made, BorderStyle(format.top));
    format_set_bottom(made, BorderStyle(format.bottom));
    format_set_left(made, BorderStyle(format.left));
    format_set_right(made, BorderStyle(format.right));
    if (format.align != CellFormat::Align::General) {
        format_set_align(made, AlignOf(format.align));
    }
    format_set_align(made, LXW_ALIGN_VERTICAL_CENTER);
    if (format.wrap) {
        format_set_text_wrap(made);
    }
    if (!format.numberFormat.empty()) {
        format_set_num_format(made, format.numberFormat.c_str());
    }
    formats_.emplace(format, made);
    return made;
}

lxw_format* WorkbookFile::RunFormat(bool bold, TextRun::Position position) {
    if (!workbook_) {
        return nullptr;
    }
    const auto key = std::make_pair(bold, static_cast<int>(position));
    const auto found = runFormats_.find(key);
    if (found != runFormats_.end()) {
        return found->second;
    }
    lxw_format* made = workbook_add_format(workbook_);
    if (bold) {
        format_set_bold(made);
    }
    if (position == TextRun::Lowered) {
        format_set_font_script(made, LXW_FONT_SUBSCRIPT);
    } else if (position == TextRun::Raised) {
        format_set_font_script(made, LXW_FONT_SUPERSCRIPT);
    }
    runFormats_.emplace(key, made);
    return made;
}

void WorkbookFile::Check(lxw_error error, const std::string& what) {
    if (error != LXW_NO_ERROR && !Failed()) {
        error_ = WorkbookWriteError(target_, what + ": " + LibraryErrorText(error, 0));
    }
}

void ReportProgress(const std::function<void(int position)>& progress, int position) {
    if (progress) {
        progress(position);
    }
}

Error WorkbookFile::Commit(const std::function<void(int position)>& progress) {
    if (Failed()) {
        return {error_};
    }
    lxw_workbook* workbook = workbook_;
    workbook_ = nullptr; // workbook_close frees it whatever it returns
    errno = 0;
    const lxw_error closed = workbook_close(workbook);
    if (closed != LXW_NO_ERROR) {
        const int systemError = errno;
        RemoveQuietly(temporary_);
        error_ = WorkbookWriteError(target_, LibraryErrorText(closed, systemError));
        return {error_};
    }
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        const std::string reason = SystemErrorText(errno);
        RemoveQuietly(temporary_);
        error_ = WorkbookWriteError(target_, reason);
        return {error_};
    }
    committed_ = true;
    ReportProgress(progress, SavedProgress);
    return {};
}

} // namespace hydrim
