// Whole result sheets of the example projects against golden texts that were
// checked by hand once (peaks against 16.67 · intensity · area, volumes
// against 1000 · area · runoff depth, the power of ten in the unit cells).
// Set HYDRIM_UPDATE_GOLDEN=1 to rewrite them after an intended change.
#include "core/hydrology/Compute.h"
#include "core/project/ProjectFile.h"
#include "core/reference/ParTableFile.h"
#include "core/results/ResultTable.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace hydrim {
namespace {

const std::string SourceDir = HYDRIM_SOURCE_DIR;

std::string SheetsOf(const std::string& example, char separator) {
    auto state = std::make_unique<AppState>();
    const ProjectReadResult read =
        ReadProjectFile(SourceDir + "/examples/" + example + ".snp", state->CurrentProject);
    EXPECT_TRUE(read.ok()) << example;
    EXPECT_EQ(ReadParTable(SourceDir + "/DATA/par.tab", state->Par).Message, "");
    const ComputeOutcome outcome = ComputeProject(*state);
    EXPECT_TRUE(outcome.ok()) << outcome.message;
    std::string text;
    if (state->LastResultVariantI) {
        for (const ResultGrid& grid :
             BuildVariantITables(*state, ReadVariantILayouts(SourceDir + "/DATA"), separator)) {
            text += "== " + grid.Title + " ==\n" + GridAsText(grid);
        }
    } else {
        const int variant = state->CurrentProject.Texts.Variant == 2 ? 3 : 2;
        const ResultGrid grid =
            BuildVariant23Table(*state, ReadVariant23Layout(SourceDir + "/DATA", variant), variant,
                                state->CurrentProject.Texts.CatchmentType > 0, separator);
        text +=
            "== " + grid.Title + " ==\n" + GridAsText(grid) + "== Kopíruj tabulku ==\n" + CopyTableText(grid);
    }
    return text;
}

void ExpectGolden(const std::string& name, const std::string& actual) {
    const std::string path = SourceDir + "/tests/core/results/golden/" + name + ".txt";
    if (std::getenv("HYDRIM_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file) << "missing golden file " << path;
    std::stringstream expected;
    expected << file.rdbuf();
    EXPECT_EQ(expected.str(), actual) << "sheets of " << name << " differ from " << path;
}

class ExampleSheets : public ::testing::TestWithParam<const char*> {};

TEST_P(ExampleSheets, MatchTheCheckedTexts) {
    ExpectGolden(GetParam(), SheetsOf(GetParam(), '.'));
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleSheets,
                         ::testing::Values("variant1-one-slope", "variant1-two-slopes", "variant2-one-slope",
                                           "variant2-two-slopes", "variant3-one-slope",
                                           "variant3-two-slopes"),
                         [](const auto& info) {
                             std::string name = info.param;
                             for (char& c : name) {
                                 c = c == '-' ? '_' : c;
                             }
                             return name;
                         });

TEST(ExampleSheetsWithComma, OnlyTheSeparatorChanges) {
    std::string withPoint = SheetsOf("variant2-two-slopes", '.');
    const std::string withComma = SheetsOf("variant2-two-slopes", ',');
    ASSERT_EQ(withPoint.size(), withComma.size());
    size_t changed = 0;
    for (size_t k = 0; k < withPoint.size(); ++k) {
        if (withPoint[k] != withComma[k]) {
            EXPECT_EQ(withPoint[k], '.');
            EXPECT_EQ(withComma[k], ',');
            ++changed;
        }
    }
    EXPECT_GT(changed, 20u);
}

} // namespace
} // namespace hydrim
