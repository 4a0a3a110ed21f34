// Time of the batch summary workbook: 50 000 summary rows (10 000 Variant I
// catchments with two slopes, five return periods each) streamed into the
// "Souhrn" sheet, goal under 5 s. The rows are those of the example project,
// so the time is the workbook's alone.
#include "core/batch/BatchSummary.h"
#include "core/project/TextCodec.h"
#include "core/reference/ParTableFile.h"
#include "export/SummaryWorkbook.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace {

using namespace hydrim;

void BM_SummaryWorkbook50000Rows(benchmark::State& bench) {
    const std::string examples = JoinPath(HYDRIM_SOURCE_DIR, "examples");
    BatchItem item;
    item.Source = item.ProjectFile = JoinPath(examples, "variant1-two-slopes.snp");
    ParTable par;
    ReadParTable(JoinPath(JoinPath(HYDRIM_SOURCE_DIR, "DATA"), ParTableFileName), par);
    const std::vector<SummaryRow> rows = SummaryRows(ComputeCatchment(item, par));
    if (rows.size() != 5 || rows.front().Status == RowStatus::Invalid) {
        std::cerr << "cannot compute " << item.Source << '\n';
        std::exit(1);
    }
    const std::string path = "/tmp/hydrim-bench-summary.xlsx";
    for (auto _ : bench) {
        SummaryWorkbook workbook(path);
        for (int catchment = 0; catchment < 10000; ++catchment) {
            for (const SummaryRow& row : rows) {
                workbook.Add(row);
            }
        }
        if (workbook.Finish()) {
            bench.SkipWithError("the workbook was not written");
        }
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_SummaryWorkbook50000Rows)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
