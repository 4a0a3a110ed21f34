// Invariants of the computation on thousands of seeded random valid
// projects: it always ends, every number it shows is finite, volumes and
// peaks are not negative, each fitted hydrograph carries its volume within
// the tolerance of the fitting, no rise outlasts its excess rain, the
// catchment's times follow their max/min/sum rules, and a one-slope result
// does not depend on what the right-slope fields held.
#include "InvariantsSupport.h"
#include "TestSupport.h"

#include "core/hydrology/Compute.h"
#include "core/hydrology/Hydrograph.h"
#include "core/hydrology/Variant23.h"
#include "core/hydrology/VariantI.h"
#include "core/reference/LayoutFiles.h"
#include "core/results/ResultTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace hydrim {
namespace {

// How many random projects each test runs, per catchment type. The
// sanitizer build runs the engine many times slower and checks a tenth.
#if defined(__SANITIZE_ADDRESS__)
constexpr int Share = 10;
#else
constexpr int Share = 1;
#endif
constexpr int VariantIProjects = 300 / Share;
constexpr int Variant23Projects = 1500 / Share;
constexpr int IndependenceProjects = 150 / Share;

// The fitting stops refining once the volume is within this of the target,
// at the thousandths or ten-thousandths of the exponent [m3].
constexpr double FitVolumeTolerance = 0.5;
// Rounding allowance when a volume is compared with its target [m3].
constexpr double VolumeRounding = 1e-6;

const std::string DataDir = std::string(HYDRIM_SOURCE_DIR) + "/DATA";

struct Hydrograph {
    int rise, plateau, fall, length, numerator, divisor;
    double peak, volume;
};

// The fitted shape must carry the volume outside the plateau: never more
// than the target, while the next flatter exponent on the same digit carries
// more; a fit that stopped at the thousandths or ten-thousandths is within
// the tolerance. A target below what the steepest allowed shape carries is
// counted as capped and skipped.
void ExpectCarriesVolume(const Hydrograph& h, const std::string& where, int& capped) {
    const double target = VolumeWithoutPlateau(h.volume, h.plateau, h.peak);
    const int M = HydrographOrdinateCount(h.rise);
    if (h.numerator == MaxShapeExponent * 1000 && h.divisor == 1000) {
        ++capped;
        return;
    }
    const double m = static_cast<double>(h.numerator) / h.divisor;
    const HydrographSum fitted = HydrographVolume(m, h.rise, M, h.peak);
    EXPECT_LE(fitted.Volume, target + VolumeRounding) << where;
    if (h.numerator > 0) {
        const double flatter = static_cast<double>(h.numerator - 1) / h.divisor;
        EXPECT_GT(HydrographVolume(flatter, h.rise, M, h.peak).Volume, target) << where;
    }
    if (h.divisor < 100000) {
        EXPECT_LE(std::fabs(target - fitted.Volume), FitVolumeTolerance) << where;
    }
    EXPECT_EQ(h.fall, fitted.Length - h.rise) << where;
    EXPECT_EQ(h.length, fitted.Length + h.plateau) << where;
}

void ExpectCatchmentTimes(int riseC, int plateauC, int fallC, int lengthC, int riseL, int plateauL, int fallL,
                          int riseR, int plateauR, int fallR, const std::string& where) {
    EXPECT_EQ(riseC, std::max(riseL, riseR)) << where;
    EXPECT_EQ(plateauC, std::min(plateauL, plateauR)) << where;
    EXPECT_EQ(fallC, std::max(fallL, fallR)) << where;
    EXPECT_EQ(lengthC, riseC + plateauC + fallC) << where;
}

// Every value cell of every grid must be a finite number.
void ExpectShownNumbersFinite(const std::vector<ResultGrid>& grids, const std::string& where) {
    for (const ResultGrid& grid : grids) {
        for (const auto& row : grid.Cells) {
            for (std::string cell : row) {
                std::transform(cell.begin(), cell.end(), cell.begin(),
                               [](char c) { return std::tolower(c); });
                EXPECT_EQ(cell.find("nan"), std::string::npos) << where << " grid " << grid.Number;
                EXPECT_EQ(cell.find("inf"), std::string::npos) << where << " grid " << grid.Number;
            }
        }
    }
}

std::vector<ResultGrid> VariantIGrids(const AppState& state) {
    static const VariantILayouts layouts = ReadVariantILayouts(DataDir);
    const auto grids = BuildVariantITables(state, layouts, ',');
    return {grids.begin(), grids.end()};
}

// The Variant II / III grid; its columns follow the project's catchment type.
std::vector<ResultGrid> Variant23Grids(const AppState& state, int variant) {
    static const LayoutText layout2 = ReadVariant23Layout(DataDir, 2);
    static const LayoutText layout3 = ReadVariant23Layout(DataDir, 3);
    const bool twoSlopes = state.CurrentProject.Texts.CatchmentType == 1;
    return {BuildVariant23Table(state, variant == 2 ? layout2 : layout3, variant, twoSlopes, ',')};
}

AppState StateFor(const Project& project) {
    AppState state;
    state.Par = test::PublishedParTable();
    state.CurrentProject = project;
    return state;
}

// Outcomes over a run of random projects, so a test can insist that the
// generator reached both computed and no-runoff cases.
struct Tally {
    int computed = 0, noRunoff = 0, capped = 0;
};

void CheckVariantISlope(VariantIResults& r, Side side, int i, const std::string& where, Tally& tally) {
    const VariantISlopeRow s = VariantIRowOf(r, side, i);
    for (const double value :
         {s.CriticalIntensity, s.CriticalDepth, s.CriticalRunoffDepth, s.CriticalExcessIntensity,
          s.RainIntensity, s.RainDepth, s.RunoffDepth, s.ExcessIntensity, s.EquilibriumIntensity,
          s.VolumeDepth, s.PeakIntensity, s.PeakDischarge, s.Volume, s.DailyRunoffDepth, s.DailyVolume}) {
        EXPECT_TRUE(std::isfinite(value)) << where;
    }
    EXPECT_GE(s.PeakDischarge, 0.0) << where;
    EXPECT_GE(s.Volume, 0.0) << where;
    EXPECT_GE(s.DailyVolume, 0.0) << where;
    EXPECT_GE(s.RunoffDepth, 0.0) << where;
    EXPECT_GT(s.ExcessDuration, 0) << where;
    EXPECT_LE(s.RiseTime, s.ExcessDuration) << where;
    EXPECT_EQ(s.PlateauTime, s.ExcessDuration - s.RiseTime) << where;
    EXPECT_LE(s.RainDuration, DesignRainCap) << where;
    EXPECT_GE(s.RainDuration, FirstTrialDuration) << where;
    ExpectCarriesVolume({s.RiseTime, s.PlateauTime, s.FallTime, s.HydrographLength, s.ShapeNumerator,
                         s.ShapeDivisor, s.PeakDischarge, s.Volume},
                        where + " design hydrograph", tally.capped);
    ExpectCarriesVolume({s.DailyRiseTime, s.DailyPlateauTime, s.DailyFallTime, s.DailyHydrographLength,
                         s.DailyShapeNumerator, s.DailyShapeDivisor, s.PeakDischarge, s.DailyVolume},
                        where + " 1-day hydrograph", tally.capped);
}

void CheckVariantI(AppState& state, bool twoSlopes, const std::string& where, Tally& tally) {
    VariantIResults& r = state.VariantI;
    for (int i = 1; i <= 5; ++i) {
        const std::string at = where + " N=" + std::to_string(ReturnPeriods[i]);
        CheckVariantISlope(r, Side::Left, i, at + " left", tally);
        EXPECT_GE(r.PeakDischargeC[i], 0.0) << at;
        EXPECT_TRUE(std::isfinite(r.PeakDischargeC[i]) && std::isfinite(r.RainIntensityC[i])) << at;
        if (!twoSlopes) {
            EXPECT_EQ(r.PeakDischargeC[i], r.PeakDischargeL[i]) << at;
            EXPECT_EQ(r.VolumeC[i], r.VolumeL[i]) << at;
            EXPECT_EQ(r.HydrographLengthC[i], r.HydrographLengthL[i]) << at;
            EXPECT_EQ(r.FallTimeC[i], r.FallTimeL[i]) << at;
            continue;
        }
        CheckVariantISlope(r, Side::Right, i, at + " right", tally);
        EXPECT_EQ(r.VolumeC[i], r.VolumeL[i] + r.VolumeR[i]) << at;
        EXPECT_EQ(r.DailyVolumeC[i], r.DailyVolumeL[i] + r.DailyVolumeR[i]) << at;
        EXPECT_GE(r.RainDurationC[i], FirstTrialDuration) << at;
        EXPECT_LE(r.RainDurationC[i], DesignRainCap) << at;
        ExpectCatchmentTimes(r.RiseTimeC[i], r.PlateauTimeC[i], r.FallTimeC[i], r.HydrographLengthC[i],
                             r.RiseTimeL[i], r.PlateauTimeL[i], r.FallTimeL[i], r.RiseTimeR[i],
                             r.PlateauTimeR[i], r.FallTimeR[i], at);
        ExpectCatchmentTimes(r.DailyRiseTimeC[i], r.DailyPlateauTimeC[i], r.DailyFallTimeC[i],
                             r.DailyHydrographLengthC[i], r.DailyRiseTimeL[i], r.DailyPlateauTimeL[i],
                             r.DailyFallTimeL[i], r.DailyRiseTimeR[i], r.DailyPlateauTimeR[i],
                             r.DailyFallTimeR[i], at + " 1-day");
    }
    ExpectShownNumbersFinite(VariantIGrids(state), where);
}

void CheckVariant23Slope(AppState& state, Side side, const std::string& where, Tally& tally) {
    const Variant23Slope s = Variant23SlopeOf(state, side);
    for (const double value :
         {s.Intensity, s.DesignDepth, s.DesignRunoff, s.DesignExcessIntensity, s.DesignEquilibriumIntensity,
          s.DesignVolumeDepth, s.DesignPeakIntensity, s.DesignPeak, s.DesignVolume}) {
        EXPECT_TRUE(std::isfinite(value)) << where;
    }
    EXPECT_GE(s.DesignPeak, 0.0) << where;
    EXPECT_GE(s.DesignVolume, 0.0) << where;
    EXPECT_GE(s.DesignRunoff, 0.0) << where;
    EXPECT_GT(s.DesignExcessDuration, 0) << where;
    EXPECT_LE(s.DesignRise, s.DesignExcessDuration) << where;
    EXPECT_EQ(s.DesignPlateau, s.DesignExcessDuration - s.DesignRise) << where;
    ExpectCarriesVolume({s.DesignRise, s.DesignPlateau, s.DesignFall, s.DesignLength, s.DesignShapeNumerator,
                         s.DesignShapeDivisor, s.DesignPeak, s.DesignVolume},
                        where + " hydrograph", tally.capped);
}

void CheckVariant23(AppState& state, int variant, bool twoSlopes, const std::string& where, Tally& tally) {
    const Variant23Results& r = state.Variant23;
    CheckVariant23Slope(state, Side::Left, where + " left", tally);
    EXPECT_TRUE(std::isfinite(r.DesignPeakC) && std::isfinite(r.DesignVolumeC)) << where;
    if (twoSlopes) {
        CheckVariant23Slope(state, Side::Right, where + " right", tally);
        EXPECT_EQ(r.DesignPeakC, r.DesignPeakL + r.DesignPeakR) << where;
        EXPECT_EQ(r.DesignVolumeC, r.DesignVolumeL + r.DesignVolumeR) << where;
        ExpectCatchmentTimes(r.DesignRiseC, r.DesignPlateauC, r.DesignFallC, r.DesignLengthC, r.DesignRiseL,
                             r.DesignPlateauL, r.DesignFallL, r.DesignRiseR, r.DesignPlateauR, r.DesignFallR,
                             where);
    } else {
        EXPECT_EQ(r.DesignPeakC, r.DesignPeakL) << where;
        EXPECT_EQ(r.DesignVolumeC, r.DesignVolumeL) << where;
        EXPECT_EQ(r.DesignRiseC, r.DesignRiseL) << where;
        EXPECT_EQ(r.DesignPlateauC, r.DesignPlateauL) << where;
        EXPECT_EQ(r.DesignFallC, r.DesignFallL) << where;
        EXPECT_EQ(r.DesignLengthC, r.DesignLengthL) << where;
    }
    ExpectShownNumbersFinite(Variant23Grids(state, variant + 1), where);
}

// Runs count random projects of the variant and checks each computed one.
void RunRandomProjects(int variant, bool twoSlopes, int count, unsigned seed, Tally& tally) {
    test::ProjectGenerator generator(seed);
    for (int k = 0; k < count; ++k) {
        const Project project = generator.Next(variant, twoSlopes);
        const std::string where = "seed " + std::to_string(seed) + " project " + std::to_string(k);
        ASSERT_TRUE(CheckInputs(project).empty()) << where << ": " << CheckInputs(project).front();
        AppState state = StateFor(project);
        int lastProgress = 0;
        const ComputeOutcome outcome = ComputeProject(state, [&](int position) {
            EXPECT_GE(position, lastProgress) << where;
            lastProgress = position;
        });
        ASSERT_NE(outcome.status, ComputeOutcome::Status::InvalidInput) << where << ": " << outcome.message;
        if (outcome.status == ComputeOutcome::Status::NoRunoff) {
            EXPECT_FALSE(outcome.message.empty()) << where;
            ++tally.noRunoff;
            continue;
        }
        ++tally.computed;
        if (variant == 0) {
            EXPECT_EQ(state.TwoSlopes, twoSlopes) << where;
            CheckVariantI(state, twoSlopes, where, tally);
        } else {
            CheckVariant23(state, variant, twoSlopes, where, tally);
        }
        if (::testing::Test::HasFailure()) {
            return; // one failing project is enough to read
        }
    }
}

// Every project ended one way or the other, most with results; the counts
// go into the test report.
void ExpectBothOutcomes(const Tally& tally, int count, bool twoSlopes) {
    EXPECT_EQ(tally.computed + tally.noRunoff, count);
    EXPECT_GT(tally.computed, count / 2);
    const std::string slopes = twoSlopes ? "two_slopes_" : "one_slope_";
    ::testing::Test::RecordProperty(slopes + "computed", tally.computed);
    ::testing::Test::RecordProperty(slopes + "no_runoff", tally.noRunoff);
    ::testing::Test::RecordProperty(slopes + "capped_fits", tally.capped);
}

TEST(Invariants, VariantIOnRandomProjects) {
    for (const bool twoSlopes : {false, true}) {
        Tally tally;
        RunRandomProjects(0, twoSlopes, VariantIProjects, twoSlopes ? 1102 : 1101, tally);
        ExpectBothOutcomes(tally, VariantIProjects, twoSlopes);
    }
}

TEST(Invariants, VariantIIOnRandomProjects) {
    for (const bool twoSlopes : {false, true}) {
        Tally tally;
        RunRandomProjects(1, twoSlopes, Variant23Projects, twoSlopes ? 2202 : 2201, tally);
        ExpectBothOutcomes(tally, Variant23Projects, twoSlopes);
    }
}

TEST(Invariants, VariantIIIOnRandomProjects) {
    for (const bool twoSlopes : {false, true}) {
        Tally tally;
        RunRandomProjects(2, twoSlopes, Variant23Projects, twoSlopes ? 3302 : 3301, tally);
        ExpectBothOutcomes(tally, Variant23Projects, twoSlopes);
    }
}

// The texts of every shown grid: what a user sees of one computation.
std::vector<std::vector<std::vector<std::string>>> ShownTexts(const AppState& state, int variant) {
    std::vector<std::vector<std::vector<std::string>>> texts;
    for (const ResultGrid& grid : variant == 0 ? VariantIGrids(state) : Variant23Grids(state, variant + 1)) {
        texts.push_back(grid.Cells);
    }
    return texts;
}

// A one-slope project computed fresh, and again in a state that computed a
// two-slope project before and whose right-slope fields now hold leftovers,
// must show the same tables.
TEST(Invariants, OneSlopeResultsIgnoreTheRightSlope) {
    test::ProjectGenerator generator(4401);
    int compared = 0;
    for (int k = 0; k < IndependenceProjects; ++k) {
        const int variant = k % 3;
        const Project oneSlope = generator.Next(variant, false);
        AppState fresh = StateFor(oneSlope);
        const ComputeOutcome expected = ComputeProject(fresh);

        AppState reused = StateFor(generator.Next(variant, true));
        ComputeProject(reused);
        reused.CurrentProject = oneSlope;
        generator.ScribbleRightSlope(reused.CurrentProject.Texts);
        const ComputeOutcome outcome = ComputeProject(reused);

        const std::string where = "project " + std::to_string(k);
        ASSERT_EQ(outcome.status, expected.status) << where;
        EXPECT_EQ(outcome.message, expected.message) << where;
        if (expected.ok()) {
            EXPECT_TRUE(variant != 0 || !reused.TwoSlopes) << where;
            EXPECT_EQ(ShownTexts(reused, variant), ShownTexts(fresh, variant)) << where;
            ++compared;
        }
    }
    EXPECT_GT(compared, IndependenceProjects / 2);
}

} // namespace
} // namespace hydrim
