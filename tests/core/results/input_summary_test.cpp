#include "support/TempDirectory.h"

#include "core/project/TextCodec.h"
#include "core/results/InputSummary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace hydrim {
namespace {

bool HasNote(const InputBlock& block, const std::string& text) {
    return std::any_of(block.Notes.begin(), block.Notes.end(),
                       [&text](const std::string& note) { return note.find(text) != std::string::npos; });
}

TEST(InputSummary, LookupEntriesNameTheirRowsAreasAndWeightedResults) {
    Project p;
    p.Texts.CatchmentType = 1;
    p.Texts.Variant = 0;
    p.Texts.CnTypeItemR = 2;
    p.Texts.Edit[EditRain50] = "82";
    p.Texts.Edit[1] = " 4-16-01 ";
    // Left slope (index 1): roughness of two surface classes and soil groups by area.
    p.Lookup.RoughnessInputs[1][0][3] = "10";
    p.Lookup.RoughnessInputs[1][1][3] = "1";
    p.Lookup.RoughnessInputs[1][0][5] = "20";
    p.Lookup.RoughnessInputs[1][1][5] = "3";
    p.Lookup.LeftSoilGroupByFiltration = true;
    p.Lookup.SoilGroupAreas[1][3] = "1"; // B
    p.Lookup.LandUseAreas[1][4] = "0.5";
    // Right slope (index 0): soil units.
    p.Lookup.RightSoilGroupByFiltration = false;
    p.Lookup.SoilUnitAreas[0][3] = "2";
    p.Lookup.SoilUnitGroups[0][3] = "C";
    LookupRowNames names;
    names.Roughness = {"", "", "", "trávník", "", "les"};
    names.LandUse = {"", "", "", "", "orná půda, řádkové plodiny"};
    names.SoilUnit = {"", "", "", "HPJ 01"};

    const std::vector<InputBlock> blocks = SummarizeInputs(p, names);
    ASSERT_EQ(blocks.size(), 4u);
    EXPECT_EQ(blocks[1].Lines[5].Label, "1-denní maximální srážkový úhrn pro N = 50 let");
    EXPECT_EQ(blocks[1].Lines[5].Value, "82");
    EXPECT_EQ(blocks[1].Lines[6].Value, "–"); // N = 100 left empty
    const InputBlock& left = blocks[2];
    EXPECT_EQ(left.Heading, "Levý svah");
    EXPECT_TRUE(HasNote(left, "(γ = 17.50 s)")); // (10·1 + 20·3) / 4
    EXPECT_TRUE(HasNote(left, "trávník: γ 10, plocha 1 km²"));
    EXPECT_TRUE(HasNote(left, "(vychází skupina B)"));
    EXPECT_TRUE(HasNote(left, "orná půda, řádkové plodiny: plocha 0.5 km²"));
    const InputBlock& right = blocks[3];
    EXPECT_EQ(right.Lines[3].Value, "3"); // curve type 3
    EXPECT_TRUE(HasNote(right, "HPJ 01: skupina C, plocha 2 km²"));
    EXPECT_TRUE(HasNote(right, "(vychází skupina C)"));
    EXPECT_EQ(blocks[0].Lines[1].Value, "Varianta I");

    const std::vector<InputLine> identification = IdentificationLines(p.Texts);
    ASSERT_EQ(identification.size(), 4u);
    EXPECT_EQ(identification[0].Value, "4-16-01");
    EXPECT_EQ(identification[3].Label, "Lokalita");
    EXPECT_EQ(identification[3].Value, "–");
}

TEST(InputSummary, WithoutLookupEntriesTheValuesWereTypedAndNamesComeFromTheData) {
    Project p;
    p.Texts.CatchmentType = 0;
    p.Texts.Variant = 1;
    p.Texts.ReturnPeriodItem = 3;
    const std::vector<InputBlock> blocks = SummarizeInputs(p, ReadLookupRowNames(HYDRIM_SOURCE_DIR "/DATA"));
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[1].Lines[2].Value, "20");
    EXPECT_EQ(blocks[2].Heading, "Svah");
    EXPECT_EQ(blocks[2].Notes, std::vector<std::string>{"Hodnoty zadány přímo, bez pomocných tabulek."});
    const LookupRowNames names = ReadLookupRowNames(HYDRIM_SOURCE_DIR "/DATA");
    ASSERT_GT(names.LandUse.size(), 3u);
    EXPECT_EQ(names.LandUse[2], "Úhor, holá půda");
    EXPECT_EQ(names.LandUse[3], "Úhor, Pz, Šp"); // the kind named on the row above
    const std::vector<std::string> missing = ReadLookupRowNames("/nonexistent").LandUse;
    EXPECT_TRUE(
        std::all_of(missing.begin(), missing.end(), [](const std::string& name) { return name.empty(); }));
}

