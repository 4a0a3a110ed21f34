// The facade the front ends use: loading, computing and the result grids of
// the example projects, and each way a project can fail to load.
#include "core/Engine.h"

#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <string>

namespace hydrim {
namespace {

const std::string Source = HYDRIM_SOURCE_DIR;
const std::string Data = Source + "/DATA";

std::string Example(const std::string& name) {
    return Source + "/examples/" + name;
}

TEST(Engine, VariantIGivesItsEightGridsAndFiveSeries) {
    const Computation computation = LoadAndCompute(Example("variant1-two-slopes.snp"), Data);
    ASSERT_TRUE(computation.hasResults()) << computation.LoadError.Message << computation.Outcome.message;
    Error error;
    const std::vector<ResultGrid> grids = ResultGrids(*computation.State, Data, error);
    EXPECT_FALSE(error) << error.Message;
    ASSERT_EQ(grids.size(), 8u);
    EXPECT_EQ(grids.front().SheetName, "Vstup");
    EXPECT_EQ(grids.back().SheetName, "Výstup Povodí");
    for (int i = 1; i <= 5; ++i) {
        EXPECT_TRUE(HydrographSeries(*computation.State, i).Flows.TwoSlopes);
    }
}

TEST(Engine, VariantIIIOneSlopeGivesOneGrid) {
    const Computation computation = LoadAndCompute(Example("variant3-one-slope.snp"), Data);
    ASSERT_TRUE(computation.hasResults());
    EXPECT_EQ(Variant23Number(computation.State->CurrentProject.Texts), 3);
    EXPECT_FALSE(HasTwoSlopes(computation.State->CurrentProject.Texts));
    Error error;
    const std::vector<ResultGrid> grids = ResultGrids(*computation.State, Data, error);
    ASSERT_EQ(grids.size(), 1u);
    EXPECT_EQ(grids.front().SheetName, "Výstup");
    EXPECT_FALSE(HydrographSeries(*computation.State, 1).Flows.TwoSlopes);
}

TEST(Engine, NoRunoffIsAnAnswerWithoutResults) {
    const Computation computation = LoadAndCompute(Example("no-runoff.snp"), Data);
    EXPECT_FALSE(computation.LoadError);
    EXPECT_EQ(computation.Outcome.status, ComputeOutcome::Status::NoRunoff);
    EXPECT_FALSE(computation.Outcome.message.empty());
    EXPECT_FALSE(computation.hasResults());
}

TEST(Engine, LoadErrorsNameWhatIsMissing) {
    test::TempDirectory dir;
    const Computation missingProject = LoadAndCompute(dir.file("chybi.snp"), Data);
    EXPECT_TRUE(missingProject.LoadError);
    EXPECT_NE(missingProject.LoadError.Message.find("chybi.snp"), std::string::npos);

    const Computation missingTable = LoadAndCompute(Example("variant1-one-slope.snp"), dir.path());
    EXPECT_TRUE(missingTable.LoadError);
    EXPECT_NE(missingTable.LoadError.Message.find("par.tab"), std::string::npos);
    EXPECT_FALSE(missingTable.hasResults());

    const Computation notAProject = LoadAndCompute(dir.write("text.snp", "jen text\r\n"), Data);
    EXPECT_TRUE(notAProject.LoadError);
}

TEST(Engine, MissingLayoutFilesLeaveTheGridsWithoutTextsAndSaySo) {
    const Computation computation = LoadAndCompute(Example("variant2-one-slope.snp"), Data);
    ASSERT_TRUE(computation.hasResults());
    test::TempDirectory empty;
    Error error;
    const std::vector<ResultGrid> grids = ResultGrids(*computation.State, empty.path(), error);
    EXPECT_TRUE(error);
    EXPECT_EQ(grids.size(), 1u);
}

} // namespace
} // namespace hydrim
