// What the input window does with a project file it opens: values it would
// not accept are corrected or refused and listed, damaged files say what
// they lacked, and Variant I rainfall that falls as N grows is warned of.
#include "support/TempDirectory.h"

#include "core/project/InputCheck.h"
#include "core/project/OpeningCheck.h"
#include "core/project/ProjectFile.h"
#include "core/project/RainfallOrder.h"
#include "core/project/TextCodec.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace hydrim {
namespace {

using test::TempDirectory;

const std::string Examples = std::string(HYDRIM_SOURCE_DIR) + "/examples";

Project Example(const std::string& name) {
    Project project;
    EXPECT_TRUE(ReadProjectFile(Examples + "/" + name, project).ok()) << name;
    return project;
}

TEST(OpeningCheck, OrdinaryProjectsOpenUnchanged) {
    for (const auto& entry : std::filesystem::directory_iterator(Examples)) {
        if (entry.path().extension() != ".snp") {
            continue;
        }
        Project project = Example(entry.path().filename().string());
        const Project before = project;
        EXPECT_EQ(CorrectOpenedProject(project), std::vector<ValueCorrection>{}) << entry.path();
        EXPECT_EQ(project.Texts, before.Texts);
        EXPECT_EQ(project.Rainfall.Texts, before.Rainfall.Texts);
    }
}

// The file the command line refuses: CN 120, H1d10 = 9999999, gradient -5,
// roughness 1e400, area nan. The window corrects or refuses each, and says so.
TEST(OpeningCheck, ValuesTheWindowWouldNotTakeAreCorrectedOrRefusedAndListed) {
    TempDirectory dir;
    Project written = Example("variant1-one-slope.snp");
    written.Rainfall.Texts[2] = "9999999";
    written.Texts.Edit[EditCnL] = "120";
    written.Texts.Edit[EditSlopeL] = "-5";
    written.Texts.Edit[EditRoughnessL] = "1e400";
    written.Texts.Edit[EditAreaL] = "nan";
    ASSERT_EQ(WriteProjectFile(dir.file("bad.snp"), written).Message, "");
    Project project;
    ASSERT_TRUE(ReadProjectFile(dir.file("bad.snp"), project).ok());
    ASSERT_GE(CheckInputs(project).size(), 5u); // the command line refuses the file

    const std::vector<ValueCorrection> corrections = CorrectOpenedProject(project);
    const std::string rain10 = "1-denní maximální srážkový úhrn pro N = 10 [mm]";
    const std::string rain100 = "1-denní maximální srážkový úhrn pro N = 100 [mm]";
    EXPECT_EQ(corrections, (std::vector<ValueCorrection>{{rain10, "9999999", "500"},
                                                         {rain100, written.Rainfall.Texts[5], "500"},
                                                         {"Plocha svahu [km²]", "nan", ""},
                                                         {"Sklon svahu [%]", "-5", ""},
                                                         {"Drsnost γ [s]", "1e400", ""},
                                                         {"Číslo CN křivky [40-100]", "120", "100"}}));
    EXPECT_EQ(project.Texts.Edit[EditRain10], "500");
    EXPECT_EQ(project.Texts.Edit[EditSlopeL], "");
    EXPECT_EQ(project.Texts.Edit[EditCnL], "100");
    EXPECT_FALSE(project.Filled.contains(9));    // the refused gradient is not filled
    EXPECT_EQ(project.Rainfall.Texts[5], "500"); // raised to N = 10 as leaving the field would
    for (const std::string& problem : CheckInputs(project)) {
        EXPECT_NE(problem.find("není vyplněno"), std::string::npos) << problem;
    }
    const std::string notice = CorrectionsNotice(corrections);
    EXPECT_NE(notice.find("Číslo CN křivky [40-100]: načteno \"120\", použito \"100\"."), std::string::npos);
    EXPECT_NE(notice.find("Sklon svahu [%]: načteno \"-5\", hodnota odmítnuta"), std::string::npos);
}

TEST(OpeningCheck, TwoSlopesGetTheLeftDurationAndPartMinutesAreRefused) {
    Project project = Example("variant2-two-slopes.snp");
    project.Texts.Edit[EditDurationR] = "45";
    project.Texts.Edit[EditDurationL] = "20.5";
    const std::vector<ValueCorrection> corrections = CorrectOpenedProject(project);
    ASSERT_EQ(corrections.size(), 1u);
    EXPECT_EQ(corrections[0].Read, "20.5");
    EXPECT_EQ(corrections[0].Used, "");
    EXPECT_EQ(project.Texts.Edit[EditDurationR], "45"); // nothing to agree with

    project.Texts.Edit[EditDurationL] = "400";
    const std::vector<ValueCorrection> again = CorrectOpenedProject(project);
    ASSERT_EQ(again.size(), 2u);
    EXPECT_EQ(again[0].Used, "300");
    EXPECT_EQ(again[1], (ValueCorrection{"Doba trvání deště [min] (pravý svah)", "45", "300"}));
}

TEST(ProjectFileDamage, AFileThatEndsEarlyNamesTheItemsItLacked) {
    TempDirectory dir;
    const std::string bytes = test::ReadBytes(Examples + "/variant1-two-slopes.snp");
    Project header;
    const ProjectReadResult cut = ReadProjectFile(dir.write("h.snp", "SPIKA NP File\r\n"), header);
    ASSERT_TRUE(cut.ok());
    ASSERT_GE(cut.missingItems.size(), 3u);
    EXPECT_EQ(cut.missingItems[0], "počet řádků popisu projektu");
    EXPECT_EQ(cut.missingItems.back(), "plochy druhů pozemků");
    const std::string notice = MissingItemsNotice(cut, "h.snp");
    EXPECT_NE(notice.find("typ povodí, varianta"), std::string::npos) << notice;

    Project at200;
    const ProjectReadResult short200 = ReadProjectFile(dir.write("s.snp", bytes.substr(0, 200)), at200);
    ASSERT_TRUE(short200.ok());
    EXPECT_FALSE(short200.missingItems.empty());
    EXPECT_EQ(short200.missingItems.back(), "plochy druhů pozemků");

    Project whole;
    EXPECT_EQ(ReadProjectFile(Examples + "/variant1-two-slopes.snp", whole).missingItems,
              std::vector<std::string>{});
    EXPECT_EQ(MissingItemsNotice(ProjectReadResult{}, "x.snp"), "");
}

TEST(ProjectFileDamage, AnOffendingLineIsQuotedShortAndPrintable) {
    TempDirectory dir;
    std::string garbage = "SPIKA NP File\r\n0\r\n";
    garbage += std::string("\x01\x02\x1b[2J") + std::string(200, 'x') + "\r\n";
    Project project;
    const ProjectReadResult read = ReadProjectFile(dir.write("g.snp", garbage), project);
    ASSERT_FALSE(read.ok());
    EXPECT_FALSE(read.wrongType);
    const std::string& message = read.error.Message;
    EXPECT_NE(message.find("\"???[2Jxxx"), std::string::npos) << message;
    EXPECT_NE(message.find("…\" není celé číslo."), std::string::npos) << message;
    EXPECT_EQ(message.find('\x1b'), std::string::npos);
    EXPECT_LT(message.size(), 200u);
}

TEST(RainfallOrder, RainThatFallsAsNGrowsIsWarnedOfInVariantIOnly) {
    std::array<std::string, 27> edit;
    edit[EditRainN] = "75";
    edit[EditRain10] = "50";
    const std::string warning = FallingRainfallWarning(edit, 0, EditRain10);
    EXPECT_NE(warning.find("N = 10 let (50 mm) je menší než pro N = 5 let (75 mm)"), std::string::npos)
        << warning;
    EXPECT_EQ(FallingRainfallWarning(edit, 0, EditRainN), warning);
    EXPECT_EQ(FallingRainfallWarning(edit, 0, EditRain50), ""); // not about the field left
    EXPECT_EQ(FallingRainfallWarning(edit, 1, EditRain10), "");
    edit[EditRain10] = "80";
    EXPECT_EQ(FallingRainfallWarning(edit, 0, EditRain10), "");
}

} // namespace
} // namespace hydrim