TEST(InputSummary, RoughnessEntriesAreNamedByTheirWholeClass) {
    test::TempDirectory data;
    data.write("Gama.tab", JoinCrLf({"Drsnost g:podle povrchu;!", "Povrch;Třída!g", "Les;jehličnatý!20-40",
                                     ";listnatý!15-35"}));
    const LookupRowNames names = ReadLookupRowNames(data.path());
    ASSERT_GT(names.Roughness.size(), 3u);
    EXPECT_EQ(names.Roughness[3], "Les, třída listnatý, rozsah 15-35"); // not "řádek 3"
    Project p;
    p.Lookup.RoughnessInputs[1][0][3] = "20";
    p.Lookup.RoughnessInputs[1][1][3] = "1.5";
    EXPECT_TRUE(
        HasNote(SummarizeInputs(p, names)[2], "  Les, třída listnatý, rozsah 15-35: γ 20, plocha 1.5 km²"));
}

// The station inserted from the rainfall table is named while the project
// holds its depths; a depth typed over them makes the depths the user's.
TEST(InputSummary, RainfallSourceNamesTheStationWhoseDepthsTheProjectHolds) {
    const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "rainfall-source";
    std::filesystem::create_directories(dir);
    ASSERT_FALSE(WriteFileAtomically((dir / "srazky.tab").string(),
                                     JoinCrLf({"Č.\tStanice\t2\t5\t10\t20\t\t50\t\t\t100\t",
                                               "1\tTřešť\t40.0\t61\t70\t82\t\t92\t\t\t105\t"})));
    const LookupRowNames names = ReadLookupRowNames(dir.string());
    Project p;
    p.Texts.CatchmentType = 0;
    p.Texts.Variant = 1;
    p.Texts.ReturnPeriodItem = 2; // N = 10 years: value column 3
    p.Lookup.RainfallStationRow = 1;
    p.Texts.Edit[EditRainN] = "70";
    p.Texts.Edit[EditRain100] = "105.0";
    EXPECT_EQ(RainfallSource(p, names), "Třešť");
    EXPECT_EQ(SummarizeInputs(p, names)[1].Lines.back().Value, "Třešť");
    p.Texts.Edit[EditRainN] = "71";
    EXPECT_EQ(RainfallSource(p, names), "zadáno uživatelem");
    p.Texts.Variant = 0; // N = 5 ... 100 years: columns 2, 3, 4, 6, 9
    for (const auto& [field, depth] : {std::pair{EditRainN, "61"},
                                       {EditRain10, "70"},
                                       {EditRain20, "82"},
                                       {EditRain50, "92"},
                                       {EditRain100, "105"}}) {
        p.Texts.Edit[field] = depth;
    }
    EXPECT_EQ(RainfallSource(p, names), "Třešť");
    p.Texts.Variant = 2; // Variant III uses no 1-day rainfall
    EXPECT_EQ(RainfallSource(p, names), "");
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace hydrim
