#include "support/TempDirectory.h"

#include "core/project/TextCodec.h"
#include "core/results/InputSummary.h"

#include <gtest/gtest.h>

#include <algorithm>

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

} // namespace
} // namespace hydrim
