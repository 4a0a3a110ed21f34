// Rainfall dialog rules: value columns per variant and the letter search.
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

TEST(RainfallLetterSearch, FirstStationNotBelowTheLetter) {
    const auto names = Names({"Adamov", "Beroun", "Cheb", "Sedlec", "Tábor"});
    EXPECT_EQ(FindStationRowByLetter(names, U'A'), 1);
    EXPECT_EQ(FindStationRowByLetter(names, U'B'), 2);
    EXPECT_EQ(FindStationRowByLetter(names, U'D'), 4); // no "D": the next initial
    EXPECT_EQ(FindStationRowByLetter(names, U's'), 4); // lower case searches too
    EXPECT_EQ(FindStationRowByLetter(names, U'Z'), LastSearchRow);
}

TEST(RainfallLetterSearch, AccentedInitialCountsAsA) {
    const auto names = Names({"Šumperk", "Beroun", "Sedlec"});
    EXPECT_EQ(FindStationRowByLetter(names, U'A'), 1);
    EXPECT_EQ(FindStationRowByLetter(names, U'S'), 3); // not the "Š" row
}

TEST(RainfallLetterSearch, NeverPastRow571AndOnlyLetters) {
    std::vector<std::string> stations(579, "Adamov");
    stations[575] = "Zlín";
    const auto names = Names(stations);
    EXPECT_EQ(FindStationRowByLetter(names, U'Z'), LastSearchRow);
    EXPECT_EQ(FindStationRowByLetter(names, U'1'), -1);
    EXPECT_EQ(FindStationRowByLetter(names, U'Č'), -1);
    EXPECT_EQ(FindStationRowByLetter(names, U' '), -1);
}

TEST(RainfallLetterSearch, EmptyTable) {
    const auto names = Names({});
    EXPECT_FALSE(HasStations(names));
    EXPECT_TRUE(HasStations(Names({"Adamov"})));
    EXPECT_EQ(FindStationRowByLetter(names, U'K'), LastSearchRow);
    EXPECT_EQ(FindStationRowByLetter({"Stanice"}, U'K'), -1);
}
