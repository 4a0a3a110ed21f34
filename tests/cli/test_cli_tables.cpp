#include "CliRunner.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace hydrim {
namespace {

using test::Example;
using test::RunCli;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back(); // CSV rows end with CR LF
        }
        lines.push_back(line);
    }
    return lines;
}

TEST(CliTable, CatchmentSummaryAsCsvHasTheFiveReturnPeriodsAndScaledVolumes) {
    const test::CliRun run = RunCli("table " + Example("variant1-two-slopes.snp") + " --sheet 8 --csv");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[0], "Výstup Povodí");
    // The layout's empty first row is left out.
    EXPECT_EQ(lines[1].substr(0, lines[1].find(";[")), "N;5;10;20;50;100");
    EXPECT_EQ(lines[2].rfind("Qmax;", 0), 0u);
    EXPECT_NE(lines[2].find("[m^3.s^-1]"), std::string::npos);
    // The volume rows carry the power of ten inserted into their unit, its
    // exponents marked so that it cannot read as 103 m3.
    EXPECT_NE(lines[3].find("[10^3.m^3]"), std::string::npos);

    const test::CliRun text = RunCli("table " + Example("variant1-two-slopes.snp") + " --sheet 8");
    ASSERT_EQ(text.status, 0) << text.err;
    const auto textLines = Lines(text.out);
    ASSERT_GE(textLines.size(), 5u);
    EXPECT_EQ(textLines[1].rfind(" N ", 0), 0u);
    EXPECT_NE(textLines[2].find("[m³.s⁻¹]"), std::string::npos);
    EXPECT_NE(textLines[3].find("[10³.m³]"), std::string::npos);
}

TEST(CliTable, EveryVariantPrintsItsSheetAndBadSheetsAreUsageErrors) {
    for (const char* example :
         {"variant1-one-slope.snp", "variant2-two-slopes.snp", "variant3-one-slope.snp"}) {
        const test::CliRun run = RunCli(std::string("table ") + Example(example));
        EXPECT_EQ(run.status, 0) << example << ": " << run.err;
        EXPECT_NE(run.out.find("Povodí"), std::string::npos) << example;
    }
    // The warnings follow the text, and go to stderr beside a CSV.
    const std::string warned = "table " + Example("variant3-two-slopes.snp");
    EXPECT_NE(RunCli(warned).out.find("Upozornění:\n- Hydrogram"), std::string::npos);
    const test::CliRun csv = RunCli(warned + " --csv");
    EXPECT_EQ(csv.out.find("Upozornění"), std::string::npos);
    EXPECT_NE(csv.err.find("Upozornění"), std::string::npos);
    EXPECT_EQ(RunCli("table " + Example("variant1-two-slopes.snp") + " --sheet 9").status, 2);
    EXPECT_EQ(RunCli("table " + Example("variant1-two-slopes.snp") + " --sheet x").status, 2);
    EXPECT_EQ(RunCli("table examples/does-not-exist.snp").status, 1);
}

TEST(CliTable, InputsSheetListsTheFiveReturnPeriodsItComputes) {
    const test::CliRun csv = RunCli("table " + Example("variant1-two-slopes.snp") + " --sheet 1 --csv");
    ASSERT_EQ(csv.status, 0) << csv.err;
    const auto lines = Lines(csv.out);
    ASSERT_GE(lines.size(), 11u);
    EXPECT_EQ(lines[10].substr(0, lines[10].rfind(';')), "N;doby opakování;5, 10, 20, 50, 100;;");
    const auto text = Lines(RunCli("table " + Example("variant1-two-slopes.snp") + " --sheet 1").out);
    ASSERT_GE(text.size(), 11u);
    EXPECT_EQ(text[10].rfind(" N "), 0u);
    EXPECT_NE(text[10].find(" 5, 10, 20, 50, 100 "), std::string::npos) << text[10];
}

TEST(CliTimeseries, DailyListingHasNoRainColumnAndHoursRunPast24) {
    const test::CliRun run =
        RunCli("timeseries " + Example("variant1-two-slopes.snp") + " --n 100 --daily --csv");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_GT(lines.size(), 1445u);
    // The first line names the hydrograph listed and its N.
    EXPECT_EQ(lines[0], "Hydrogram TPV vyvolaný 1denním srážkovým úhrnem H1dN, N = 100 let;Povodí;Levý svah;"
                        "Pravý svah");
    EXPECT_EQ(lines[1], "Čas [hod:min];[m3.s-1];[m3.s-1];[m3.s-1]");
    EXPECT_EQ(lines[2].rfind("00:01;", 0), 0u);
    // Row r is labelled with minute r - 1: the 1441st data row reads 24:00, not 00:00.
    EXPECT_EQ(lines[1441].rfind("24:00;", 0), 0u);
}

TEST(CliTimeseries, DesignRainListingStartsWithTheRainColumn) {
    const test::CliRun run = RunCli("timeseries " + Example("variant2-one-slope.snp") + " --csv");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Lines(run.out);
    ASSERT_GT(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Hydrogram TPV vyvolaný výpočtovým deštěm, N = 50 let;Srážka;Povodí");
    const auto text = Lines(RunCli("timeseries " + Example("variant1-one-slope.snp")).out);
    ASSERT_GT(text.size(), 3u);
    EXPECT_EQ(text[0].substr(0, text[0].find('\t')), "Hydrogram TPV vyvolaný výpočtovým deštěm, N = 5 let");
    EXPECT_EQ(RunCli("timeseries " + Example("variant2-one-slope.snp") + " --n 7").status, 2);
}

} // namespace
} // namespace hydrim
