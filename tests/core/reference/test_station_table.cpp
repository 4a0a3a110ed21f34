// The station table as the editor reads, checks, imports and saves it: a
// hand-edited file's wrong lines are reported and kept, the saved file is
// what the program's reader expects, and the old file stays as ".bak".
#include "core/project/TextCodec.h"
#include "core/reference/CsvReader.h"
#include "core/reference/ReferenceFiles.h"
#include "core/reference/StationTable.h"
#include "core/reference/TableEditing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace hydrim;

namespace {

const std::string Header = "Č.\tStanice\t2\t5\t10\t20\t\t50\t\t\t100\t";

TableRow Station(const std::string& name, std::vector<std::string> depths) {
    TableRow row{std::vector<std::string>(StationFieldCount), 0};
    row.Fields[StationNameField] = name;
    for (size_t i = 0; i < depths.size(); ++i) {
        row.Fields[StationDepthFields[i]] = depths[i];
    }
    return row;
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class StationFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("hydrim-stations-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path dir_;
};

} // namespace

TEST(StationTable, CheckWantsANameAndSixDepthsOf10To500NotFalling) {
    EXPECT_EQ(CheckStation(Station("Cheb", {"10", "20", "20", "30.5", "40", "500"})), "");
    EXPECT_EQ(CheckStation(Station(" ", {"10", "20", "20", "30", "40", "50"})), "chybí název stanice");
    EXPECT_EQ(CheckStation(Station("Cheb", {"9.9", "20", "20", "30", "40", "500.1"})),
              "úhrn pro N = 2 roky (9.9 mm) je mimo rozsah 10 až 500 mm; "
              "úhrn pro N = 100 let (500.1 mm) je mimo rozsah 10 až 500 mm");
    EXPECT_EQ(CheckStation(Station("Cheb", {"40", "35", "50", "60", "70", "80"})),
              "úhrn pro N = 5 let (35) je menší než pro N = 2 roky (40)");
    EXPECT_EQ(CheckStation(Station("Cheb", {"40", "45,5", "", "60", "70", "123.45678"})),
              "úhrn pro N = 5 let „45,5“ není číslo s desetinnou tečkou; chybí úhrn pro N = 10 let; "
              "úhrn pro N = 100 let „123.45678“ má víc než 8 znaků");
    EXPECT_EQ(CheckStation(Station("Tab\tulka", {"10", "20", "20", "30", "40", "50"})),
              "název stanice obsahuje tabulátor, konec řádku nebo jiný řídicí znak");
    EXPECT_EQ(CheckStation(Station("Kraków ☂", {"10", "20", "20", "30", "40", "50"})),
              "název stanice obsahuje znak, který nelze uložit v kódování Windows-1250");
}

TEST(StationTable, HandEditedFileReportsWrongLinesAndKeepsEveryOne) {
    std::vector<std::string> lines = {Header,
                                      "1\tAdamov\t30\t40\t50\t60\t\t70\t\t\t80\t",
                                      "",
                                      "2\tBeroun\t30\t4O\t50\t60\t\t70\t\t\t80\t",
                                      "3 Cheb 30 40 50 60 70 80",
                                      "\t\t\t",
                                      "4\t\t30\t40\t50\t60\t\t70\t\t\t80\t"};
    lines.resize(580);
    lines.push_back("5\tZlín\t30\t40\t50\t60\t\t70\t\t\t80\t");
    const TableRows table = ReadStationLines(lines);
    EXPECT_EQ(table.Header, std::vector<std::string>{Header});
    ASSERT_EQ(table.Rows.size(), 5u); // the blank lines hold nothing
    EXPECT_EQ(table.Rows[2].Fields[0], "3 Cheb 30 40 50 60 70 80");
    EXPECT_EQ(table.Rows[4].Line, 581u);
    ASSERT_EQ(table.Problems.size(), 4u);
    EXPECT_EQ(table.Problems[0], (LineProblem{4, "úhrn pro N = 5 let „4O“ není číslo s desetinnou tečkou"}));
    EXPECT_EQ(table.Problems[1].Line, 5u);
    EXPECT_NE(table.Problems[1].Reason.find("má 1 polí"), std::string::npos);
    EXPECT_EQ(table.Problems[2], (LineProblem{7, "chybí název stanice"}));
    EXPECT_EQ(table.Problems[3], (LineProblem{581, "řádek je za 580. řádkem souboru, program jej nečte"}));
}

TEST_F(StationFiles, SavedTableIsReadByTheProgramInAlphabeticalOrderAndTheOldFileIsKept) {
    const std::string old = EncodeCp1250(Header) + "\r\n";
    std::ofstream(dir_ / "srazky.tab", std::ios::binary) << old;
    LoadedTable loaded = LoadEditableTable(dir_.string(), StationTableKind());
    ASSERT_TRUE(loaded.ok());
    loaded.Table.Rows = {Station("Žatec", {"30", "40", "50", "60", "70", "80"}),
                         Station("Šumperk", {"31.5", "41", "51", "61", "71", "81"}),
                         Station("Cheb", {"32", "42", "52", "62", "72", "82"})};
    loaded.Table.Rows[0].Fields[StationNumberField] = "17";
    ASSERT_EQ(SaveEditableTable(dir_.string(), StationTableKind(), loaded.Table).Message, "");

    EXPECT_EQ(ReadBytes(dir_ / "srazky.tab.bak"), old);
    const std::string saved = ReadBytes(dir_ / "srazky.tab");
    EXPECT_EQ(saved, old + "\tCheb\t32\t42\t52\t62\t\t72\t\t\t82\t\r\n" +
                         EncodeCp1250("\tŠumperk\t31.5\t41\t51\t61\t\t71\t\t\t81\t\r\n"
                                      "17\tŽatec\t30\t40\t50\t60\t\t70\t\t\t80\t\r\n"));

    ReferenceTables reference;
    const TableReadResult read = ReadRainfallTable(dir_.string(), reference);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.Grid.cell(2, 1), "Šumperk");
    EXPECT_EQ(read.Grid.cell(3, 0), "17");
    EXPECT_EQ(reference.RainfallTable[1][2], "31.5"); // N = 2
    EXPECT_EQ(reference.RainfallTable[9][3], "80");   // N = 100
}

