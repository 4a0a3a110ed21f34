// Time of the spreadsheet exports of a computed Variant I project with two
// slopes: the time series of the five return periods (five listing sheets
// and five chart sheets, the case that must stay under two seconds) and the
// eight result-table sheets.
#include "core/Engine.h"
#include "core/hydrology/Compute.h"
#include "core/project/ProjectFile.h"
#include "core/project/TextCodec.h"
#include "core/reference/ParTableFile.h"
#include "export/WorkbookExport.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>

namespace {

using namespace hydrim;

const std::string DataDir = JoinPath(HYDRIM_SOURCE_DIR, "DATA");

std::unique_ptr<AppState> ComputedExample(const std::string& name) {
    auto state = std::make_unique<AppState>();
    const std::string path = JoinPath(JoinPath(HYDRIM_SOURCE_DIR, "examples"), name);
    if (!ReadProjectFile(path, state->CurrentProject).ok() ||
        !ReadParTable(JoinPath(DataDir, ParTableFileName), state->Par).Message.empty() ||
        !ComputeProject(*state).ok()) {
        std::cerr << "cannot compute " << path << '\n';
        std::exit(1);
    }
    return state;
}

std::string Output(const char* name) {
    return JoinPath("/tmp", std::string("hydrim-bench-") + name);
}

void Check(const Error& error, benchmark::State& run) {
    if (error) {
        run.SkipWithError(error.Message.c_str());
    }
}

void BM_VariantITimeSeriesExport(benchmark::State& run) {
    const auto state = ComputedExample("variant1-two-slopes.snp");
    const std::vector<TimeSeriesSheets> sets = VariantITimeSeriesSheets(*state);
    long long points = 0;
    for (const TimeSeriesSheets& set : sets) {
        points += static_cast<long long>(set.Source.Flows.Length());
    }
    const std::string path = Output("timeseries.xlsx");
    for (auto _ : run) {
        Check(WriteTimeSeriesWorkbook(path, sets), run);
    }
    run.counters["minutes"] = static_cast<double>(points);
    std::remove(path.c_str());
}
BENCHMARK(BM_VariantITimeSeriesExport)->Unit(benchmark::kMillisecond);

void BM_VariantITableExport(benchmark::State& run) {
    const auto state = ComputedExample("variant1-two-slopes.snp");
    Error error;
    const std::vector<ResultGrid> grids = ResultGrids(*state, DataDir, error);
    const std::string path = Output("tables.xlsx");
    for (auto _ : run) {
        Check(WriteResultTableWorkbook(path, grids, '.'), run);
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_VariantITableExport)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
