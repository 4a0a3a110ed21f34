#include "core/project/TextCodec.h"
#include "core/reference/ReferenceFiles.h"
#include "core/reference/TableFields.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace hydrim {
namespace {

// A fresh data directory per test, with table files written as the program
// stores them (Windows-1250, CR LF).
class TableFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("hydrim-reference-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    void Write(const std::string& name, const std::vector<std::string>& lines) {
        std::ofstream(dir_ / name, std::ios::binary) << JoinCrLf(lines);
    }
    std::string Dir() const { return dir_.string(); }

    std::filesystem::path dir_;
    ReferenceTables reference_;
};

TEST(TableFieldSplitting, MissingSeparatorsLeaveFieldsEmptyAndTheLastTakesTheRest) {
    EXPECT_EQ(SplitFields("a\tb\tc", '\t', 2), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(SplitFields("a\tb", '\t', 3), (std::vector<std::string>{"a", "", "", "b"}));
    EXPECT_EQ(SplitFields("abc", '\t', 2), (std::vector<std::string>{"", "", "abc"}));
    EXPECT_EQ(SplitFields("a\tb\tc\td", '\t', 1), (std::vector<std::string>{"a", "b\tc\td"}));
    EXPECT_EQ(SplitFields("", ';', 1), (std::vector<std::string>{"", ""}));
}

TEST(TableFieldSplitting, RoughnessRanges) {
    unsigned char low = 0, high = 0;
    EXPECT_TRUE(ParseRoughnessRange("5", low, high));
    EXPECT_EQ(low, 1);
    EXPECT_EQ(high, 1);
    EXPECT_TRUE(ParseRoughnessRange("2-40", low, high));
    EXPECT_EQ(low, 2);
    EXPECT_EQ(high, 40);
    EXPECT_TRUE(ParseRoughnessRange(" 0 - 255 ", low, high));
    EXPECT_EQ(high, 255);
    EXPECT_FALSE(ParseRoughnessRange("2-x", low, high));
    EXPECT_FALSE(ParseRoughnessRange("2-256", low, high));
    EXPECT_FALSE(ParseRoughnessRange("1.5-3", low, high));
}

TEST_F(TableFiles, RainfallShortFileGivesEmptyStationsAndValuesAreCutToEightCharacters) {
    Write("srazky.tab", {"Č.\tStanice\t2\t5\t10\t20\t\t50\t\t\t100\t",
                         "1\tAdamov\t41.2\t55.123456789\t64\t72\t75\t83\t86\t88\t91\t99.5"});
    const TableReadResult result = ReadRainfallTable(Dir(), reference_);
    ASSERT_TRUE(result.ok()) << result.Error.Message;
    ASSERT_EQ(result.Grid.Cells.size(), 580u);
    EXPECT_EQ(result.Grid.cell(1, 1), "Adamov");
    EXPECT_EQ(result.Grid.cell(0, 0), "Č.");
    EXPECT_EQ(reference_.RainfallTable[1][1], "41.2");
    EXPECT_EQ(reference_.RainfallTable[2][1], "55.12345");
    EXPECT_EQ(reference_.RainfallTable[9][1], "91");
    EXPECT_EQ(reference_.RainfallTable[10][1], "99.5");
    EXPECT_EQ(reference_.RainfallTable[3][0], "10");
    EXPECT_EQ(result.Grid.cell(579, 1), "");
    EXPECT_EQ(reference_.RainfallTable[1][2], "");
}

TEST_F(TableFiles, RainfallLinesBeyondTheFixedCountAreIgnored) {
    std::vector<std::string> lines(600, "9\tZlín\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10");
    lines[580] = "581\tNavíc\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10";
    Write("srazky.tab", lines);
    const TableReadResult result = ReadRainfallTable(Dir(), reference_);
    EXPECT_EQ(result.Grid.Cells.size(), 580u);
    EXPECT_EQ(result.Grid.cell(579, 1), "Zlín");
}

TEST_F(TableFiles, MissingFileIsReportedByNameAndLeavesTheTableEmpty) {
    const TableReadResult result = ReadRainfallTable(Dir(), reference_);
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.Error.Message.find("srazky.tab"), std::string::npos);
    EXPECT_EQ(result.Grid.Cells.size(), 580u);
    EXPECT_EQ(result.Grid.cell(1, 1), "");
    EXPECT_NE(ReadSoilGroupTable(Dir()).Error.Message.find("HSP.tab"), std::string::npos);
}

TEST_F(TableFiles, RoughnessRangesFillTheBoundsAndABadRangeStopsTheReading) {
    std::vector<std::string> lines = {"Titulek g:druhý řádek;!", "Druh povrchu;Třída!g"};
    lines.push_back("orná půda;1!5");
    lines.push_back(";2!2-40");
    lines.push_back("louka;3!1.5-7");
    lines.push_back("les;4!10-20");
    Write("Gama.tab", lines);
    const TableReadResult result = ReadRoughnessTable(Dir(), reference_);
    EXPECT_NE(result.Error.Message.find("Gama.tab"), std::string::npos);
    EXPECT_NE(result.Error.Message.find("řádku 5"), std::string::npos) << result.Error.Message;
    EXPECT_EQ(result.Grid.cell(0, 0), "Titulek g:druhý řádek");
    EXPECT_EQ(result.Grid.cell(2, 0), "orná půda");
    EXPECT_EQ(result.Grid.cell(2, 2), "5");
    EXPECT_EQ(reference_.RoughnessMin[2], 1);
    EXPECT_EQ(reference_.RoughnessMax[2], 1);
    EXPECT_EQ(reference_.RoughnessMin[3], 2);
    EXPECT_EQ(reference_.RoughnessMax[3], 40);
    // The bad line is shown as read; nothing after it is read.
    EXPECT_EQ(result.Grid.cell(4, 2), "1.5-7");
    EXPECT_EQ(result.Grid.cell(5, 0), "");
    EXPECT_EQ(reference_.RoughnessMin[5], 0);
    EXPECT_EQ(reference_.RoughnessMax[5], 255);
    EXPECT_EQ(result.Grid.Cells.size(), 17u);
}

