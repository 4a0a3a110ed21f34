// The pieces of the workbook writers that decide what a cell holds and how
// the chart's rain axis is shaped.
#include "export/WorkbookCells.h"
#include "export/WorkbookCharts.h"

#include "test_workbook_support.h"

#include <gtest/gtest.h>

namespace hydrim {
namespace {

constexpr double Exact = 1e-12;

TEST(WorkbookCells, DisplayedNumbersKeepTheirDecimals) {
    struct Case {
        const char* text;
        char separator;
        double value;
        const char* format;
    };
    for (const Case& c :
         {Case{"  1,25", ',', 1.25, "0.00"}, Case{"  7", '.', 7.0, "0"}, Case{"  0.568", '.', 0.568, "0.000"},
          Case{"  123", ',', 123.0, "0"}, Case{"  1.23E+3", '.', 1230.0, "0.00E+0"},
          Case{"  -0,5", ',', -0.5, "0.0"}, Case{"  45.7", '.', 45.7, "0.0"}}) {
        const auto number = ParseDisplayedNumber(c.text, c.separator);
        ASSERT_TRUE(number.has_value()) << c.text;
        EXPECT_NEAR(number->value, c.value, Exact) << c.text;
        EXPECT_EQ(number->format, c.format) << c.text;
    }
}

TEST(WorkbookCells, TextsThatAreNotWholeNumbersStayTexts) {
    for (const char* text :
         {"", "   ", "  [m3]", "  Povodí  ", "  [103.m3]", "  1,25 mm", "E", "-", "1.2.3"}) {
        EXPECT_FALSE(ParseDisplayedNumber(text, '.').has_value()) << '"' << text << '"';
    }
    // A comma is not the decimal point of a grid written with ".", nor a
    // point that of a grid written with ",".
    EXPECT_FALSE(ParseDisplayedNumber("  1,25", '.').has_value());
    EXPECT_FALSE(ParseDisplayedNumber("  1.25", ',').has_value());
}

TEST(WorkbookCells, ColumnWidthsFollowTheLongestTextInCharacters) {
    EXPECT_EQ(CharacterCount("Průtok"), 6u);
    EXPECT_EQ(CharacterCount("γ"), 1u);
    EXPECT_LT(ColumnWidths::WidthFor(5), ColumnWidths::WidthFor(20));
    EXPECT_GE(ColumnWidths::WidthFor(0), 4.0);
    EXPECT_GE(ColumnWidths::WidthFor(40), 40.0);
}

TEST(WorkbookCharts, TimeLabelsAreRoundStepsForAboutADozenLabels) {
    EXPECT_EQ(TimeLabelSpacing(12), 1);
    EXPECT_EQ(TimeLabelSpacing(13), 2);
    EXPECT_EQ(TimeLabelSpacing(100), 10);
    EXPECT_EQ(TimeLabelSpacing(721), 120);
    EXPECT_EQ(TimeLabelSpacing(2000), 180);
    EXPECT_EQ(TimeLabelSpacing(17280), 1440);
    EXPECT_EQ(TimeLabelSpacing(17281), 2880);
}

const std::string TwoSeriesPlotArea =
    "<c:plotArea><c:layout/><c:scatterChart><c:scatterStyle val=\"lineMarker\"/>"
    "<c:ser><c:idx val=\"0\"/><c:tx><c:v>Povodí</c:v></c:tx><c:xVal>T</c:xVal><c:yVal>Q</c:yVal></c:ser>"
    "<c:ser><c:idx val=\"1\"/><c:tx><c:v>Výpočtový "
    "déšť</c:v></c:tx><c:xVal>T</c:xVal><c:yVal>I</c:yVal></c:ser>"
    "<c:axId val=\"1\"/><c:axId val=\"2\"/></c:scatterChart>"
    "<c:valAx><c:axId val=\"1\"/></c:valAx><c:valAx><c:axId val=\"2\"/></c:valAx>"
    "<c:spPr>fill</c:spPr></c:plotArea>";

TEST(WorkbookCharts, TheLastSeriesMovesToAReversedSecondaryAxis) {
    const std::string xml = PutRainOnSecondaryAxis(TwoSeriesPlotArea, 3, 0.25, "Intenzita deště [mm/min]");
    const size_t lines = xml.find("<c:scatterChart>");
    const size_t linesEnd = xml.find("</c:scatterChart>");
    const size_t rainGroup = xml.find("<c:scatterChart>", linesEnd);
    ASSERT_NE(rainGroup, std::string::npos);
    // The discharges stay in the first group, the rain is the second group's only series.
    EXPECT_EQ(test::Count(xml.substr(lines, linesEnd - lines), "<c:ser>"), 1u);
    const std::string rain = xml.substr(rainGroup, xml.find("</c:scatterChart>", rainGroup) - rainGroup);
    EXPECT_EQ(test::Count(rain, "<c:ser>"), 1u);
    EXPECT_NE(rain.find("Výpočtový déšť"), std::string::npos);
    EXPECT_NE(rain.find("<c:axId val=\"70000003\"/><c:axId val=\"70000004\"/>"), std::string::npos);
    // Secondary axes after the primary ones, before the plot area's fill:
    // the rain's axis reversed, its time axis hidden with the shown one's scale.
    const size_t secondary = xml.find("<c:orientation val=\"maxMin\"/><c:max val=\"3\"/><c:min val=\"0\"/>");
    ASSERT_NE(secondary, std::string::npos);
    EXPECT_GT(secondary, xml.find("<c:valAx><c:axId val=\"2\"/></c:valAx>"));
    EXPECT_LT(secondary, xml.find("<c:spPr>fill</c:spPr>"));
    EXPECT_NE(xml.find("<c:orientation val=\"minMax\"/><c:max val=\"0.25\"/><c:min val=\"0\"/></c:scaling>"
                       "<c:delete val=\"1\"/>"),
              std::string::npos);
    EXPECT_NE(xml.find("<c:axPos val=\"r\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<c:crosses val=\"max\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<a:t>Intenzita deště [mm/min]</a:t>"), std::string::npos);
    EXPECT_EQ(test::Count(xml, "<c:valAx>"), 4u);
    EXPECT_EQ(xml.find("<c:catAx>"), std::string::npos);
}

TEST(WorkbookCharts, AnUnexpectedPlotAreaIsLeftAsItIs) {
    const std::string noSeries =
        "<c:plotArea><c:scatterChart></c:scatterChart><c:valAx></c:valAx></c:plotArea>";
    EXPECT_EQ(PutRainOnSecondaryAxis(noSeries, 2, 1, "x"), noSeries);
    const std::string noAxis = "<c:plotArea><c:scatterChart><c:ser></c:ser></c:scatterChart></c:plotArea>";
    EXPECT_EQ(PutRainOnSecondaryAxis(noAxis, 2, 1, "x"), noAxis);
    EXPECT_EQ(PutRainOnSecondaryAxis("", 2, 1, "x"), "");
}

TEST(WorkbookCharts, AxisTitlesAreEscaped) {
    const std::string xml = PutRainOnSecondaryAxis(TwoSeriesPlotArea, 2, 1, "a<b & \"c\"");
    EXPECT_NE(xml.find("<a:t>a&lt;b &amp; &quot;c&quot;</a:t>"), std::string::npos);
}

} // namespace
} // namespace hydrim
