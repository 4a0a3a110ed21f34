// The roughness entries of a project follow their classes when the user's
// class table changes.
#include "core/reference/RoughnessClasses.h"

#include <gtest/gtest.h>

using namespace hydrim;

namespace {

// A table grid as the roughness reader gives it: rows 0 and 1 are headers.
TableGrid Grid(const std::vector<std::vector<std::string>>& classes) {
    TableGrid grid;
    grid.Cells = {{"Titul g:podtitul", "", ""}, {"Druh", "Třída", "g"}};
    grid.Cells.insert(grid.Cells.end(), classes.begin(), classes.end());
    grid.Cells.resize(17, std::vector<std::string>(3));
    return grid;
}

} // namespace

TEST(RoughnessClasses, ClassesAreKnownByTheirGroupClassAndRange) {
    const RoughnessClassKeys keys = RoughnessClassKeysOf(
        Grid({{"Les ", "1", "5-40"}, {"", " 2", "1-3 "}, {"Pole", "1", "5-40"}, {"", "", ""}}));
    EXPECT_EQ(keys[2], "Les;1!5-40");
    EXPECT_EQ(keys[3], "Les;2!1-3"); // a class without a description of its own belongs to the group above
    EXPECT_EQ(keys[4], "Pole;1!5-40");
    EXPECT_EQ(keys[5], "");
    EXPECT_EQ(keys[1], "");
}

TEST(RoughnessClasses, EntriesFollowTheirClassAndThoseOfClassesGoneAreLeftOut) {
    const RoughnessClassKeys before =
        RoughnessClassKeysOf(Grid({{"Les", "1", "5-40"}, {"Louka", "2", "10-30"}, {"Pole", "3", "2-40"}}));
    LookupState lookup;
    auto& left = lookup.RoughnessInputs[1];
    const struct {
        size_t row;
        const char* value;
        const char* area;
    } entries[] = {{2, "10", "1"}, {3, "20", "3"}, {4, "30", "2"}};
    for (const auto& entry : entries) {
        left[0][entry.row] = entry.value;
        left[1][entry.row] = entry.area;
        lookup.RoughnessClasses[1][entry.row] = before[entry.row];
    }
    // The user deletes "Les" and moves "Pole" up.
    const RoughnessClassKeys after =
        RoughnessClassKeysOf(Grid({{"Pole", "3", "2-40"}, {"Louka", "2", "10-30"}}));
    const std::vector<UnplacedRoughnessEntry> unplaced = PlaceRoughnessEntries(lookup, after);
    EXPECT_EQ(left[0][2], "30");
    EXPECT_EQ(left[1][2], "2");
    EXPECT_EQ(left[0][3], "20");
    EXPECT_EQ(left[0][4], "");
    EXPECT_EQ(lookup.RoughnessClasses[1][2], "Pole;3!2-40");
    EXPECT_EQ(lookup.RoughnessClasses[1][4], "");
    ASSERT_EQ(unplaced.size(), 1u);
    EXPECT_EQ(
        UnplacedRoughnessNotice(unplaced, true),
        "Tabulka drsnosti (Gama.tab) už neobsahuje třídy povrchu, pro které projekt uchovával zadání. "
        "Tato zadání se do váženého průměru drsnosti nezapočítávají a byla z projektu vypuštěna; drsnost "
        "svahu ve vstupních údajích zůstává, jak byla vložena:\n"
        "  levý svah – Les, třída 1, rozsah 5-40: hodnota 10, plocha 1 km²");
    EXPECT_EQ(UnplacedRoughnessNotice({}, true), "");
}

TEST(RoughnessClasses, EntriesOfOldFilesStayInTheirRowsAndTakeTheirClasses) {
    LookupState lookup;
    lookup.RoughnessInputs[0][0][3] = "15";
    lookup.RoughnessInputs[0][1][3] = "0.5";
    lookup.RoughnessInputs[0][1][9] =
        "0.2"; // a row the table no longer has keeps its entry, as it always did
    const RoughnessClassKeys keys =
        RoughnessClassKeysOf(Grid({{"Les", "1", "5-40"}, {"Louka", "2", "10-30"}}));
    EXPECT_TRUE(PlaceRoughnessEntries(lookup, keys).empty());
    EXPECT_EQ(lookup.RoughnessInputs[0][0][3], "15");
    EXPECT_EQ(lookup.RoughnessClasses[0][3], "Louka;2!10-30");
    EXPECT_EQ(lookup.RoughnessInputs[0][1][9], "0.2");
    EXPECT_EQ(lookup.RoughnessClasses[0][9], "");
}
