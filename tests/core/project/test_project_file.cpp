#include "support/TempDirectory.h"

#include "core/project/ProjectFile.h"
#include "core/project/TextCodec.h"

#include <gtest/gtest.h>

namespace hydrim {
namespace {

using test::ReadBytes;
using test::TempDirectory;

const std::string CzechLetters = "ěščřžýáíéúůďťňóĚŠČŘŽÝÁÍÉÚŮĎŤŇÓ";

// A two-slope Variant II project with every stored item filled.
Project FullProject() {
    Project p;
    p.Texts.Description = {"Povodí " + CzechLetters, "", "druhý řádek\tse znaky"};
    p.Texts.CatchmentType = 1;
    p.Texts.Variant = 1;
    p.Texts.ReturnPeriodItem = 3; // N = 20
    p.Texts.CnTypeItemL = 0;
    p.Texts.CnTypeItemR = 2;
    p.Rainfall.ReturnPeriodIndex = 3;
    p.Rainfall.Texts = {"", "41.5", "52", "61.2", "75", "88.8"};
    const std::array<std::pair<int, const char*>, 14> fields = {{{5, "1.8"},
                                                                 {6, "2.5"},
                                                                 {10, "1.2"},
                                                                 {11, "8"},
                                                                 {12, "15"},
                                                                 {14, "72"},
                                                                 {15, "60"},
                                                                 {16, "0.8"},
                                                                 {17, "0.9"},
                                                                 {18, "6.5"},
                                                                 {19, "20"},
                                                                 {21, "81"},
                                                                 {22, "60"},
                                                                 {23, "0.8"}}};
    for (const auto& [k, text] : fields) {
        p.Texts.Edit[static_cast<size_t>(k)] = text;
    }
    p.Texts.Edit[EditRainN] = "61.2";
    p.Texts.Edit[EditRain100] = "88.8";
    p.Texts.Edit[EditRain10] = "52";
    p.Texts.Edit[EditRain20] = "61.2";
    p.Texts.Edit[EditRain50] = "75";
    LookupState& l = p.Lookup;
    l.RainfallStationRow = 17;
    l.RoughnessInputs[0][0][2] = "0.5";
    l.RoughnessInputs[0][1][16] = "12.25";
    l.RoughnessInputs[1][0][9] = "ŽŠČŘĎŤŇ";
    l.RoughnessInputs[1][1][3] = "3";
    l.LeftSoilGroupByFiltration = false;
    l.RightSoilGroupByFiltration = true;
    l.SoilGroupAreas[0][2] = "0.4";
    l.SoilGroupAreas[1][5] = "0.8";
    l.SoilUnitAreas[0][3] = "0.1";
    l.SoilUnitAreas[1][66] = "0.2";
    l.SoilUnitGroups[0][3] = "B (C)";
    l.SoilUnitGroups[1][40] = "C - D";
    l.LandUseAreas[0][2] = "0.25";
    l.LandUseAreas[1][52] = "ěščřžýáíéúůď";
    p.ChartTitle1 = "Hydrogram " + CzechLetters;
    p.ChartTitle2 = "";
    return p;
}

std::string WriteAndRead(const TempDirectory& dir, const Project& project) {
    const std::string file = dir.file("p.snp");
    EXPECT_EQ(WriteProjectFile(file, project).Message, "");
    return ReadBytes(file);
}

TEST(ProjectFile, ReadingAndWritingTheSameFileGivesTheSameBytes) {
    TempDirectory dir;
    const std::string bytes = WriteAndRead(dir, FullProject());
    Project read;
    ASSERT_TRUE(ReadProjectFile(dir.file("p.snp"), read).ok());
    ASSERT_EQ(WriteProjectFile(dir.file("q.snp"), read).Message, "");
    EXPECT_EQ(ReadBytes(dir.file("q.snp")), bytes);
    EXPECT_NE(bytes.find(EncodeCp1250(CzechLetters)), std::string::npos);
    EXPECT_EQ(read.Texts.Description, FullProject().Texts.Description);
    EXPECT_EQ(read.Lookup.LandUseAreas[1][52], "ěščřžýáíéúůď");
    EXPECT_EQ(read.ChartTitle1, "Hydrogram " + CzechLetters);
    EXPECT_EQ(read.ChartTitle2, "");
    EXPECT_FALSE(read.Lookup.LeftSoilGroupByFiltration);
    EXPECT_EQ(read.Lookup.RainfallStationRow, 17);
}

TEST(ProjectFile, LayoutPutsEveryItemOnItsLine) {
    TempDirectory dir;
    const std::vector<std::string> lines =
        ReadTextFileLines((WriteAndRead(dir, FullProject()), dir.file("p.snp"))).lines;
    ASSERT_EQ(lines.size(), 1u + 1 + 3 + 5 + 9 + 14 + 1 + 4 + 2 + 2 + 4 + 2 + 2);
    EXPECT_EQ(lines[0], "SPIKA NP File");
    EXPECT_EQ(lines[1], "3");
    const std::vector<std::string> items(lines.begin() + 5, lines.begin() + 19);
    EXPECT_EQ(items, (std::vector<std::string>{"1", "1", "3", "0", "2", "52", "61.2", "75", "41.5", "1.8",
                                               "2.5", "", "61.2", "88.8"}));
    EXPECT_EQ(lines[19], "1.2");                             // Edit10
    EXPECT_EQ(lines[22], "");                                // Edit13, always empty
    EXPECT_EQ(lines[32], "0.8");                             // Edit23
    EXPECT_EQ(lines[33], "17");                              // station row
    EXPECT_EQ(lines[34], "0.5" + std::string(15, '\t'));     // right slope, first column
    EXPECT_EQ(lines[35], std::string(14, '\t') + "12.25\t"); // right slope, second column
    EXPECT_EQ(lines[38], "0");                               // left flag
    EXPECT_EQ(lines[39], "1");                               // right flag
    EXPECT_EQ(lines[40], "0.4\t\t\t\t");                     // soil-group areas, right
    EXPECT_EQ(lines[41], "\t\t\t0.8\t");
    EXPECT_EQ(lines[44], "B (C)" + std::string(64, '\t')); // soil-unit groups, right
    EXPECT_EQ(lines[lines.size() - 2], "Hydrogram " + CzechLetters);
}

TEST(ProjectFile, EmptyDescriptionWritesZeroAndNoLines) {
    TempDirectory dir;
    Project p;
    const std::vector<std::string> lines = ReadTextFileLines((WriteAndRead(dir, p), dir.file("p.snp"))).lines;
    EXPECT_EQ(lines[1], "0");
    EXPECT_EQ(lines[2], "-1"); // catchment type not chosen
    EXPECT_EQ(lines[4], "5");  // return period N = 100 of a new project
}

TEST(ProjectFile, LineBreaksAndTabsInsideTextsCannotShiftTheItems) {
    TempDirectory dir;
    Project p = FullProject();
    p.Texts.Description = {"a\r\nb"};
    p.Texts.Edit[5] = "1\n2";
    p.Lookup.LandUseAreas[0][2] = "x\ty";
    WriteAndRead(dir, p);
    Project read;
    ASSERT_TRUE(ReadProjectFile(dir.file("p.snp"), read).ok());
    EXPECT_EQ(read.Texts.Description, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(read.Texts.Edit[5], "1 2");
    EXPECT_EQ(read.Lookup.LandUseAreas[0][2], "x y");
    EXPECT_EQ(read.ChartTitle1, p.ChartTitle1);
}

TEST(ProjectFile, HeaderIsSearchedForInTheFirstLine) {
    TempDirectory dir;
    Project p;
    std::string bytes = WriteAndRead(dir, FullProject());
    bytes.replace(0, 13, "xx SPIKA NP File v6");
    ASSERT_TRUE(ReadProjectFile(dir.write("text.snp", bytes), p).ok());
    EXPECT_EQ(p.Texts.Variant, 1);

    Project untouched = FullProject();
    bytes.replace(0, 19, "SPIKA NP Fil");
    const ProjectReadResult wrong = ReadProjectFile(dir.write("wrong.snp", bytes), untouched);
    EXPECT_TRUE(wrong.wrongType);
    EXPECT_EQ(wrong.error.Message, "Nesprávný typ souboru!!");
    EXPECT_EQ(untouched.Texts, FullProject().Texts);
}

TEST(ProjectFile, MissingFileIsAnErrorNamingIt) {
    TempDirectory dir;
    Project p;
    const ProjectReadResult result = ReadProjectFile(dir.file("none.snp"), p);
    EXPECT_FALSE(result.ok());
    EXPECT_FALSE(result.wrongType);
    EXPECT_NE(result.error.Message.find("none.snp"), std::string::npos);
}

TEST(ProjectFile, TruncatedAtEveryLineReadsWhatIsThereAndNeverFails) {
    TempDirectory dir;
    const std::vector<std::string> full =
        ReadTextFileLines((WriteAndRead(dir, FullProject()), dir.file("p.snp"))).lines;
    for (size_t count = 1; count <= full.size(); ++count) {
        const std::vector<std::string> head(full.begin(), full.begin() + static_cast<long>(count));
        Project p;
        const ProjectReadResult result = ReadProjectFile(dir.write("t.snp", JoinCrLf(head)), p);
        ASSERT_TRUE(result.ok()) << count << ": " << result.error.Message;
        if (count < full.size() - 1) {
            EXPECT_EQ(p.ChartTitle1, "Název grafu") << count;
        }
        if (count < 19) { // before the N = 100 line
            EXPECT_EQ(p.Texts.Edit[EditRain100], "") << count;
            EXPECT_FALSE(p.Filled.contains(4)) << count;
        }
        if (count < 6) {
            EXPECT_EQ(p.Texts.CatchmentType, -1);
        }
    }
    const ProjectReadResult empty = ReadProjectFile(dir.write("e.snp", ""), *std::make_unique<Project>());
    EXPECT_TRUE(empty.wrongType);
}

TEST(ProjectFile, DescriptionCountBeyondTheEndReadsTheRestAsDescription) {
    TempDirectory dir;
    Project p;
    ASSERT_TRUE(ReadProjectFile(dir.write("d.snp", "SPIKA NP File\r\n2000000000\r\na\r\nb\r\n"), p).ok());
    EXPECT_EQ(p.Texts.Description, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(p.Texts.Variant, -1);
}

TEST(ProjectFile, MalformedIntegerItemIsAnErrorNamingFileAndLineAndLeavesTheProject) {
    TempDirectory dir;
    std::vector<std::string> lines =
        ReadTextFileLines((WriteAndRead(dir, FullProject()), dir.file("p.snp"))).lines;
    struct Case {
        size_t line;
        std::string text;
    };
    for (const Case& c : {Case{1, "tři"}, Case{1, "-1"}, Case{5, ""}, Case{6, "3"}, Case{7, "1.5"},
                          Case{8, "6"}, Case{33, "x"}, Case{38, "ano"}}) {
        std::vector<std::string> damaged = lines;
        damaged[c.line] = c.text;
        Project p = FullProject();
        p.ChartTitle1 = "původní";
        const ProjectReadResult result = ReadProjectFile(dir.write("bad.snp", JoinCrLf(damaged)), p);
        EXPECT_FALSE(result.ok() || result.wrongType) << c.line;
        EXPECT_NE(result.error.Message.find("bad.snp\" na řádku " + std::to_string(c.line + 1)),
                  std::string::npos)
            << result.error.Message;
        EXPECT_EQ(p.ChartTitle1, "původní");
    }
}

TEST(ProjectFile, BinaryGarbageNeverCrashes) {
    TempDirectory dir;
    unsigned state = 12345;
    for (int round = 0; round < 50; ++round) {
        std::string bytes = round % 2 == 0 ? "SPIKA NP File\r\n" : "";
        for (int i = 0; i < 3000; ++i) {
            state = state * 1103515245u + 12345u;
            const char c = static_cast<char>(state >> 24);
            bytes += (state >> 8) % 5 == 0 ? '\n' : c;
        }
        Project p;
        const ProjectReadResult result = ReadProjectFile(dir.write("g.snp", bytes), p);
        if (round % 2 == 1) {
            EXPECT_FALSE(result.ok());
        }
    }
}

TEST(ProjectFile, LookupCellsAreCutToTheirWidthAndShortLinesLeaveCellsEmpty) {
    TempDirectory dir;
    std::vector<std::string> lines =
        ReadTextFileLines((WriteAndRead(dir, FullProject()), dir.file("p.snp"))).lines;
    lines[34] = "1234567890ABCDEF\tžluťoučký kůň"; // roughness, right, first column
    lines[44] = "ABCDEFGHIJ\tčeský kód";           // soil-unit groups, right
    Project p;
    ASSERT_TRUE(ReadProjectFile(dir.write("c.snp", JoinCrLf(lines)), p).ok());
    EXPECT_EQ(p.Lookup.RoughnessInputs[0][0][2], "1234567890AB");
    EXPECT_EQ(p.Lookup.RoughnessInputs[0][0][3], "žluťoučký ků");
    EXPECT_EQ(p.Lookup.RoughnessInputs[0][0][4], "");
    EXPECT_EQ(p.Lookup.RoughnessInputs[0][0][16], "");
    EXPECT_EQ(p.Lookup.SoilUnitGroups[0][3], "ABCDEFGH");
    EXPECT_EQ(p.Lookup.SoilUnitGroups[0][4], "český kó");
    EXPECT_EQ(p.Lookup.SoilUnitGroups[0][5], "");
}

// Lines of a Variant II file with N = 20 selected: item 10 (N = 20) and item
// 16 (the selected period) both hold an N = 20 text.
Project ReadWithRainLines(const TempDirectory& dir, int returnPeriodItem, const std::string& item10,
                          const std::string& item16) {
    std::vector<std::string> lines =
        ReadTextFileLines((WriteAndRead(dir, FullProject()), dir.file("p.snp"))).lines;
    lines[7] = std::to_string(returnPeriodItem);
    lines[11] = item10;
    lines[17] = item16;
    Project p;
    EXPECT_TRUE(ReadProjectFile(dir.write("r.snp", JoinCrLf(lines)), p).ok());
    return p;
}

TEST(ProjectFile, SelectedPeriodLineIsUsedOnlyWhereThePeriodHasNoLineOfItsOwn) {
    TempDirectory dir;
    Project p = ReadWithRainLines(dir, 3, "55", "60");
    EXPECT_EQ(p.Rainfall.Texts[3], "55");
    EXPECT_EQ(p.Texts.Edit[EditRainN], "55");
    p = ReadWithRainLines(dir, 3, "", "60");
    EXPECT_EQ(p.Rainfall.Texts[3], "60");
    EXPECT_EQ(p.Texts.Edit[EditRainN], "60");
    EXPECT_TRUE(p.Filled.contains(3));
    p = ReadWithRainLines(dir, 0, "55", "33"); // N = 2 is stored only as item 16
    EXPECT_EQ(p.Rainfall.Texts[0], "33");
    EXPECT_EQ(p.Texts.Edit[EditRainN], "33");
    p = ReadWithRainLines(dir, 5, "55", "99"); // N = 100 has its own line
    EXPECT_EQ(p.Rainfall.Texts[5], "88.8");
    EXPECT_EQ(p.Texts.Edit[EditRainN], "88.8");
    p = ReadWithRainLines(dir, -1, "55", "99"); // no period chosen
    EXPECT_EQ(p.Texts.Edit[EditRainN], "");
    EXPECT_FALSE(p.Filled.contains(2));
    EXPECT_FALSE(p.Filled.contains(3));
}

TEST(ProjectFile, FilledInputsFollowTheInputWindowRules) {
    TempDirectory dir;
    Project p = FullProject();
    p.Texts.Edit[5] = "0";    // not above zero
    p.Texts.Edit[11] = "abc"; // not a number
    p.Texts.Edit[13] = "9";   // hidden field: never a member
    p.Texts.CnTypeItemL = -1;
    WriteAndRead(dir, p);
    Project read;
    ASSERT_TRUE(ReadProjectFile(dir.file("p.snp"), read).ok());
    const FilledInputs& f = read.Filled;
    EXPECT_FALSE(f.contains(0));
    EXPECT_TRUE(f.contains(1));
    EXPECT_TRUE(f.contains(2));
    EXPECT_TRUE(f.contains(3));
    EXPECT_TRUE(f.contains(4));
    EXPECT_FALSE(f.contains(5)); // N = 10..50 count only in Variant I
    EXPECT_TRUE(f.contains(8));
    EXPECT_FALSE(f.contains(9));
    EXPECT_FALSE(f.contains(11));
    for (int member : {10, 12, 13, 14, 16, 17, 18, 19, 20, 21, 22}) {
        EXPECT_TRUE(f.contains(member)) << member;
    }
    EXPECT_FALSE(f.contains(15));
    EXPECT_FALSE(f.contains(23));
}

TEST(ProjectFile, VariantOneShowsTheFiveRainfallsAndCountsThem) {
    TempDirectory dir;
    Project p = FullProject();
    p.Texts.Variant = 0;
    p.Rainfall.Texts[3] = "";
    WriteAndRead(dir, p);
    Project read;
    ASSERT_TRUE(ReadProjectFile(dir.file("p.snp"), read).ok());
    EXPECT_EQ(read.Texts.Edit[EditRainN], "41.5");
    EXPECT_EQ(read.Texts.Edit[EditRain10], "52");
    EXPECT_EQ(read.Texts.Edit[EditRain50], "75");
    EXPECT_TRUE(read.Filled.contains(3));
    EXPECT_TRUE(read.Filled.contains(5));
    // N = 20 was empty: item 16 (the selected N = 20) is empty as well.
    EXPECT_FALSE(read.Filled.contains(6));
    EXPECT_TRUE(read.Filled.contains(7));
}

TEST(ProjectFile, RainfallForTenToFiftyYearsCountsWithAnyTextAsInTheWindow) {
    TempDirectory dir;
    Project p = FullProject();
    p.Texts.Variant = 0;
    p.Rainfall.Texts[2] = "0";
    p.Rainfall.Texts[1] = "0";
    WriteAndRead(dir, p);
    Project read;
    ASSERT_TRUE(ReadProjectFile(dir.file("p.snp"), read).ok());
    EXPECT_TRUE(read.Filled.contains(5));  // N = 10: the key-filtered field counts any text
    EXPECT_FALSE(read.Filled.contains(3)); // N = 5: a number greater than 0 is needed
}

TEST(ProjectFile, FailedWriteReportsTheFileAndKeepsTheOldOne) {
    TempDirectory dir;
    EXPECT_NE(WriteProjectFile(dir.file("missing/p.snp"), FullProject()).Message.find("p.snp"),
              std::string::npos);
    const std::string old = WriteAndRead(dir, FullProject());
    std::filesystem::create_directory(dir.file("p.snp.tmp~")); // the temporary cannot be created
    EXPECT_NE(WriteProjectFile(dir.file("p.snp"), Project{}).Message, "");
    EXPECT_EQ(ReadBytes(dir.file("p.snp")), old);
}

TEST(ProjectFile, IdentificationFollowsTheChartTitlesOnlyWhenThereIsOne) {
    TempDirectory dir;
    // Files that never had an identification come back byte for byte.
    for (const char* example : {"variant1-two-slopes.snp", "variant2-one-slope.snp", "no-runoff.snp"}) {
        const std::string path = std::string(HYDRIM_SOURCE_DIR "/examples/") + example;
        Project read;
        read.Texts.Edit[2] = "z minulého projektu";
        ASSERT_TRUE(ReadProjectFile(path, read).ok()) << example;
        EXPECT_EQ(read.Texts.Edit[2], "") << example;
        ASSERT_EQ(WriteProjectFile(dir.file("copy.snp"), read).Message, "");
        EXPECT_EQ(ReadBytes(dir.file("copy.snp")), ReadBytes(path)) << example;
    }

    Project p = FullProject();
    const size_t plainLines = ProjectFileLines(p).size();
    p.Texts.Edit[1] = "1-04-02-017";
    p.Texts.Edit[3] = "nad soutokem " + CzechLetters;
    p.Texts.Edit[4] = "Horní Ves";
    const std::vector<std::string> lines = ReadTextFileLines((WriteAndRead(dir, p), dir.file("p.snp"))).lines;
    ASSERT_EQ(lines.size(), plainLines + 5);
    EXPECT_EQ(lines[plainLines - 1], ""); // ChartTitle2 stays where it was
    EXPECT_EQ(lines[plainLines], "Informace o povodí");
    Project read;
    ASSERT_TRUE(ReadProjectFile(dir.file("p.snp"), read).ok());
    EXPECT_EQ(read.Texts, p.Texts);
    EXPECT_EQ(read.ChartTitle2, "");

    // A block cut short leaves the missing texts empty.
    const std::vector<std::string> head(lines.begin(), lines.end() - 2);
    ASSERT_TRUE(ReadProjectFile(dir.write("cut.snp", JoinCrLf(head)), read).ok());
    EXPECT_EQ(read.Texts.Edit[1], "1-04-02-017");
    EXPECT_EQ(read.Texts.Edit[2], "");
    EXPECT_EQ(read.Texts.Edit[4], "");
}

TEST(ProjectFile, RoughnessClassesFollowAllThatReadersOfTheOldLayoutRead) {
    TempDirectory dir;
    Project p = FullProject();
    p.Texts.Edit[1] = "1-04-02-017";
    const std::vector<std::string> before = ProjectFileLines(p);
    p.Lookup.RoughnessClasses[0][2] = "Les;1!5-40";
    p.Lookup.RoughnessClasses[0][16] = "Orná půda;14!2-40";
    p.Lookup.RoughnessClasses[1][3] = "Les;2!1-3";
    const std::vector<std::string> lines = ReadTextFileLines((WriteAndRead(dir, p), dir.file("p.snp"))).lines;
    // A reader of the old layout stops after the identification block: it
    // reads the file it always read, the entries by row included.
    ASSERT_EQ(lines.size(), before.size() + 3);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + static_cast<long>(before.size())),
              before);
    EXPECT_EQ(lines[before.size()], RoughnessClassMarker);
    Project read;
    ASSERT_TRUE(ReadProjectFile(dir.file("p.snp"), read).ok());
    EXPECT_EQ(read.Lookup.RoughnessClasses, p.Lookup.RoughnessClasses);
    EXPECT_EQ(read.Lookup.RoughnessInputs, p.Lookup.RoughnessInputs);
    EXPECT_EQ(read.Texts, p.Texts);

    // Without an identification the block follows the chart titles, where
    // such a reader looks for an identification and finds none.
    p.Texts.Edit[1].clear();
    const std::vector<std::string> plain = ProjectFileLines(p);
    EXPECT_EQ(plain[before.size() - 5], RoughnessClassMarker);
    ASSERT_TRUE(ParseProjectLines(plain, "p.snp", read).ok());
    EXPECT_EQ(read.Texts.Edit[1], "");
    EXPECT_EQ(read.Lookup.RoughnessClasses, p.Lookup.RoughnessClasses);

    // A file of before names no class, whatever the project read before it held.
    ASSERT_TRUE(ReadProjectFile(HYDRIM_SOURCE_DIR "/examples/variant1-two-slopes.snp", read).ok());
    EXPECT_EQ(read.Lookup.RoughnessClasses, LookupState().RoughnessClasses);
}

} // namespace
} // namespace hydrim
