// Area-weighted soil group, curve number and roughness on small tables.
#include "core/reference/LookupWeighting.h"
#include "core/reference/ReferenceFiles.h"

#include <gtest/gtest.h>

using namespace hydrim;

namespace {
constexpr double kExact = 1e-12;
}

TEST(LookupSoilGroup, CategoryEdgesFromAreas) {
    // A = 1, B = 1: m = 1.5, n = 150 -> A-B.
    LookupOutcome twoGroups = SoilGroupFromAreas({"1", "1", "", ""});
    ASSERT_TRUE(twoGroups.ok());
    EXPECT_NEAR(twoGroups.value, 1.5, kExact);
    EXPECT_EQ(twoGroups.category, 2);

    EXPECT_EQ(SoilGroupFromAreas({"3", "1", "", ""}).category, 1);   // n = 125
    EXPECT_EQ(SoilGroupFromAreas({"74", "26", "", ""}).category, 2); // n = 126
    EXPECT_EQ(SoilGroupFromAreas({"", "", "25", "75"}).category, 6); // n = 375
    EXPECT_EQ(SoilGroupFromAreas({"", "", "24", "76"}).category, 7); // n = 376
    EXPECT_EQ(SoilGroupFromAreas({"", "2.5", "", ""}).category, 3);  // only B
}

TEST(LookupSoilGroup, CategoryTableByIndex) {
    EXPECT_EQ(SoilGroupCategory(1.0), 1);
    EXPECT_EQ(SoilGroupCategory(1.75), 2);
    EXPECT_EQ(SoilGroupCategory(1.76), 3);
    EXPECT_EQ(SoilGroupCategory(2.25), 3);
    EXPECT_EQ(SoilGroupCategory(2.26), 4);
    EXPECT_EQ(SoilGroupCategory(2.75), 4);
    EXPECT_EQ(SoilGroupCategory(3.25), 5);
    EXPECT_EQ(SoilGroupCategory(3.26), 6);
    EXPECT_EQ(SoilGroupCategory(4.0), 7);
}

TEST(LookupSoilGroup, NoAreaOrBadAreaIsRefused) {
    EXPECT_EQ(SoilGroupFromAreas({"", "", "", ""}).status, LookupStatus::ZeroArea);
    EXPECT_EQ(SoilGroupFromAreas({"0", "0.0", "", ""}).status, LookupStatus::ZeroArea);
    LookupOutcome bad = SoilGroupFromAreas({"", "1.2.", "", ""});
    EXPECT_EQ(bad.status, LookupStatus::InvalidNumber);
    EXPECT_EQ(bad.row, 3);
}

TEST(LookupSoilUnits, GroupWeightsAndDecisions) {
    EXPECT_EQ(SoilUnitGroupWeight("A"), 1.0);
    EXPECT_EQ(SoilUnitGroupWeight("A - B"), 1.5);
    EXPECT_EQ(SoilUnitGroupWeight("C - D"), 3.5);
    EXPECT_EQ(SoilUnitGroupWeight("D"), 4.0);
    EXPECT_FALSE(SoilUnitGroupWeight("B (C)").has_value());
    EXPECT_FALSE(SoilUnitGroupWeight("").has_value());
    EXPECT_FALSE(SoilUnitGroupWeight("A-B").has_value());
    EXPECT_TRUE(SoilGroupNeedsDecision("B (C)"));
    EXPECT_FALSE(SoilGroupNeedsDecision("B - C"));
    EXPECT_EQ(SoilGroupLetters("B (C)"), "BC");
    EXPECT_EQ(SoilGroupLetters("C - D"), "CD");
}

TEST(LookupSoilUnits, WeightedByEachRowsOwnGroup) {
    // m = 2·1/2 + 3.5·1/2 = 2.75 -> n = 275 -> B-C.
    LookupOutcome outcome = SoilGroupFromUnits({{3, "B", "1"}, {4, "B", ""}, {6, "C - D", "1"}});
    ASSERT_TRUE(outcome.ok());
    EXPECT_NEAR(outcome.value, 2.75, kExact);
    EXPECT_EQ(outcome.category, 4);
    // A decided alternative weighs as its chosen group.
    EXPECT_EQ(SoilGroupFromUnits({{5, "C", "2"}}).category, 5);
}

TEST(LookupSoilUnits, RowWithoutGroupIsRefusedNotWeightedWithThePreviousOne) {
    LookupOutcome missing = SoilGroupFromUnits({{3, "D", "1"}, {17, "", "1"}});
    EXPECT_EQ(missing.status, LookupStatus::MissingGroup);
    EXPECT_EQ(missing.row, 17);
    LookupOutcome undecided = SoilGroupFromUnits({{5, "B (C)", "1"}});
    EXPECT_EQ(undecided.status, LookupStatus::MissingGroup);
    EXPECT_EQ(undecided.row, 5);
    // An unknown group in a row without area does not matter.
    EXPECT_TRUE(SoilGroupFromUnits({{3, "A", "1"}, {17, "", ""}}).ok());
    EXPECT_EQ(SoilGroupFromUnits({{3, "A", ""}}).status, LookupStatus::ZeroArea);
}

