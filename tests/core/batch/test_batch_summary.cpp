// The summary rows of a batch: a warning of the results marks the rows of
// its return period (or every row when it names none), the columns are named
// as the result tables name them with volumes in the tables' unit, a refused
// input names its field and value, and the runner hands results back in
// input order whatever the jobs, stopping cleanly.
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
    EXPECT_EQ(SummaryCells(rows[1], true)[3], "I");
    EXPECT_EQ(SummaryCells(rows[1], true)[5], "upozornění");
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

TEST(BatchSummary, ColumnsReadAsTheTablesAndVolumesAreInTheirUnitExactly) {
    const std::vector<std::string> headers = SummaryColumnHeaders();
    ASSERT_EQ(headers.size(), SummaryTextColumns + SummaryValueCount);
    EXPECT_EQ(std::vector<std::string>(headers.begin(), headers.begin() + 7),
              (std::vector<std::string>{"ID", "Název", "Zdroj", "Varianta", "N [roky]", "Stav", "Zpráva"}));
    const auto header = [&](SummaryValue v) { return headers[SummaryTextColumns + static_cast<size_t>(v)]; };
    EXPECT_EQ(header(SummaryValue::CriticalDurationL), "tsk L [min]");
    EXPECT_EQ(header(SummaryValue::PeakC), "Qmax [m³.s⁻¹]");
    EXPECT_EQ(header(SummaryValue::VolumeR), "W P [10³.m³]");

    SummaryRow row;
    row.Variant = 3;
    row.Status = RowStatus::NoRunoff;
    const auto put = [&](SummaryValue v, double value) { row.Values[static_cast<size_t>(v)] = value; };
    put(SummaryValue::VolumeL, 4645.5);
    put(SummaryValue::VolumeR, 12);
    put(SummaryValue::VolumeC, 1234567.25);
    put(SummaryValue::PeakC, 1.5);
    const std::vector<std::string> cells = SummaryCells(row, true);
    const auto cell = [&](SummaryValue v) { return cells[SummaryTextColumns + static_cast<size_t>(v)]; };
    EXPECT_EQ(cells[3], "III");
    EXPECT_EQ(cells[5], "bez odtoku");
    EXPECT_EQ(cell(SummaryValue::VolumeL), "4,6455");
    EXPECT_EQ(cell(SummaryValue::VolumeR), "0,012");
    EXPECT_EQ(cell(SummaryValue::VolumeC), "1234,56725");
    EXPECT_EQ(cell(SummaryValue::PeakC), "1,5");
    EXPECT_EQ(SummaryCells(PartialRow(3, 7), false)[5], "přerušeno");
}

TEST(BatchSummary, ARefusedInputNamesItsFieldAndValue) {
    ParTable par;
    ASSERT_EQ(ReadParTable(JoinPath(HYDRIM_SOURCE_DIR "/DATA", ParTableFileName), par).Message, "");
    const BatchInputs inputs = CollectBatchInputs({HYDRIM_SOURCE_DIR "/examples/catchments.csv"});
    ASSERT_EQ(inputs.Items.size(), 22u);
    // K22: a curve number below the range; the column and the text of the table.
    const std::vector<SummaryRow> rows = SummaryRows(ComputeCatchment(inputs.Items.back(), par));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Status, RowStatus::Invalid);
    EXPECT_EQ(rows[0].Refused.Field, "CN_L");
    EXPECT_EQ(rows[0].Refused.Value, "35");
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