TEST_F(StationFiles, WrongRowsAreNotSaved) {
    const std::string old = EncodeCp1250(Header) + "\r\n";
    std::ofstream(dir_ / "srazky.tab", std::ios::binary) << old;
    TableRows table = ReadStationLines({Header});
    table.Rows = {Station("Cheb", {"32", "42", "52", "62", "72", "8"})};
    EXPECT_NE(SaveEditableTable(dir_.string(), StationTableKind(), table)
                  .Message.find("řádek 1: úhrn pro N = 100 let"),
              std::string::npos);
    table.Rows.assign(MaxStations + 1, Station("Cheb", {"30", "40", "50", "60", "70", "80"}));
    EXPECT_NE(
        SaveEditableTable(dir_.string(), StationTableKind(), table).Message.find("pojme nejvýše 579 stanic"),
        std::string::npos);
    EXPECT_EQ(ReadBytes(dir_ / "srazky.tab"), old);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "srazky.tab.bak"));
}

TEST(StationImport, SpreadsheetLinesBecomeStationsAndWrongOnesAreRefusedByLine) {
    const CsvText csv = ParseCsv(EncodeCp1250("Stanice;2 roky;5 let;10 let;20 let;50 let;100 let\r\n"
                                              "Žatec;30,5;40;50;60;70;80\r\n"
                                              "12;Cheb;30;40;50;60;70;80;;\r\n"
                                              "Beroun;30;40;50\r\n"
                                              "Tábor;30;40;50;60;70;8\r\n"
                                              "Žatec;31;41;51;61;71;81\r\n"));
    const TableImport imported = ImportStations(csv.Records);
    EXPECT_EQ(imported.HeaderLine, 1u);
    ASSERT_EQ(imported.Rows.size(), 2u);
    EXPECT_EQ(imported.Rows[0],
              (TableRow{{"", "Žatec", "30.5", "40", "50", "60", "", "70", "", "", "80", ""}, 2}));
    EXPECT_EQ(imported.Rows[1].Fields[StationNumberField], "12");
    ASSERT_EQ(imported.Refused.size(), 3u);
    EXPECT_EQ(imported.Refused[0].Line, 4u);
    EXPECT_NE(imported.Refused[0].Reason.find("má 4 polí"), std::string::npos);
    EXPECT_EQ(imported.Refused[1],
              (LineProblem{5, "úhrn pro N = 100 let (8 mm) je mimo rozsah 10 až 500 mm"}));
    EXPECT_EQ(imported.Refused[2], (LineProblem{6, "stanice „Žatec“ je v souboru už na řádku 2"}));

    // Merged into a table: the same station takes the new depths and keeps
    // its number; the result is in alphabetical order.
    TableRow zatec = Station("Žatec", {"10", "10", "10", "10", "10", "10"});
    zatec.Fields[StationNumberField] = "7";
    const std::vector<TableRow> merged =
        MergeStations({zatec, Station("Adamov", {"10", "10", "10", "10", "10", "10"})}, imported.Rows);
    ASSERT_EQ(merged.size(), 3u);
    EXPECT_EQ(merged[0].Fields[StationNameField], "Adamov");
    EXPECT_EQ(merged[1].Fields[StationNameField], "Cheb");
    EXPECT_EQ(merged[2].Fields[StationNumberField], "7");
    EXPECT_EQ(merged[2].Fields[StationDepthFields[0]], "30.5");
}