TEST(LookupCurveNumber, AreaWeightedMean) {
    // CN = 1·80/4 + 3·70/4 = 72.5
    LookupOutcome outcome = WeightedCurveNumber({{2, "80", "1"}, {3, "75", ""}, {4, "70", "3"}});
    ASSERT_TRUE(outcome.ok());
    EXPECT_NEAR(outcome.value, 72.5, kExact);
    EXPECT_NEAR(WeightedCurveNumber({{2, " 39.99", "0.4"}}).value, 39.99, kExact);
}

TEST(LookupCurveNumber, ZeroAreaAndRowsWithoutCurveNumber) {
    EXPECT_EQ(WeightedCurveNumber({{2, "80", ""}, {3, "70", "0"}}).status, LookupStatus::ZeroArea);
    EXPECT_EQ(WeightedCurveNumber({}).status, LookupStatus::ZeroArea);
    LookupOutcome noNumber = WeightedCurveNumber({{2, "80", "1"}, {52, "", "1"}});
    EXPECT_EQ(noNumber.status, LookupStatus::MissingCurveNumber);
    EXPECT_EQ(noNumber.row, 52);
}

TEST(LookupRoughness, OnlyRowsWithValueAndArea) {
    // (8·1 + 9·1) / 2 = 8.5; the row without a value takes no part.
    LookupOutcome outcome = WeightedRoughness({{2, "8", "1"}, {3, "9", "1"}, {4, "", "5"}, {5, "20", ""}});
    ASSERT_TRUE(outcome.ok());
    EXPECT_NEAR(outcome.value, 8.5, kExact);
    EXPECT_NEAR(WeightedRoughness({{2, "12", "0.5"}, {7, "2", "1.5"}}).value, 4.5, kExact);
}

TEST(LookupRoughness, ZeroAreaIsReportedNotDividedBy) {
    EXPECT_EQ(WeightedRoughness({{2, "8", "0"}, {3, "9", ""}}).status, LookupStatus::ZeroArea);
    EXPECT_EQ(WeightedRoughness({{2, "8.", "1"}}).status, LookupStatus::Ok);
    EXPECT_EQ(WeightedRoughness({{2, "8", "1.."}}).status, LookupStatus::InvalidNumber);
}

// The shipped soil-unit table: every main soil unit 01–64 has a group, the
// units with an alternative are exactly the rows the dialog lets the user
// decide, and a slope spread over HPJ 14–64 weighs to the expected group and
// curve number.
TEST(LookupSoilUnits, ShippedTableGroupsEveryMainSoilUnit) {
    ReferenceTables reference;
    ASSERT_TRUE(ReadSoilUnitTable(HYDRIM_SOURCE_DIR "/DATA", reference).ok());
    ASSERT_TRUE(ReadCurveNumberTable(HYDRIM_SOURCE_DIR "/DATA", reference).ok());
    std::vector<int> decisionRows;
    std::vector<AreaRow> hpj14to64;
    for (int row = 3; row <= 66; ++row) {
        const std::string& group = reference.SoilUnitGroupsOriginal[row];
        if (SoilGroupNeedsDecision(group)) {
            decisionRows.push_back(row);
        } else {
            EXPECT_TRUE(SoilUnitGroupWeight(group).has_value()) << "row " << row << ": " << group;
        }
        if (row >= 16) { // HPJ 14 and on; an alternative decided as the group outside the parentheses
            const std::string letters = SoilGroupLetters(group);
            const bool alternativeFirst = group.front() == '(';
            const std::string decided = !SoilGroupNeedsDecision(group) ? group
                                        : alternativeFirst             ? letters.substr(1, 1)
                                                                       : letters.substr(0, 1);
            hpj14to64.push_back({row, decided, "1"});
        }
    }
    EXPECT_EQ(decisionRows, (std::vector<int>{5, 10, 17, 18, 19, 27, 28, 33, 34, 37, 39, 54, 55, 63}));
    EXPECT_EQ(SoilGroupLetters(reference.SoilUnitGroupsOriginal[18]), "AB"); // HPJ 16 "(A) B"

    const LookupOutcome group = SoilGroupFromUnits(hpj14to64);
    ASSERT_TRUE(group.ok());
    EXPECT_NEAR(group.value, 126.0 / 51.0, kExact); // n = 247
    EXPECT_EQ(group.category, 4);                   // B-C
    const auto& column = reference.CurveNumberTable[group.category];
    const LookupOutcome cn = WeightedCurveNumber({{2, column[2], "1"}, {3, column[3], "3"}});
    ASSERT_TRUE(cn.ok());
    EXPECT_NEAR(cn.value, (89.0 + 3 * 88.0) / 4, kExact);
}

TEST(LookupWeighting, AreasThatDoNotAddUpToTheSlopeAreWarnedOf) {
    EXPECT_EQ(AreaSumWarning({"0.5", "", "0.7"}, "1.5"),
              "Součet zadaných ploch (1.2 km²) neodpovídá ploše svahu (1.5 km²). "
              "Zkontrolujte plochy: výsledek je jejich váženým průměrem.");
    EXPECT_EQ(AreaSumWarning({"0.5", "0.995"}, "1.5"), ""); // within 1 %
    EXPECT_EQ(AreaSumWarning({"0.5", "0.7"}, ""), "");      // the slope's area not given yet
    EXPECT_EQ(AreaSumWarning({"", "x"}, "1.5"), "");        // nothing entered
}
