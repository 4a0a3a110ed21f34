// Rainfall dialog rules: value columns per variant and the type-ahead search.
#include "core/reference/LookupRainfall.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace hydrim;

namespace {

// A station name column of the full 580 rows with the given stations from row 1.
std::vector<std::string> Names(const std::vector<std::string>& stations) {
    std::vector<std::string> names(580);
    names[0] = "Stanice";
    for (size_t i = 0; i < stations.size(); ++i)
        names[i + 1] = stations[i];
    return names;
}

} // namespace

TEST(RainfallColumns, ValueColumnPerReturnPeriodItem) {
    const std::vector<int> expected = {1, 2, 3, 4, 6, 9};
    for (int item = 0; item < 6; ++item)
        EXPECT_EQ(RainfallValueColumn(item), expected[static_cast<size_t>(item)]);
    EXPECT_EQ(RainfallValueColumn(-1), 0);
    EXPECT_EQ(RainfallValueColumn(6), 0);
}

TEST(RainfallColumns, VariantIShowsFiveReturnPeriodsOthersTheChosenOneAndHundred) {
    EXPECT_EQ(RainfallDialogColumns(0, 5), (std::vector<int>{2, 3, 4, 6, 9}));
    EXPECT_EQ(RainfallDialogColumns(-1, 2), (std::vector<int>{2, 3, 4, 6, 9}));
    EXPECT_EQ(RainfallDialogColumns(1, 0), (std::vector<int>{1, 9}));
    EXPECT_EQ(RainfallDialogColumns(1, 4), (std::vector<int>{6, 9}));
    EXPECT_EQ(RainfallDialogColumns(2, 3), (std::vector<int>{4, 9}));
    EXPECT_EQ(RainfallDialogColumns(1, 5), (std::vector<int>{9, 9}));
}

TEST(RainfallTypeAhead, FirstLettersFindTheStationInCzechOrder) {
    const auto names = Names({"Adamov", "Beroun", "Brandýs nad Labem", "Brno", "Cetkovice", "Čáslav",
                              "Hradec", "Cheb", "Sedlec", "Šumperk", "Ústí nad Labem", "Žatec"});
    EXPECT_EQ(FindStationRow(names, "B"), 2);
    EXPECT_EQ(FindStationRow(names, "br"), 3);
    EXPECT_EQ(FindStationRow(names, "Brn"), 4);
    EXPECT_EQ(FindStationRow(names, "Brandys n"), 3); // accents and blanks aside
    EXPECT_EQ(FindStationRow(names, "usti"), 11);
    EXPECT_EQ(FindStationRow(names, "C"), 5); // not "Čáslav", nor "Cheb" (CH follows H)
    EXPECT_EQ(FindStationRow(names, "ch"), 8);
    EXPECT_EQ(FindStationRow(names, "č"), 6);
    EXPECT_EQ(FindStationRow(names, "S"), 9); // "Sedlec", not "Šumperk"
    EXPECT_EQ(FindStationRow(names, "Š"), 10);
    EXPECT_EQ(FindStationRow(names, "D"), 7); // no "D": the station that follows
    EXPECT_EQ(FindStationRow(names, "Brx"), 5);
    EXPECT_EQ(FindStationRow(names, "Zz"), 12);
    EXPECT_EQ(FindStationRow(names, "Ž"), 12);
    EXPECT_EQ(FindStationRow(names, ""), -1);
}

TEST(RainfallTypeAhead, EveryStationOfAFullTableIsReached) {
    // 579 stations: the last rows are found like the first.
    std::vector<std::string> stations(579, "Adamov");
    stations[577] = "Žatec";
    stations[578] = "Žďár nad Sázavou";
    const auto names = Names(stations);
    EXPECT_EQ(FindStationRow(names, "Žď"), 579);
    EXPECT_EQ(FindStationRow(names, "Ža"), 578);
    EXPECT_EQ(FindStationRow(names, "Zlin"), 578);
}

TEST(RainfallTypeAhead, EmptyTable) {
    const auto names = Names({});
    EXPECT_FALSE(HasStations(names));
    EXPECT_TRUE(HasStations(Names({"Adamov"})));
    EXPECT_EQ(FindStationRow(names, "K"), -1);
    EXPECT_EQ(FindStationRow({"Stanice"}, "K"), -1);
}
