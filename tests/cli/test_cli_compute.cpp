#include "CliRunner.h"

#include "core/project/ProjectFile.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <filesystem>
#include <iterator>
#include <sstream>
#include <vector>

namespace hydrim {
namespace {

using json = nlohmann::json;
using test::Example;
using test::RunCli;

// Reals agree with an independent evaluation of the formulas to this
// relative difference (only the last bits of pow/exp may differ).
constexpr double RelativeTolerance = 1e-12;

json ComputeJson(const std::string& example) {
    const test::CliRun run = RunCli("compute " + Example(example) + " --json");
    EXPECT_EQ(run.status, 0) << example << ": " << run.err;
    return json::parse(run.out);
}

TEST(CliCompute, EveryExampleComputesAndTheNoRunoffOneGivesItsMessage) {
    const std::vector<std::pair<std::string, int>> examples = {
        {"variant1-one-slope.snp", 1},  {"variant1-two-slopes.snp", 1}, {"variant2-one-slope.snp", 2},
        {"variant2-two-slopes.snp", 2}, {"variant3-one-slope.snp", 3},  {"variant3-two-slopes.snp", 3}};
    for (const auto& [name, variant] : examples) {
        const json document = ComputeJson(name);
        EXPECT_EQ(document["status"], "ok") << name;
        EXPECT_EQ(document["variant"], variant) << name;
        EXPECT_EQ(document["twoSlopes"], name.find("two") != std::string::npos) << name;
        EXPECT_FALSE(document.contains("message")) << name;
    }
    const json noRunoff = ComputeJson("no-runoff.snp");
    EXPECT_EQ(noRunoff["status"], "no-runoff");
    EXPECT_EQ(
        noRunoff["message"].get<std::string>().rfind("Se zadanými parametry nedojde k odtoku z povodí!!\n"
                                                     "Příčina: ",
                                                     0),
        0u);
    const test::CliRun summary = RunCli("compute " + Example("no-runoff.snp"));
    EXPECT_EQ(summary.status, 0);
    EXPECT_NE(summary.out.find("nedojde k odtoku"), std::string::npos);
}

TEST(CliCompute, WarningsFollowTheSummaryAndFillTheJsonArray) {
    const json warned = ComputeJson("variant3-two-slopes.snp")["warnings"];
    ASSERT_EQ(warned.size(), 2u);
    EXPECT_EQ(warned[0]["code"], "hydrograph-volume");
    EXPECT_EQ(warned[0]["slope"], "L");
    EXPECT_TRUE(warned[0]["returnPeriod"].is_null());
    EXPECT_EQ(warned[1]["slope"], "C");
    EXPECT_EQ(warned[1]["severity"], "warning");
    // The capped design rain is one note for all return periods.
    const json capped = ComputeJson("variant1-one-slope.snp")["warnings"];
    ASSERT_EQ(capped.size(), 1u);
    EXPECT_EQ(capped[0]["code"], "design-rain-capped");
    EXPECT_EQ(capped[0]["severity"], "note");
    EXPECT_TRUE(capped[0]["returnPeriod"].is_null());
    const std::string noted = RunCli("compute " + Example("variant1-one-slope.snp")).out;
    EXPECT_NE(noted.find("\nPoznámka:\n- Návrhový déšť je omezen"), std::string::npos) << noted;
    EXPECT_EQ(noted.find("Upozornění"), std::string::npos) << noted;
    EXPECT_TRUE(ComputeJson("variant2-one-slope.snp")["warnings"].empty());
    EXPECT_TRUE(ComputeJson("no-runoff.snp")["warnings"].is_array());
    const test::CliRun summary = RunCli("compute " + Example("variant3-two-slopes.snp"));
    const size_t table = summary.out.find("Qmax");
    const size_t warnings = summary.out.find("\nUpozornění:\n- Hydrogram návrhového deště (levý svah)");
    EXPECT_NE(warnings, std::string::npos) << summary.out;
    EXPECT_LT(table, warnings);
}

TEST(CliCompute, VariantOneGivesArraysOfTheFiveReturnPeriodsAndRightNamesOnlyForTwoSlopes) {
    const json one = ComputeJson("variant1-one-slope.snp")["results"];
    for (const char* name : {"CriticalDurationL", "PeakDischargeC", "VolumeC", "InitialLossByNL",
                             "RainDurationC", "DailyShapeDivisorL", "AbstractionFactorByN"}) {
        ASSERT_TRUE(one.contains(name)) << name;
        EXPECT_EQ(one[name].size(), 5u) << name;
    }
    EXPECT_TRUE(one["CnAdjL"].is_number_float());
    EXPECT_TRUE(one["CriticalDurationL"][0].is_number_integer());
    for (auto it = one.begin(); it != one.end(); ++it) {
        EXPECT_NE(it.key().back(), 'R') << it.key();
    }
    // Volumes are in m³: 1000 × area [km²] × runoff depth [mm].
    for (size_t i = 0; i < 5; ++i) {
        const double expected =
            1000.0 * one["TotalArea"].get<double>() * one["VolumeDepthL"][i].get<double>();
        EXPECT_NEAR(one["VolumeL"][i].get<double>(), expected, expected * RelativeTolerance);
    }
    const json two = ComputeJson("variant1-two-slopes.snp")["results"];
    for (const char* name :
         {"CnAdjR", "FlowCoefR", "CriticalDurationR", "PeakDischargeR", "DailyShapeDivisorR"}) {
        EXPECT_TRUE(two.contains(name)) << name;
    }
}

TEST(CliCompute, RealsAreWrittenWithSeventeenSignificantDigits) {
    const test::CliRun run = RunCli("compute " + Example("variant2-one-slope.snp") + " --json");
    ASSERT_EQ(run.status, 0);
    // 0.75 km² / 1.1 km, written so that reading it back gives the same double.
    EXPECT_NE(run.out.find("\"WidthL\": 0.68181818181818177"), std::string::npos);
    EXPECT_NE(run.out.find("\"CnAdjL\": 82.0"), std::string::npos);
}

// Variant II, one slope, N = 50: worked through the formulas independently
// of the engine (critical-duration search, design rain below equilibrium,
// shape fitting to 1/100000).
TEST(CliCompute, VariantTwoOneSlopeMatchesTheHandCheckedCase) {
    const json r = ComputeJson("variant2-one-slope.snp")["results"];
    const std::vector<std::pair<const char*, double>> reals = {
        {"CnAdjL", 82.0},
        {"RetentionL", 55.75609756097561},
        {"AbstractionExponent", 3.019692375095101},
        {"AbstractionFactor", 0.6884751046508799},
        {"InitialLossL", 7.6773370206434715},
        {"NetRetentionL", 48.07876054033214},
        {"WidthL", 0.6818181818181818},
        {"FlowLengthL", 0.7079180616392037},
        {"FlowCoefL", 10222.483666275046},
        {"CritIntensityL", 0.18894176051159967},
        {"CritDepthL", 68.58585906571068},
        {"CritRunoffL", 31.799255594729434},
        {"CritExcessIntensityL", 0.09875545215754483},
        {"IntensityL", 0.916559494479968},
        {"DesignDepthL", 54.99356966879808},
        {"DesignRunoffL", 21.720920323347606},
        {"DesignExcessIntensityL", 0.4177100062182232},
        {"DesignEquilibriumIntensityL", 0.4200560349389812},
        {"DesignPeakIntensityL", 0.04615300890621358},
        {"DesignPeakL", 0.5770279938499354},
        {"DesignPeakC", 0.5770279938499354},
        {"DesignVolumeL", 16290.690242510704},
        {"DesignVolumeC", 16290.690242510704},
    };
    for (const auto& [name, expected] : reals) {
        ASSERT_TRUE(r.contains(name)) << name;
        EXPECT_NEAR(r[name].get<double>(), expected, std::abs(expected) * RelativeTolerance) << name;
    }
    const std::vector<std::pair<const char*, int>> integers = {
        {"CritDurationL", 363},          {"CritPondingL", 41},
        {"CritExcessDurationL", 322},    {"RainDuration", 60},
        {"DesignPondingL", 8},           {"DesignExcessDurationL", 52},
        {"DesignEquilibriumTimeL", 156}, {"DesignRiseL", 52},
        {"DesignPlateauL", 0},           {"DesignFallL", 1719},
        {"DesignLengthL", 1771},         {"DesignShapeNumeratorL", 16081},
        {"DesignShapeDivisorL", 100000}, {"ReturnPeriodGroup", 6}};
    for (const auto& [name, expected] : integers) {
        ASSERT_TRUE(r.contains(name)) << name;
        EXPECT_EQ(r[name].get<int>(), expected) << name;
    }
    EXPECT_FALSE(r.contains("DesignPeakR"));
}

TEST(CliCompute, VariantThreeHasNoCriticalRain) {
    const json r = ComputeJson("variant3-two-slopes.snp")["results"];
    EXPECT_FALSE(r.contains("CritDurationL"));
    EXPECT_FALSE(r.contains("AbstractionExponent"));
    EXPECT_EQ(r["AbstractionFactor"].get<double>(), 1.0);
    EXPECT_TRUE(r.contains("DesignPeakR"));
    EXPECT_NEAR(r["DesignPeakC"].get<double>(),
                r["DesignPeakL"].get<double>() + r["DesignPeakR"].get<double>(),
                r["DesignPeakC"].get<double>() * RelativeTolerance);
}

TEST(CliCompute, SummaryShowsPeakVolumeAndRainPerReturnPeriod) {
    const test::CliRun run = RunCli("compute " + Example("variant1-two-slopes.snp"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Varianta I, Dva svahy"), std::string::npos);
    EXPECT_NE(run.out.find("Qmax [m³/s]"), std::string::npos);
    for (const char* period : {"\n        5 ", "\n       10 ", "\n      100 "}) {
        EXPECT_NE(run.out.find(period), std::string::npos) << period;
    }
}

TEST(CliCompute, WideNumbersOfTheSummaryNeverRunTogether) {
    Project project;
    ASSERT_TRUE(ReadProjectFile(HYDRIM_SOURCE_DIR "/examples/variant1-one-slope.snp", project).ok());
    // A large, wet catchment: volumes of hundreds of millions of m3.
    project.Texts.Edit[EditAreaL] = "2000";
    project.Texts.Edit[EditValleyLength] = "50";
    project.Texts.Edit[EditCnL] = "99";
    for (int k : {EditRainN, EditRain10, EditRain20, EditRain50, EditRain100}) {
        project.Texts.Edit[static_cast<size_t>(k)] = "500";
    }
    const std::string file = (std::filesystem::temp_directory_path() / "hydrim-cli-wide.snp").string();
    ASSERT_EQ(WriteProjectFile(file, project).Message, "");
    const test::CliRun run = RunCli("compute " + test::Quote(file));
    std::filesystem::remove(file);
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_NE(run.out.find(" N [roky]"), std::string::npos) << run.out;
    std::istringstream lines(run.out.substr(run.out.find(" N [roky]")));
    std::string line;
    std::getline(lines, line);
    for (int row = 0; row < 5 && std::getline(lines, line); ++row) {
        std::istringstream fields(line);
        std::vector<std::string> values{std::istream_iterator<std::string>(fields), {}};
        EXPECT_EQ(values.size(), 6u) << line;
        EXPECT_EQ(line.find("  ", line.size() - values.back().size() - 2),
                  line.size() - values.back().size() - 2)
            << line;
    }
}

TEST(CliCompute, InputsTheWindowWouldRefuseAreReportedAndNotComputed) {
    Project project;
    ASSERT_TRUE(ReadProjectFile(HYDRIM_SOURCE_DIR "/examples/variant2-two-slopes.snp", project).ok());
    project.Texts.Edit[EditCnR] = "120";
    project.Texts.Edit[EditAreaL] = "";
    const std::string file = (std::filesystem::temp_directory_path() / "hydrim-cli-refused.snp").string();
    ASSERT_EQ(WriteProjectFile(file, project).Message, "");
    const test::CliRun run = RunCli("compute " + test::Quote(file) + " --json");
    std::filesystem::remove(file);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("Plocha svahu [km²] (levý svah): není vyplněno."), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Číslo CN křivky [40-100] (pravý svah)"), std::string::npos) << run.err;
}

} // namespace
} // namespace hydrim
