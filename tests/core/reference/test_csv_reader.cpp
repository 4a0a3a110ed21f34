// CSV as a Czech spreadsheet writes it, and the Czech alphabetical order the
// station table is kept in.
#include "core/project/TextCodec.h"
#include "core/reference/CsvReader.h"
#include "core/reference/CzechOrder.h"
#include "core/reference/LookupRainfall.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace hydrim;

namespace {

std::vector<std::vector<std::string>> FieldsOf(const CsvText& csv) {
    std::vector<std::vector<std::string>> fields;
    for (const CsvRecord& record : csv.Records)
        fields.push_back(record.Fields);
    return fields;
}

std::vector<size_t> LinesOf(const CsvText& csv) {
    std::vector<size_t> lines;
    for (const CsvRecord& record : csv.Records)
        lines.push_back(record.Line);
    return lines;
}

} // namespace

TEST(CsvReader, Windows1250WithSemicolonsQuotesAndBlankLines) {
    // As a Czech spreadsheet saves "CSV (oddělený středníkem)": padded rows,
    // a quoted field holding the separator and a quote, CR LF line ends.
    const std::string bytes = EncodeCp1250("Stanice;2 roky;;\r\n"
                                           "Šumperk; 45,5 ;\"Dolní; \"\"Horní\"\"\";\r\n"
                                           ";;;\r\n"
                                           "\r\n"
                                           "Žatec;30\r\n");
    const CsvText csv = ParseCsv(bytes);
    ASSERT_TRUE(csv.ok());
    EXPECT_EQ(csv.Separator, ';');
    EXPECT_EQ(FieldsOf(csv),
              (std::vector<std::vector<std::string>>{
                  {"Stanice", "2 roky"}, {"Šumperk", "45,5", "Dolní; \"Horní\""}, {"Žatec", "30"}}));
    EXPECT_EQ(LinesOf(csv), (std::vector<size_t>{1, 2, 5}));
}

TEST(CsvReader, Utf8WithCommasAndAQuotedFieldOverTwoLines) {
    const CsvText csv = ParseCsv("\xEF\xBB\xBF"
                                 "Čáslav,\"12,5\",13.5\n"
                                 "\"dva\nřádky\",1\n"
                                 "Tábor,2");
    ASSERT_TRUE(csv.ok());
    EXPECT_EQ(csv.Separator, ',');
    EXPECT_EQ(FieldsOf(csv), (std::vector<std::vector<std::string>>{
                                 {"Čáslav", "12,5", "13.5"}, {"dva\nřádky", "1"}, {"Tábor", "2"}}));
    EXPECT_EQ(LinesOf(csv), (std::vector<size_t>{1, 2, 4}));
}

TEST(CsvReader, ASeparatorNamedOnTheFirstLineIsUsed) {
    const CsvText csv = ParseCsv("sep=,\r\nBrno;Jih,30\r\n");
    EXPECT_EQ(csv.Separator, ',');
    EXPECT_EQ(FieldsOf(csv), (std::vector<std::vector<std::string>>{{"Brno;Jih", "30"}}));
    EXPECT_EQ(LinesOf(csv), (std::vector<size_t>{2}));
}

TEST(CsvReader, Utf16IsRefusedWithAReason) {
    const CsvText csv = ParseCsv(std::string("\xFF\xFEs\0t\0", 6));
    EXPECT_FALSE(csv.ok());
    EXPECT_NE(csv.Error.Message.find("UTF-16"), std::string::npos);
    EXPECT_TRUE(csv.Records.empty());
}

TEST(CsvReader, DecimalsWithCommaOrPoint) {
    EXPECT_EQ(CsvDecimal("12,5"), "12.5");
    EXPECT_EQ(CsvDecimal(" 045.50 "), "45.5");
    EXPECT_EQ(CsvDecimal("7"), "7");
    EXPECT_EQ(CsvDecimal("0,0"), "0");
    EXPECT_EQ(CsvDecimal("100,000"), "100");
    for (const char* refused : {"", "1,2,3", "-5", "+5", "1e3", "12,", ",5", "1 234", "12 mm"})
        EXPECT_EQ(CsvDecimal(refused), std::nullopt) << refused;
}

TEST(CzechOrder, StationsSortAsInACzechIndexAndTheLetterSearchFindsThem) {
    std::vector<std::string> names = {"Žatec",    "Cheb",      "Čáslav", "Hradec",  "brno",    "Ústí",
                                      "Sedlec",   "Šumperk",   "Adamov", "Zlín",    "Řevnice", "Rakovník",
                                      "Ivančice", "Cetkovice", "Ábelov", "Abertamy"};
    std::sort(names.begin(), names.end(), CzechLess);
    const std::vector<std::string> expected = {
        "Ábelov",   "Abertamy", "Adamov",  "brno",   "Cetkovice", "Čáslav", "Hradec", "Cheb",
        "Ivančice", "Rakovník", "Řevnice", "Sedlec", "Šumperk",   "Ústí",   "Zlín",   "Žatec"};
    EXPECT_EQ(names, expected);

    // Each typed letter finds the first station that begins with it.
    std::vector<std::string> column = {"Stanice"};
    column.insert(column.end(), names.begin(), names.end());
    for (const auto& [key, name] : std::vector<std::pair<std::string, std::string>>{{"C", "Cetkovice"},
                                                                                    {"H", "Hradec"},
                                                                                    {"I", "Ivančice"},
                                                                                    {"R", "Rakovník"},
                                                                                    {"S", "Sedlec"},
                                                                                    {"Z", "Zlín"},
                                                                                    {"Ř", "Řevnice"},
                                                                                    {"ch", "Cheb"}}) {
        const int row = FindStationRow(column, key);
        ASSERT_GE(row, 1);
        EXPECT_EQ(column[static_cast<size_t>(row)], name);
    }
}
