// The workbook of a batch summary read back: headers as the result tables
// write them (Czech names, lowered indices, raised exponents), volumes in the
// tables' unit, the refused field and value on "Chyby", and both sheets
// printing one page wide.
#include "core/batch/BatchSummary.h"
#include "export/SummaryWorkbook.h"

#include "support/TempDirectory.h"
#include "test_workbook_support.h"

#include <gtest/gtest.h>

namespace hydrim {
namespace {

using test::CellNumber;
using test::CellXml;
using test::ZipPart;

// The text of a cell, with its runs (rows are streamed: strings are inline).
std::string CellText(const std::string& sheet, const std::string& ref) {
    const std::string cell = CellXml(sheet, ref);
    const size_t start = cell.find("<is>");
    return start == std::string::npos ? std::string() : cell.substr(start, cell.find("</is>") - start);
}

TEST(SummaryWorkbook, ReadsAsTheTablesAndNamesTheRefusedValue) {
    ParTable par;
    ASSERT_EQ(ReadParTable(JoinPath(test::DataDir(), ParTableFileName), par).Message, "");
    const BatchInputs inputs = CollectBatchInputs({HYDRIM_SOURCE_DIR "/examples/catchments.csv"});
    const std::vector<SummaryRow> computed = SummaryRows(ComputeCatchment(inputs.Items.front(), par));
    const std::vector<SummaryRow> refused = SummaryRows(ComputeCatchment(inputs.Items.back(), par));
    test::TempDirectory dir;
    const std::string path = dir.file("souhrn.xlsx");
    SummaryWorkbook workbook(path);
    for (const std::vector<SummaryRow>* rows : {&computed, &refused}) {
        for (const SummaryRow& row : *rows) {
            workbook.Add(row);
        }
    }
    workbook.Add(PartialRow(2, 22));
    ASSERT_EQ(workbook.Finish().Message, "");

    const std::string summary = ZipPart(path, "xl/worksheets/sheet1.xml");
    EXPECT_NE(CellText(summary, "B1").find("<t>Název</t>"), std::string::npos);
    // "Qmax L [m³.s⁻¹]": the index lowered, the exponents raised, all bold.
    const std::string peak = CellText(summary, "O1");
    EXPECT_NE(peak.find("<vertAlign val=\"subscript\"/>"), std::string::npos) << peak;
    EXPECT_NE(peak.find("<t>max</t>"), std::string::npos) << peak;
    EXPECT_NE(peak.find("<vertAlign val=\"superscript\"/>"), std::string::npos) << peak;
    EXPECT_NE(CellText(summary, "T1").find("<t xml:space=\"preserve\"> [10</t>"), std::string::npos);
    // The first row: variant I, N = 5, the catchment's volume in 10³ m³.
    EXPECT_NE(CellText(summary, "D2").find("<t>I</t>"), std::string::npos);
    EXPECT_EQ(CellNumber(summary, "E2"), 5.0);
    const double volume = *computed.front().Values[static_cast<size_t>(SummaryValue::VolumeC)];
    EXPECT_DOUBLE_EQ(CellNumber(summary, "T2"), volume / 1000.0);

    const std::string errors = ZipPart(path, "xl/worksheets/sheet2.xml");
    EXPECT_NE(CellText(errors, "E1").find("Odmítnutá hodnota"), std::string::npos);
    EXPECT_NE(CellText(errors, "C2").find("<t>chyba</t>"), std::string::npos);
    EXPECT_NE(CellText(errors, "D2").find("<t>CN_L</t>"), std::string::npos);
    EXPECT_NE(CellText(errors, "E2").find("<t>35</t>"), std::string::npos);
    EXPECT_NE(CellText(errors, "C3").find("<t>přerušeno</t>"), std::string::npos);

    // Wide: landscape, one page wide and as many long, the header row on every page.
    EXPECT_NE(summary.find("fitToHeight=\"0\" orientation=\"landscape\""), std::string::npos);
    EXPECT_NE(summary.find("<oddHeader>&amp;Lsouhrn.xlsx&amp;R&amp;A</oddHeader>"), std::string::npos);
    const std::string names = ZipPart(path, "xl/workbook.xml");
    EXPECT_NE(names.find(">Souhrn!$1:$1<"), std::string::npos) << names;
    EXPECT_NE(names.find(">Souhrn!$A$1:$U$8<"), std::string::npos) << names;
    EXPECT_NE(names.find(">Chyby!$A$1:$F$3<"), std::string::npos) << names;
}

} // namespace
} // namespace hydrim
