// The summary file of a batch run in one of its forms: CSV (one row per
// catchment and return period, in the convention of the input table), JSON
// (an array with one object per catchment: id, name, source and the document
// of `hydrim-cli compute --json`, or error) or an xlsx workbook. Rows are
// written as they come; the file is written beside its target under a
// temporary name and renamed only when complete.
#pragma once

#include "core/batch/BatchSummary.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace hydrim::cli {

enum class SummaryFormat { Csv, Json, Xlsx };

class SummaryOutput {
public:
    virtual ~SummaryOutput() = default;
    // An empty text, or why the file cannot be written.
    virtual std::string Problem() const = 0;
    virtual void Add(const CatchmentOutcome& outcome, const std::vector<SummaryRow>& rows) = 0;
    // Ends the file (with the row saying the run was stopped, when given) and
    // renames it into place; an empty text or a Czech message naming it.
    virtual std::string Finish(const std::optional<SummaryRow>& partial) = 0;
};

// separator: ';' (decimal commas) or ',' (decimal points), for CSV.
std::unique_ptr<SummaryOutput> MakeSummaryOutput(SummaryFormat format, const std::string& path,
                                                 char separator);

} // namespace hydrim::cli