TEST_F(TableFiles, CurveNumbersSplitShortLinesIntoTheLastGroup) {
    std::vector<std::string> lines = {"Druh\tZpůsob\tPodmínky\tCN\tPlocha", "\t\t\t\t[km2]"};
    lines.push_back("Úhor\tholá půda\t\t77\t82\t86\t89\t91\t93\t94");
    lines.push_back("Úhor\tPz\tŠp\t76\t81\t85\t88\t90\t93"); // 9 fields
    lines.push_back("jen text");
    lines.push_back("x\ty\tz\t12345678901\t1\t2\t3\t4\t5\t6");
    Write("CNcistab.tab", lines);
    const TableReadResult result = ReadCurveNumberTable(Dir(), reference_);
    ASSERT_TRUE(result.ok()) << result.Error.Message;
    const auto& cn = reference_.CurveNumberTable;
    EXPECT_EQ(result.Grid.cell(0, 4), "Plocha");
    EXPECT_EQ(result.Grid.cell(2, 1), "holá půda");
    EXPECT_EQ(cn[1][2], "77");
    EXPECT_EQ(cn[7][2], "94");
    EXPECT_EQ(cn[5][3], "90");
    EXPECT_EQ(cn[6][3], "");
    EXPECT_EQ(cn[7][3], "93");
    EXPECT_EQ(cn[1][4], "");
    EXPECT_EQ(cn[7][4], "jen text");
    EXPECT_EQ(result.Grid.cell(4, 0), "");
    EXPECT_EQ(cn[1][5], "1234567890");
    EXPECT_EQ(cn[1][1], " pro A");
    EXPECT_EQ(cn[2][1], " pro A-B");
    EXPECT_EQ(cn[7][1], " pro D");
    EXPECT_EQ(cn[3][52], "");
}

TEST_F(TableFiles, SoilUnitGroupsAreKeptAsEightCharacterTexts) {
    std::vector<std::string> lines = {"HPJ", "", ""};
    lines.push_back("01\tčernozem\tspraš\tB");
    lines.push_back("02\t\t\tB - C (D) navíc");
    Write("BPEJtab.tab", lines);
    const TableReadResult result = ReadSoilUnitTable(Dir(), reference_);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.Grid.Cells.size(), 67u);
    EXPECT_EQ(result.Grid.cell(3, 1), "černozem");
    EXPECT_EQ(reference_.SoilUnitGroupsOriginal[3], "B");
    EXPECT_EQ(reference_.SoilUnitGroupsOriginal[4], "B - C (D");
    EXPECT_EQ(reference_.SoilUnitGroupsOriginal[66], "");
}

TEST_F(TableFiles, SoilGroupsSplitAtTheFirstSemicolon) {
    Write("HSP.tab", {"Titul;", "Skupina;Popis", "A;písky; štěrky:(> 0,12 mm.min-1)", "bez středníku"});
    const TableReadResult result = ReadSoilGroupTable(Dir());
    ASSERT_EQ(result.Grid.Cells.size(), 6u);
    EXPECT_EQ(result.Grid.cell(2, 0), "A");
    EXPECT_EQ(result.Grid.cell(2, 1), "písky; štěrky:(> 0,12 mm.min-1)");
    EXPECT_EQ(result.Grid.cell(3, 0), "");
    EXPECT_EQ(result.Grid.cell(3, 1), "bez středníku");
}

// The shipped tables read without error and carry the published values.
TEST(ShippedTables, ReadCleanlyInTheirShapes) {
    const std::string data = std::string(HYDRIM_SOURCE_DIR) + "/DATA";
    ReferenceTables reference;
    EXPECT_TRUE(ReadRainfallTable(data, reference).ok());
    EXPECT_TRUE(ReadRoughnessTable(data, reference).ok());
    const TableReadResult cn = ReadCurveNumberTable(data, reference);
    EXPECT_TRUE(cn.ok());
    EXPECT_EQ(cn.Grid.cell(2, 0), "Úhor");
    EXPECT_EQ(reference.CurveNumberTable[1][2], "77");  // fallow, bare soil, A
    EXPECT_EQ(reference.CurveNumberTable[2][2], "82");  // A-B: mean of 77 and 86, half up
    EXPECT_EQ(reference.CurveNumberTable[7][51], "93"); // paved roads, D
    EXPECT_EQ(cn.Grid.cell(38, 0), "Louky (kosené, nepasené)");
    EXPECT_TRUE(ReadSoilGroupTable(data).ok());
    EXPECT_TRUE(ReadSoilUnitTable(data, reference).ok());
    EXPECT_EQ(reference.SoilUnitGroupsOriginal[5], "B (C)"); // HPJ 03
    EXPECT_EQ(reference.SoilUnitGroupsOriginal[8], "C - D"); // HPJ 06
    EXPECT_EQ(reference.SoilUnitGroupsOriginal[16], "B");    // HPJ 14, from the public table
    EXPECT_EQ(reference.SoilUnitGroupsOriginal[66], "C");    // HPJ 64
}

} // namespace
} // namespace hydrim
