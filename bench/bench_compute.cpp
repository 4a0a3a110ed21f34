// Time of one complete computation of each variant, for projects built in
// code over the shipped coefficient table.
#include "core/hydrology/Compute.h"
#include "core/project/ProjectFile.h"
#include "core/project/TextCodec.h"
#include "core/reference/ParTableFile.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>

namespace {

using namespace hydrim;

ParTable ShippedParTable() {
    ParTable table;
    const std::string error =
        ReadParTable(JoinPath(JoinPath(HYDRIM_SOURCE_DIR, "DATA"), ParTableFileName), table).Message;
    if (!error.empty()) {
        std::cerr << error << '\n';
        std::exit(1);
    }
    return table;
}

void SetSlope(ProjectTexts& texts, bool left, const char* area, const char* slope, const char* roughness,
              const char* cn, int cnTypeItem) {
    texts.Edit[left ? EditAreaL : EditAreaR] = area;
    texts.Edit[left ? EditSlopeL : EditSlopeR] = slope;
    texts.Edit[left ? EditRoughnessL : EditRoughnessR] = roughness;
    texts.Edit[left ? EditCnL : EditCnR] = cn;
    (left ? texts.CnTypeItemL : texts.CnTypeItemR) = cnTypeItem;
}

// Two slopes of a 2.3 km2 catchment with a 2 km valley line; rough slopes
// have critical rains of several hours and long hydrographs.
AppState TwoSlopeProject(int variant, bool rough = false) {
    AppState state;
    state.Par = ShippedParTable();
    ProjectTexts& texts = state.CurrentProject.Texts;
    texts.CatchmentType = 1;
    texts.Variant = variant;
    texts.Edit[EditValleyLength] = "2";
    texts.Edit[EditValleySlope] = "3";
    SetSlope(texts, true, "1.5", "8", rough ? "4" : "1", rough ? "60" : "75", 1);
    SetSlope(texts, false, "0.8", "12", "2", "60", 2);
    texts.Edit[EditRainN] = variant == 0 ? "45" : "65";
    texts.Edit[EditRain10] = "55";
    texts.Edit[EditRain20] = "65";
    texts.Edit[EditRain50] = "80";
    texts.Edit[EditRain100] = "92";
    texts.ReturnPeriodItem = 3; // N = 20 years
    texts.Edit[EditDurationL] = texts.Edit[EditDurationR] = "60";
    texts.Edit[EditIntensityL] = texts.Edit[EditIntensityR] = "1";
    return state;
}

// Computes the project once per iteration.
void ComputeRepeatedly(benchmark::State& bench, AppState& state) {
    for (auto _ : bench) {
        const ComputeOutcome outcome = ComputeProject(state);
        if (!outcome.ok()) {
            bench.SkipWithError(outcome.message.c_str());
            break;
        }
        benchmark::DoNotOptimize(state.VariantI.PeakDischargeC[5]);
        benchmark::DoNotOptimize(state.Variant23.DesignPeakC);
    }
}

void ComputeEach(benchmark::State& bench, int variant, bool rough = false) {
    AppState state = TwoSlopeProject(variant, rough);
    ComputeRepeatedly(bench, state);
}

// A hard two-slope project of bench/hard (long, flat hydrographs: rises near
// 300 minutes, shape exponents below 0.1), written by make_hard_projects.py.
AppState HardProject(int number) {
    AppState state;
    state.Par = ShippedParTable();
    const std::string file = JoinPath(JoinPath(JoinPath(HYDRIM_SOURCE_DIR, "bench"), "hard"),
                                      "hard-" + std::to_string(number) + ".snp");
    if (!ReadProjectFile(file, state.CurrentProject).ok()) {
        std::cerr << "cannot read " << file << '\n';
        std::exit(1);
    }
    return state;
}

void VariantIHardProject(benchmark::State& bench) {
    AppState state = HardProject(static_cast<int>(bench.range(0)));
    ComputeRepeatedly(bench, state);
}

void VariantITwoSlopes(benchmark::State& bench) {
    ComputeEach(bench, 0);
}
void VariantIRoughTwoSlopes(benchmark::State& bench) {
    ComputeEach(bench, 0, true);
}
void VariantIITwoSlopes(benchmark::State& bench) {
    ComputeEach(bench, 1);
}
void VariantIIITwoSlopes(benchmark::State& bench) {
    ComputeEach(bench, 2);
}

BENCHMARK(VariantITwoSlopes)->Unit(benchmark::kMillisecond);
BENCHMARK(VariantIRoughTwoSlopes)->Unit(benchmark::kMillisecond);
BENCHMARK(VariantIHardProject)->DenseRange(1, 6)->Unit(benchmark::kMillisecond);
BENCHMARK(VariantIITwoSlopes)->Unit(benchmark::kMillisecond);
BENCHMARK(VariantIIITwoSlopes)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
