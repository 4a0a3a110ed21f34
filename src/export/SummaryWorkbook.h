// The workbook of a batch run's summary: a sheet "Souhrn" with one row per
// catchment and return period (a bold, frozen header naming the columns as
// the result tables do, with lowered indices and raised exponents; numbers
// with the tables' decimals and volumes in their unit; failed rows shaded
// red, warnings yellow) and a sheet "Chyby" listing the inputs that could not
// be computed with the field and the value that was refused. Both print
// fitted to the page width (export/WorkbookPrint.h). Rows are streamed to
// disk as they come, so memory stays flat however long the batch is; the
// file appears under its name only when it is complete.
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
    void AddError(const SummaryRow& row);

    std::unique_ptr<WorkbookFile> file_;
    struct Sheets;
    std::unique_ptr<Sheets> sheets_;
};

} // namespace hydrim
