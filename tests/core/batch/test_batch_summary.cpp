// The summary rows of a batch: a warning of the results marks the rows of
// its return period (or every row when it names none), and the runner hands
// results back in input order whatever the jobs, stopping cleanly.
#include "core/batch/BatchRunner.h"
#include "core/batch/BatchSummary.h"
#include "core/project/TextCodec.h"
#include "core/reference/ParTableFile.h"

#include <gtest/gtest.h>

namespace hydrim {
namespace {

CatchmentOutcome ComputedExample(const std::string& name) {
    ParTable par;
    EXPECT_EQ(ReadParTable(JoinPath(HYDRIM_SOURCE_DIR "/DATA", ParTableFileName), par).Message, "");
    BatchItem item;
    item.Source = item.ProjectFile = JoinPath(HYDRIM_SOURCE_DIR "/examples", name);
    return ComputeCatchment(item, par);
}

TEST(BatchSummary, AWarningMarksTheRowsItHoldsFor) {
    CatchmentOutcome outcome = ComputedExample("variant1-two-slopes.snp");
    ASSERT_TRUE(outcome.Result.hasResults());
    Warnings& warnings = outcome.Result.State->Warnings;
    warnings.clear();
    warnings.push_back({"test", "Hydrogram nenese celý objem.", WarningSubject::Catchment, 10});
    warnings.push_back({"test", "Vstupy mimo obvyklý rozsah.", WarningSubject::None, 0});
    const std::vector<SummaryRow> rows = SummaryRows(outcome);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[1].ReturnPeriod, 10);
    EXPECT_EQ(rows[1].Status, RowStatus::Warning);
    EXPECT_EQ(rows[1].Message, "Hydrogram nenese celý objem. Vstupy mimo obvyklý rozsah.");
    EXPECT_EQ(rows[0].Status, RowStatus::Warning);
    EXPECT_EQ(rows[0].Message, "Vstupy mimo obvyklý rozsah.");
    EXPECT_EQ(SummaryCells(rows[1], true)[5], "warning");
    // A note joins the message after its label and leaves the status.
    warnings = {{"test", "Návrhový déšť je omezen.", WarningSubject::LeftSlope, 0, WarningSeverity::Note}};
    const std::vector<SummaryRow> noted = SummaryRows(outcome);
    EXPECT_EQ(noted[2].Status, RowStatus::Ok);
    EXPECT_EQ(noted[2].Message, "Poznámka: Návrhový déšť je omezen.");

    CatchmentOutcome single = ComputedExample("variant2-one-slope.snp");
    single.Result.State->Warnings = {{"test", "Déšť přes 1 den.", WarningSubject::LeftSlope, 50}};
    const std::vector<SummaryRow> one = SummaryRows(single);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].Status, RowStatus::Warning);
    // One slope: no right-slope values; the catchment's are there.
    EXPECT_FALSE(one[0].Values[static_cast<size_t>(SummaryValue::PeakR)]);
    EXPECT_TRUE(one[0].Values[static_cast<size_t>(SummaryValue::PeakC)]);
}

TEST(BatchRunner, DeliversInInputOrderAndStopsCleanly) {
    std::atomic<bool> stop{false};
    std::vector<size_t> seen;
    const size_t done = RunInOrder<size_t>(
        1000, 4, [](size_t i) { return i * i; },
        [&](size_t index, size_t&& square) {
            EXPECT_EQ(square, index * index);
            seen.push_back(index);
            if (seen.size() == 100) {
                stop = true;
            }
        },
        stop);
    EXPECT_GE(done, 100u);
    EXPECT_LT(done, 1000u);
    ASSERT_EQ(seen.size(), done);
    for (size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i], i);
    }
    stop = false;
    EXPECT_EQ(RunInOrder<size_t>(
                  50, 3, [](size_t i) { return i; }, [](size_t, size_t&&) {}, stop),
              50u);
}

} // namespace
} // namespace hydrim
