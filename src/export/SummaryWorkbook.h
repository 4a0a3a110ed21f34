// The workbook of a batch run's summary: a sheet "Souhrn" with one row per
// catchment and return period (bold frozen header with the units, numbers
// with their usual decimals, failed rows shaded red, warnings yellow) and a
// sheet "Chyby" listing the inputs that could not be computed. Rows are
// streamed to disk as they come, so memory stays flat however long the
// batch is; the file appears under its name only when it is complete.
#pragma once

#include "core/batch/BatchSummary.h"
#include "core/project/Error.h"

#include <memory>
#include <string>

namespace hydrim {

class WorkbookFile;

class SummaryWorkbook {
public:
    explicit SummaryWorkbook(const std::string& path);
    ~SummaryWorkbook();
    SummaryWorkbook(const SummaryWorkbook&) = delete;
    SummaryWorkbook& operator=(const SummaryWorkbook&) = delete;

    void Add(const SummaryRow& row);
    // Writes the file; fails with a Czech message naming it.
    Error Finish();

private:
    void WriteHeaders();

    std::unique_ptr<WorkbookFile> file_;
    struct Sheets;
    std::unique_ptr<Sheets> sheets_;
};

} // namespace hydrim
