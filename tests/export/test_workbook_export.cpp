// Workbooks written from computed example projects, opened as the zip of
// XML parts they are: sheet names and order, cells, merges, number formats,
// rich text, the chart parts, progress, and failures that leave no file.
#include "core/Engine.h"
#include "export/WorkbookCells.h"
#include "export/WorkbookCharts.h"
#include "export/WorkbookExport.h"

#include "support/TempDirectory.h"
#include "test_workbook_support.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>

namespace hydrim {
namespace {

using test::CellNumber;
using test::CellXml;
using test::ComputedExample;
using test::Count;
using test::ZipPart;

constexpr double Exact = 1e-9;
// A three-significant-digit value differs from the engine's by at most half a unit in its third digit.
constexpr double ThreeDigits = 5e-3;

std::vector<ResultGrid> GridsOf(const AppState& state) {
    Error error;
    std::vector<ResultGrid> grids = ResultGrids(state, test::DataDir(), error);
    EXPECT_EQ(error.Message, "");
    return grids;
}

std::vector<std::string> SheetNames(const std::string& zip) {
    const std::string workbook = ZipPart(zip, "xl/workbook.xml");
    std::vector<std::string> names;
    for (size_t at = workbook.find("<sheet name=\""); at != std::string::npos;
         at = workbook.find("<sheet name=\"", at + 1)) {
        const size_t start = at + 13;
        names.push_back(workbook.substr(start, workbook.find('"', start) - start));
    }
    return names;
}

TEST(WorkbookExport, VariantITablesGiveEightSheetsWithNumbersMergesAndFrames) {
    const auto state = ComputedExample("variant1-two-slopes.snp");
    const std::vector<ResultGrid> grids = GridsOf(*state);
    test::TempDirectory dir;
    const std::string path = dir.file("tabulka.xlsx");
    ASSERT_EQ(WriteResultTableWorkbook(path, grids, '.').Message, "");
    ASSERT_TRUE(test::ZipIsSound(path));
    EXPECT_EQ(SheetNames(path),
              (std::vector<std::string>{"Vstup", "Výstup N=5", "Výstup N=10", "Výstup N=20", "Výstup N=50",
                                        "Výstup N=100", "Výstup Povodí + Svahy", "Výstup Povodí"}));

    // N = 5: the peak discharges (row 25) in the catchment, left and right columns.
    const std::string sheet = ZipPart(path, "xl/worksheets/sheet2.xml");
    const VariantIResults& r = state->VariantI;
    const std::array<std::pair<const char*, double>, 3> peaks = {
        {{"C26", r.PeakDischargeC[1]}, {"D26", r.PeakDischargeL[1]}, {"E26", r.PeakDischargeR[1]}}};
    for (const auto& [ref, engine] : peaks) {
        const double written = CellNumber(sheet, ref);
        ASSERT_FALSE(std::isnan(written)) << ref << CellXml(sheet, ref);
        EXPECT_NEAR(written, engine, ThreeDigits * std::abs(engine) + Exact) << ref;
    }
    // Exactly the number the table shows.
    const auto shown = ParseDisplayedNumber(grids[1].Cell(25, 2), '.');
    ASSERT_TRUE(shown.has_value());
    EXPECT_NEAR(CellNumber(sheet, "C26"), shown->value, Exact);
    // Integers stay integers (critical duration, row 6).
    EXPECT_EQ(CellNumber(sheet, "D7"), r.CriticalDurationL[1]);
    // Section headings merged across the table; row 0 keeps its column titles.
    for (const char* merge : {"A1:B1", "A6:F6", "A14:F14", "A27:F27", "A33:F33"}) {
        EXPECT_NE(sheet.find(std::string("<mergeCell ref=\"") + merge + "\"/>"), std::string::npos) << merge;
    }
    EXPECT_EQ(Count(sheet, "<mergeCell "), 5u);
    EXPECT_EQ(sheet.find("<dimension ref=\"A1:F38\"/>") != std::string::npos, true);

    // The summary of slopes and catchment: one merged label per return period.
    const std::string summary = ZipPart(path, "xl/worksheets/sheet7.xml");
    for (const char* merge : {"A3:A5", "A6:A8", "A9:A11", "A12:A14", "A15:A17"}) {
        EXPECT_NE(summary.find(std::string("<mergeCell ref=\"") + merge + "\"/>"), std::string::npos)
            << merge;
    }

    const std::string styles = ZipPart(path, "xl/styles.xml");
    for (const char* format : {"formatCode=\"0.000\"", "formatCode=\"0.0\"", "formatCode=\"0.00\""}) {
        EXPECT_NE(styles.find(format), std::string::npos) << format;
    }
    EXPECT_NE(styles.find("rgb=\"FFCCFFFF\""), std::string::npos); // shaded section rows
    EXPECT_NE(styles.find("rgb=\"FFFFFFCC\""), std::string::npos); // the peak row
    EXPECT_NE(styles.find("<left style=\"medium\">"), std::string::npos);
    EXPECT_NE(styles.find("<top style=\"thin\">"), std::string::npos);
    EXPECT_NE(styles.find("<b/>"), std::string::npos);

    // Indices, exponents and the Greek letter of the roughness row.
    const std::string strings = ZipPart(path, "xl/sharedStrings.xml");
    EXPECT_NE(strings.find("<vertAlign val=\"subscript\"/>"), std::string::npos);
    EXPECT_NE(strings.find("<vertAlign val=\"superscript\"/>"), std::string::npos);
    EXPECT_NE(strings.find("γ"), std::string::npos);
    EXPECT_NE(strings.find("Výsledky pro dobu opakování N = 5 let"), std::string::npos);

    // Columns sized to their texts: the description column is the widest.
    EXPECT_NE(sheet.find("<col min=\"2\" max=\"2\" width=\"4"), std::string::npos);
}

TEST(WorkbookExport, TableCellsHoldOneTrimmedValueEach) {
    const auto state = ComputedExample("variant1-two-slopes.snp");
    test::TempDirectory dir;
    const std::string path = dir.file("tabulka.xlsx");
    ASSERT_EQ(WriteResultTableWorkbook(path, GridsOf(*state), '.').Message, "");
    // The five return periods of the inputs sheet: one cell each, the row's
    // symbol, description and unit merged beside them; the rainfall follows.
    const std::string inputs = ZipPart(path, "xl/worksheets/sheet1.xml");
    const std::array<double, 5> periods = {5, 10, 20, 50, 100};
    for (size_t k = 0; k < periods.size(); ++k) {
        EXPECT_EQ(CellNumber(inputs, "C" + std::to_string(10 + k)), periods[k]) << k;
    }
    for (const char* merge : {"A10:A14", "B10:B14", "F10:F14"}) {
        EXPECT_NE(inputs.find(std::string("<mergeCell ref=\"") + merge + "\"/>"), std::string::npos) << merge;
    }
    EXPECT_NEAR(CellNumber(inputs, "C15"), state->Inputs.RainByN[1], 0.05);
    // The catchment summary starts with its first row of texts.
    const std::string summary = ZipPart(path, "xl/worksheets/sheet8.xml");
    EXPECT_NE(summary.find("<dimension ref=\"A1:G4\"/>"), std::string::npos);
    EXPECT_NE(CellXml(summary, "A1").find("t=\"s\""), std::string::npos);
    EXPECT_EQ(CellNumber(summary, "F1"), 100.0);
    // No text keeps the blanks that align the grid on screen, and the power
    // of ten of the volumes is a real exponent.
    const std::string strings = ZipPart(path, "xl/sharedStrings.xml");
    EXPECT_EQ(strings.find("xml:space=\"preserve\""), std::string::npos);
    EXPECT_EQ(strings.find("  "), std::string::npos);
    const size_t power = strings.find("<t>[10</t>");
    ASSERT_NE(power, std::string::npos);
    EXPECT_LT(strings.find("<vertAlign val=\"superscript\"/>", power), strings.find("<t>3</t>", power));
}

TEST(WorkbookExport, TheLocaleSeparatorOfTheTableGivesTheSameNumbers) {
    auto state = ComputedExample("variant1-one-slope.snp");
    test::TempDirectory dir;
    ASSERT_EQ(WriteResultTableWorkbook(dir.file("point.xlsx"), GridsOf(*state), '.').Message, "");
    state->LocaleDecimalSeparator = ',';
    const std::vector<ResultGrid> commaGrids = GridsOf(*state);
    ASSERT_NE(commaGrids[1].Cell(7, 2).find(','), std::string::npos);
    ASSERT_EQ(WriteResultTableWorkbook(dir.file("comma.xlsx"), commaGrids, ',').Message, "");
    for (const char* part : {"xl/worksheets/sheet2.xml", "xl/worksheets/sheet8.xml"}) {
        const std::string point = ZipPart(dir.file("point.xlsx"), part);
        const std::string comma = ZipPart(dir.file("comma.xlsx"), part);
        for (const char* ref : {"C8", "C16", "C26", "C28", "B3", "F3"}) {
            const double a = CellNumber(point, ref);
            const double b = CellNumber(comma, ref);
            EXPECT_TRUE(std::isnan(a) == std::isnan(b) && (std::isnan(a) || a == b)) << part << ' ' << ref;
        }
    }
    // One slope: four columns, the unit in the fourth, no hidden column.
    EXPECT_NE(ZipPart(dir.file("comma.xlsx"), "xl/worksheets/sheet2.xml").find("<dimension ref=\"A1:D38\"/>"),
              std::string::npos);
}

TEST(WorkbookExport, Variant23TableIsOneSheetWithoutTheHiddenColumn) {
    const auto state = ComputedExample("variant2-one-slope.snp");
    test::TempDirectory dir;
    const std::string path = dir.file("v2.xlsx");
    ASSERT_EQ(WriteResultTableWorkbook(path, GridsOf(*state), '.').Message, "");
    EXPECT_EQ(SheetNames(path), (std::vector<std::string>{"Výstup"}));
    const std::string sheet = ZipPart(path, "xl/worksheets/sheet1.xml");
    EXPECT_NE(sheet.find("<dimension ref=\"A1:D45\"/>"), std::string::npos);
    // Peak discharge (row 38) of the catchment, section rows 13, 18, 26, 39 merged across.
    EXPECT_NEAR(CellNumber(sheet, "C39"), state->Variant23.DesignPeakC,
                ThreeDigits * state->Variant23.DesignPeakC + Exact);
    for (const char* merge : {"A1:B1", "A14:D14", "A19:D19", "A27:D27", "A40:D40"}) {
        EXPECT_NE(sheet.find(std::string("<mergeCell ref=\"") + merge + "\"/>"), std::string::npos) << merge;
    }
}

TEST(WorkbookExport, WarningsGoOnALastSheetOfTheirOwn) {
    const auto state = ComputedExample("variant2-one-slope.snp");
    const Warnings warnings = {
        {"capped", "Návrhový déšť je omezen.", WarningSubject::LeftSlope, 0, WarningSeverity::Note},
        {"long-rain", "Déšť je delší než 1 den.", WarningSubject::LeftSlope, 0},
        {"volume", "Objem hydrogramu <1 %> nesedí.", WarningSubject::Catchment, 20}};
    test::TempDirectory dir;
    const std::string tables = dir.file("t.xlsx");
    ASSERT_EQ(WriteResultTableWorkbook(tables, GridsOf(*state), '.', {}, warnings).Message, "");
    EXPECT_EQ(SheetNames(tables), (std::vector<std::string>{"Výstup", "Upozornění"}));
    const std::string strings = ZipPart(tables, "xl/sharedStrings.xml");
    EXPECT_NE(strings.find("Déšť je delší než 1 den."), std::string::npos);
    EXPECT_NE(strings.find("Objem hydrogramu &lt;1 %&gt; nesedí."), std::string::npos);
    EXPECT_NE(strings.find("levý svah"), std::string::npos);
    const std::string sheet = ZipPart(tables, "xl/worksheets/sheet2.xml");
    EXPECT_EQ(CellNumber(sheet, "C3"), 20.0);
    // The warnings first, the note last, column D naming the kind.
    const auto text = [&](const std::string& ref) {
        const std::string cell = CellXml(sheet, ref);
        const size_t value = cell.find("<v>");
        if (value == std::string::npos) {
            return std::string();
        }
        size_t at = 0;
        for (size_t k = 0, index = std::stoul(cell.substr(value + 3)); k <= index; ++k) {
            at = strings.find("<si>", at) + 4;
        }
        const size_t start = strings.find('>', strings.find("<t", at)) + 1;
        return strings.substr(start, strings.find("</t>", start) - start);
    };
    EXPECT_EQ(text("D2") + "|" + text("D3") + "|" + text("D4"), "Upozornění|Upozornění|Poznámka");
    EXPECT_EQ(text("A4"), "Návrhový déšť je omezen.");

    const std::string series = dir.file("s.xlsx");
    ASSERT_EQ(WriteTimeSeriesWorkbook(series, Variant23TimeSeriesSheets(*state, false), {}, warnings).Message,
              "");
    EXPECT_EQ(SheetNames(series), (std::vector<std::string>{"Časové řady", "Graf", "Upozornění"}));
    ASSERT_TRUE(test::ZipIsSound(series));
}

TEST(WorkbookExport, VariantITimeSeriesHaveListingAndChartSheetsPerReturnPeriod) {
    const auto state = ComputedExample("variant1-two-slopes.snp");
    const std::vector<TimeSeriesSheets> sets = VariantITimeSeriesSheets(*state);
    ASSERT_EQ(sets.size(), 5u);
    test::TempDirectory dir;
    const std::string path = dir.file("rady.xlsx");
    ASSERT_EQ(WriteTimeSeriesWorkbook(path, sets).Message, "");
    ASSERT_TRUE(test::ZipIsSound(path));
    EXPECT_EQ(SheetNames(path),
              (std::vector<std::string>{"Časové řady N=5", "Graf N=5", "Časové řady N=10", "Graf N=10",
                                        "Časové řady N=20", "Graf N=20", "Časové řady N=50", "Graf N=50",
                                        "Časové řady N=100", "Graf N=100"}));

    const TimeSeriesSource& source = sets[0].Source;
    ASSERT_TRUE(source.WithRain);
    ASSERT_TRUE(source.Flows.TwoSlopes);
    const size_t points = source.Flows.Length();
    ASSERT_GT(points, 10u);
    const std::string sheet = ZipPart(path, "xl/worksheets/sheet1.xml");
    // Columns: time, rain, catchment, left, right; row 3 is the 00:00 line.
    EXPECT_EQ(CellNumber(sheet, "A3"), 0.0);
    EXPECT_EQ(CellNumber(sheet, "C3"), 0.0);
    EXPECT_EQ(CellNumber(sheet, "E3"), 0.0);
    EXPECT_NEAR(CellNumber(sheet, "A4"), 1.0 / 1440.0, Exact);
    EXPECT_NEAR(CellNumber(sheet, "B4"), source.RainIntensity, Exact);
    const int lastRainRow = 3 + source.RainDuration;
    EXPECT_NEAR(CellNumber(sheet, "B" + std::to_string(lastRainRow)), source.RainIntensity, Exact);
    EXPECT_EQ(CellNumber(sheet, "B" + std::to_string(lastRainRow + 1)), 0.0);
    const size_t k = points / 2;
    const std::string row = std::to_string(4 + k);
    EXPECT_NEAR(CellNumber(sheet, "C" + row), source.Flows.Catchment[k], Exact);
    EXPECT_NEAR(CellNumber(sheet, "D" + row), source.Flows.Left[k], Exact);
    EXPECT_NEAR(CellNumber(sheet, "E" + row), source.Flows.Right[k], Exact);
    EXPECT_NE(CellXml(sheet, "A" + std::to_string(3 + points)), "");
    EXPECT_EQ(CellXml(sheet, "A" + std::to_string(4 + points)), "");

    const std::string styles = ZipPart(path, "xl/styles.xml");
    for (const char* format : {"formatCode=\"[hh]:mm\"", "formatCode=\"0.000\"", "formatCode=\"0.00\""}) {
        EXPECT_NE(styles.find(format), std::string::npos) << format;
    }
    const std::string strings = ZipPart(path, "xl/sharedStrings.xml");
    // The discharge heading: bold, with its exponent raised.
    const size_t unit = strings.find("<t>Průtok [m</t>");
    ASSERT_NE(unit, std::string::npos);
    const size_t properties = strings.rfind("<rPr>", unit);
    EXPECT_NE(strings.substr(properties, unit - properties).find("<b/>"), std::string::npos);
    EXPECT_NE(strings.find("<vertAlign val=\"superscript\"/>", unit), std::string::npos);
    for (const char* text : {"Čas [hod:min]", "Intenzita deště [mm.min", "Výpočtový déšť", "Povodí",
                             "Levý svah", "Pravý svah"}) {
        EXPECT_NE(strings.find(text), std::string::npos) << text;
    }

    for (int c = 1; c <= 5; ++c) {
        const std::string chart = ZipPart(path, "xl/charts/chart" + std::to_string(c) + ".xml");
        ASSERT_FALSE(chart.empty()) << c;
        // Discharges and rain in two groups over a time axis of values with a
        // round major unit from 00:00 to the last minute (no label skip).
        EXPECT_EQ(Count(chart, "<c:scatterChart>"), 2u);
        EXPECT_EQ(Count(chart, "<c:ser>"), 4u);
        EXPECT_EQ(chart.find("<c:catAx>"), std::string::npos);
        EXPECT_EQ(chart.find("tickLblSkip"), std::string::npos);
        EXPECT_NE(chart.find("<c:orientation val=\"maxMin\"/>"), std::string::npos);
        EXPECT_NE(chart.find("<c:numFmt formatCode=\"[hh]:mm\""), std::string::npos);
        const std::string minutes = std::to_string(sets[static_cast<size_t>(c - 1)].Source.Flows.Length());
        const double lastTime = std::stod(minutes) / 1440.0;
        const size_t max = chart.find("<c:max val=\"");
        ASSERT_NE(max, std::string::npos);
        EXPECT_NEAR(std::stod(chart.substr(max + 12)), lastTime, 1e-9);
        const size_t unit = chart.find("<c:majorUnit val=\"");
        ASSERT_NE(unit, std::string::npos);
        EXPECT_NEAR(std::stod(chart.substr(unit + 19)) * 1440.0, TimeLabelSpacing(std::stoi(minutes) + 1),
                    1e-6);
        for (const char* text : {"Čas [hod:min]", "Průtok [m³.s⁻¹]", "Intenzita deště [mm.min⁻¹]",
                                 "Výpočtový déšť", "Hydrogram TPV vyvolaný výpočtovým deštěm"}) {
            EXPECT_NE(chart.find(text), std::string::npos) << text;
        }
    }
    const std::string first = ZipPart(path, "xl/charts/chart1.xml");
    EXPECT_NE(first.find("(N = 5 let)"), std::string::npos);
    EXPECT_NE(first.find("$B$3:$B$" + std::to_string(3 + points)), std::string::npos);
}

TEST(WorkbookExport, TheDailyHydrographHasNoRainColumnAndNoRainAxis) {
    auto state = ComputedExample("variant1-two-slopes.snp");
    state->HydrographFromDesignRain = false;
    test::TempDirectory dir;
    const std::string path = dir.file("daily.xlsx");
    ASSERT_EQ(WriteTimeSeriesWorkbook(path, VariantITimeSeriesSheets(*state)).Message, "");
    const std::string chart = ZipPart(path, "xl/charts/chart1.xml");
    EXPECT_EQ(Count(chart, "<c:scatterChart>"), 1u);
    EXPECT_EQ(chart.find("maxMin"), std::string::npos);
    EXPECT_EQ(Count(chart, "<c:ser>"), 3u);
    const std::string sheet = ZipPart(path, "xl/worksheets/sheet1.xml");
    EXPECT_NE(sheet.find("<dimension ref=\"A1:D"), std::string::npos);
}

TEST(WorkbookExport, Variant23TimeSeriesOfOneSlope) {
    const auto state = ComputedExample("variant3-one-slope.snp");
    test::TempDirectory dir;
    const std::string path = dir.file("v3.xlsx");
    ASSERT_EQ(WriteTimeSeriesWorkbook(path, Variant23TimeSeriesSheets(*state, false)).Message, "");
    EXPECT_EQ(SheetNames(path), (std::vector<std::string>{"Časové řady", "Graf"}));
    const std::string chart = ZipPart(path, "xl/charts/chart1.xml");
    EXPECT_EQ(Count(chart, "<c:ser>"), 2u);
    EXPECT_NE(chart.find("<c:v>Povodí</c:v>"), std::string::npos);
    EXPECT_NE(chart.find("FF0000"), std::string::npos); // the catchment in red
}

// The print settings of the sheet part, and the defined names of the workbook.
struct PrintedSheet {
    std::string sheet;
    std::string names;
    bool Has(const std::string& part) const { return sheet.find(part) != std::string::npos; }
    bool Names(const std::string& name) const { return names.find(name) != std::string::npos; }
};

PrintedSheet Printed(const std::string& zip, const std::string& part) {
    return {ZipPart(zip, part), ZipPart(zip, "xl/workbook.xml")};
}

TEST(WorkbookExport, EverySheetPrintsAsAPageOfItsDocument) {
    auto state = ComputedExample("variant1-two-slopes.snp");
    const Warnings warnings = {{"volume", std::string(180, 'x') + " konec.", WarningSubject::Catchment, 20}};
    test::TempDirectory dir;
    const std::string tables = dir.file("t.xlsx");
    ASSERT_EQ(
        WriteResultTableWorkbook(tables, GridsOf(*state), '.', {}, warnings, "Potok & přítok.snp").Message,
        "");
    const std::string header =
        "<headerFooter><oddHeader>&amp;LPotok &amp;&amp; přítok.snp&amp;R&amp;A</oddHeader>"
        "<oddFooter>&amp;Cstrana &amp;P z &amp;N</oddFooter></headerFooter>";
    // A result sheet: A4, fitted on one page, its frame as the print area,
    // the row of column titles repeated, the project and the page in the margins.
    const PrintedSheet result = Printed(tables, "xl/worksheets/sheet2.xml");
    EXPECT_TRUE(result.Has("<pageSetUpPr fitToPage=\"1\"/>"));
    EXPECT_TRUE(result.Has("<pageSetup paperSize=\"9\""));
    EXPECT_FALSE(result.Has("fitToHeight=\"0\""));
    EXPECT_TRUE(result.Has(header)) << result.sheet.substr(result.sheet.find("<pageMargins"));
    EXPECT_TRUE(
        result.Names("<definedName name=\"_xlnm.Print_Area\" localSheetId=\"1\">'Výstup N=5'!$A$1:$F$38<"));
    EXPECT_TRUE(
        result.Names("<definedName name=\"_xlnm.Print_Titles\" localSheetId=\"1\">'Výstup N=5'!$1:$1<"));
    // The warnings: landscape, one page wide, a long message's row two lines high.
    const PrintedSheet notes = Printed(tables, "xl/worksheets/sheet9.xml");
    EXPECT_TRUE(notes.Has("orientation=\"landscape\""));
    EXPECT_TRUE(notes.Has("fitToHeight=\"0\""));
    EXPECT_TRUE(notes.Has("<row r=\"2\" spans=\"1:4\" ht=\"30\" customHeight=\"1\">"));
    EXPECT_TRUE(notes.Has(header));

    // A listing: one page wide in portrait, its two heading rows on every page.
    const std::string series = dir.file("s.xlsx");
    const std::vector<TimeSeriesSheets> sets = VariantITimeSeriesSheets(*state);
    ASSERT_EQ(WriteTimeSeriesWorkbook(series, sets, {}, {}, "p.snp").Message, "");
    const PrintedSheet listing = Printed(series, "xl/worksheets/sheet1.xml");
    EXPECT_TRUE(listing.Has("fitToHeight=\"0\" orientation=\"portrait\""));
    const std::string last = std::to_string(3 + sets[0].Source.Flows.Length());
    EXPECT_TRUE(listing.Names("'Časové řady N=5'!$A$1:$E$" + last + "<"));
    EXPECT_TRUE(listing.Names("'Časové řady N=5'!$1:$2<"));
    const std::string chart = ZipPart(series, "xl/chartsheets/sheet1.xml");
    EXPECT_NE(chart.find("<pageSetup paperSize=\"9\" orientation=\"landscape\""), std::string::npos);
    EXPECT_NE(chart.find("<oddHeader>&amp;Lp.snp&amp;R&amp;A</oddHeader>"), std::string::npos);
}

TEST(WorkbookExport, ProgressPassesTheMilestonesOfEachExport) {
    const auto state = ComputedExample("variant1-one-slope.snp");
    test::TempDirectory dir;
    std::vector<int> positions;
    const auto record = [&positions](int position) { positions.push_back(position); };
    ASSERT_EQ(WriteResultTableWorkbook(dir.file("t.xlsx"), GridsOf(*state), '.', record).Message, "");
    EXPECT_EQ(positions, (std::vector<int>{100, 250, 350, 500, 650, 750, 850, 950, 1000}));
    positions.clear();
    ASSERT_EQ(WriteTimeSeriesWorkbook(dir.file("s.xlsx"), VariantITimeSeriesSheets(*state), record).Message,
              "");
    EXPECT_EQ(positions, (std::vector<int>{200, 400, 600, 800, 950, 1000}));
}

TEST(WorkbookExport, AFailedWriteLeavesNoFileBehind) {
    const auto state = ComputedExample("variant2-one-slope.snp");
    const std::vector<ResultGrid> grids = GridsOf(*state);
    test::TempDirectory dir;

    const std::string missing = dir.file("nowhere/tabulka.xlsx");
    const std::string error = WriteResultTableWorkbook(missing, grids, '.').Message;
    EXPECT_NE(error.find("nowhere/tabulka.xlsx"), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(missing));

    // A directory where the workbook should go: reported, left as it was,
    // and no temporary file stays beside it.
    const std::string occupied = dir.file("occupied.xlsx");
    std::filesystem::create_directory(occupied);
    EXPECT_NE(WriteResultTableWorkbook(occupied, grids, '.').Message, "");
    EXPECT_TRUE(std::filesystem::is_directory(occupied));
    EXPECT_EQ(dir.entryCount(), 1u);

    // A sheet name the file format refuses stops the export the same way.
    std::vector<ResultGrid> badName = grids;
    badName[0].SheetName = "Výstup [1]";
    const std::string refused = dir.file("refused.xlsx");
    EXPECT_NE(WriteResultTableWorkbook(refused, badName, '.').Message, "");
    EXPECT_FALSE(std::filesystem::exists(refused));
    EXPECT_EQ(dir.entryCount(), 1u);
}

TEST(WorkbookExport, AnExistingWorkbookIsReplacedWhole) {
    const auto state = ComputedExample("variant2-two-slopes.snp");
    test::TempDirectory dir;
    const std::string path = dir.file("v2.xlsx");
    ASSERT_EQ(WriteTimeSeriesWorkbook(path, Variant23TimeSeriesSheets(*state, true)).Message, "");
    ASSERT_EQ(WriteResultTableWorkbook(path, GridsOf(*state), '.').Message, "");
    EXPECT_TRUE(test::ZipIsSound(path));
    EXPECT_EQ(SheetNames(path), (std::vector<std::string>{"Výstup"}));
    EXPECT_EQ(dir.entryCount(), 1u);
}

} // namespace
} // namespace hydrim
