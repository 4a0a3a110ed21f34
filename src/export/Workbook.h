// A workbook file under construction: a libxlsxwriter workbook written into
// a temporary file beside the target and renamed over it only when every
// sheet was written, so a failed export never leaves a half-written file.
// It also keeps one format object per distinct cell style, as the library
// wants formats to be shared rather than created per cell.
#pragma once

#include "core/project/Error.h"
#include "core/results/CellMarkup.h"

#include <xlsxwriter.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace hydrim {

// Border weights of one cell side.
enum class Border : std::uint8_t { None, Thin, Medium };

// Everything that makes a cell's format.
struct CellFormat {
    enum class Align : std::uint8_t { General, Left, Center, Right };
    bool bold = false;
    std::uint32_t fill = 0; // 0xRRGGBB, 0 for no fill
    Border top = Border::None, bottom = Border::None, left = Border::None, right = Border::None;
    Align align = Align::General;
    bool wrap = false;
    std::string numberFormat; // "" for General
    auto key() const { return std::tie(bold, fill, top, bottom, left, right, align, wrap, numberFormat); }
    bool operator<(const CellFormat& other) const { return key() < other.key(); }
};

class WorkbookFile {
public:
    // Prepares the temporary file for target; nothing is written yet. With
    // streamRows every row of a sheet goes to disk once the next row is
    // begun, so rows must be written top down and memory stays flat.
    explicit WorkbookFile(const std::string& target, bool streamRows = false);
    // Discards the workbook and its temporary file unless Commit succeeded.
    ~WorkbookFile();
    WorkbookFile(const WorkbookFile&) = delete;
    WorkbookFile& operator=(const WorkbookFile&) = delete;

    // What the workbook documents, for the page headers of its sheets (the
    // project's name); the target's file name until set.
    void SetTitle(const std::string& title);
    const std::string& Title() const { return title_; }

    lxw_worksheet* AddWorksheet(const std::string& name);
    lxw_chartsheet* AddChartsheet(const std::string& name);
    lxw_chart* AddChart(std::uint8_t type);

    lxw_format* Format(const CellFormat& format);
    // The font of a rich-text fragment: bold or not, lowered (subscript) or
    // raised (superscript).
    lxw_format* RunFormat(bool bold, TextRun::Position position);

    // Remembers the first failure of a library call (what names the call).
    void Check(lxw_error error, const std::string& what);
    bool Failed() const { return !error_.empty(); }

    // Closes the workbook and renames the temporary file over the target,
    // then reports SavedProgress to progress (when there is one). Fails
    // with a Czech message naming the target.
    Error Commit(const std::function<void(int position)>& progress = {});

    // Runs when the workbook is gone (written or discarded): releases what
    // was registered for the workbook's charts.
    void OnFinish(std::function<void()> cleanup) { cleanups_.push_back(std::move(cleanup)); }

private:
    std::string target_;
    std::string temporary_;
    std::string title_;
    lxw_workbook* workbook_ = nullptr;
    bool committed_ = false;
    std::string error_;
    std::map<CellFormat, lxw_format*> formats_;
    std::map<std::pair<bool, int>, lxw_format*> runFormats_;
    std::vector<std::function<void()>> cleanups_;
};

// The progress position of a saved workbook (0..1000).
inline constexpr int SavedProgress = 1000;

// Reports position to progress when there is one.
void ReportProgress(const std::function<void(int position)>& progress, int position);

// "Sešit „NAME“ se nepodařilo zapsat: REASON".
std::string WorkbookWriteError(const std::string& target, const std::string& reason);

} // namespace hydrim
