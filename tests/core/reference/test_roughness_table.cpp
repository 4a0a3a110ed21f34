// The roughness class table as the editor reads, checks, imports and saves
// it, read back by the program's own reader.
#include "core/project/TextCodec.h"
#include "core/reference/CsvReader.h"
#include "core/reference/ReferenceFiles.h"
#include "core/reference/RoughnessTable.h"
#include "core/reference/TableEditing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace hydrim;

TEST(RoughnessTable, HandEditedLinesAreCheckedAndKept) {
    const std::vector<std::string> lines = {
        "Titul g:podtitul;!", "Druh;Třída!g", "Les;1!5-40", "",
        "Les;2!40-5",         "Pole 3 1-3",   "Louka;!1-3", "Pole;4!2-256"};
    const TableRows table = ReadRoughnessLines(lines);
    EXPECT_EQ(table.Header, (std::vector<std::string>{"Titul g:podtitul;!", "Druh;Třída!g"}));
    ASSERT_EQ(table.Rows.size(), 5u);
    EXPECT_EQ(table.Rows[2].Fields, (std::vector<std::string>{"", "", "Pole 3 1-3"}));
    EXPECT_EQ(table.Problems,
              (std::vector<LineProblem>{
                  {5, "v rozsahu „40-5“ je dolní mez větší než horní"},
                  {6, "chybí třída; rozsah „Pole 3 1-3“ není ve tvaru a-b s celými čísly 0 až 255"},
                  {7, "chybí třída"},
                  {8, "rozsah „2-256“ není ve tvaru a-b s celými čísly 0 až 255"}}));
}

TEST(RoughnessTable, SavedClassesAreReadByTheProgramWithTheirBounds) {
    const auto dir = std::filesystem::temp_directory_path() / "hydrim-roughness-save";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    TableRows table = ReadRoughnessLines({});
    table.Rows = {{{"Les", "1", "5 - 40"}, 0}, {{"", "2", "0-3"}, 0}, {{"Orná půda", "3", "7-7"}, 0}};
    ASSERT_EQ(SaveEditableTable(dir.string(), RoughnessTableKind(), table).Message, "");
    EXPECT_FALSE(std::filesystem::exists(dir / "Gama.tab.bak")); // there was no file before

    const TextFileLines file = ReadTextFileLines((dir / "Gama.tab").string());
    ASSERT_EQ(file.lines.size(), 17u);
    EXPECT_EQ(file.lines[2], "Les;1!5 - 40");
    EXPECT_EQ(file.lines[4], "Orná půda;3!7-7");
    ReferenceTables reference;
    const TableReadResult read = ReadRoughnessTable(dir.string(), reference);
    EXPECT_TRUE(read.ok());
    EXPECT_EQ(read.Grid.cell(4, 0), "Orná půda");
    EXPECT_EQ(reference.RoughnessMin[2], 5);
    EXPECT_EQ(reference.RoughnessMax[2], 40);
    EXPECT_EQ(reference.RoughnessMax[3], 3);
    std::filesystem::remove_all(dir);
}

TEST(RoughnessImport, ThreeAndFourFieldLinesAndRefusedOnes) {
    const CsvText csv = ParseCsv("Druh povrchu;Třída;Rozsah\n"
                                 "Les;1;5 \xE2\x80\x93 40\n"
                                 "Les;2;1;3\n"
                                 "Pole;3;3-1\n"
                                 "Louka;4\n"
                                 "Pole;5;1-x\n");
    const TableImport imported = ImportRoughnessClasses(csv.Records);
    EXPECT_EQ(imported.HeaderLine, 1u);
    EXPECT_EQ(imported.Rows, (std::vector<TableRow>{{{"Les", "1", "5-40"}, 2}, {{"Les", "2", "1-3"}, 3}}));
    ASSERT_EQ(imported.Refused.size(), 3u);
    EXPECT_EQ(imported.Refused[0], (LineProblem{4, "v rozsahu „3-1“ je dolní mez větší než horní"}));
    EXPECT_EQ(imported.Refused[1].Line, 5u);
    EXPECT_EQ(imported.Refused[2].Line, 6u);
}

TEST(RoughnessTable, DescriptionsMergeOverTheClassesBelowThem) {
    // Les over two classes, Pole over three (one repeating it), a lone class
    // without description, a row without class ending the group.
    const std::vector<std::pair<std::string, bool>> rows = {
        {"Les", true},   {"", true},  {"Pole", true}, {"", true},    {"Pole", true},
        {"Louka", true}, {"", false}, {"", true},     {"Sad", true}, {"", true}};
    EXPECT_EQ(DescriptionGroups(rows), (std::vector<std::pair<size_t, size_t>>{{0, 1}, {2, 4}, {8, 9}}));
}
