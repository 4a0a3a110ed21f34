// Typing rules of the lookup grids: key filter, cell corrections, result text.
#include "core/reference/LookupEntry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace hydrim;

namespace {

// Feeds keys one by one into a cell the way the grid does: filter the key,
// append it, then correct the whole text.
template <typename Correct> std::string TypeKeys(const std::string& keys, Correct correct) {
    std::string text;
    for (char key : keys) {
        const auto passed = FilterLookupKey(static_cast<char32_t>(key));
        if (!passed)
            continue;
        text += static_cast<char>(*passed);
        text = correct(text);
    }
    return text;
}

} // namespace

TEST(LookupKeyFilter, PassesDigitsPointAndControlKeysTurnsCommaIntoPoint) {
    for (char32_t key : {U'0', U'5', U'9', U'.', KeyBackspace, KeyEnter, KeyEscape})
        EXPECT_EQ(FilterLookupKey(key), key);
    EXPECT_EQ(FilterLookupKey(U','), U'.');
    for (char32_t key : {U'a', U'Z', U'-', U'+', U' ', U'e', U'č'})
        EXPECT_FALSE(FilterLookupKey(key).has_value()) << static_cast<int>(key);
}

TEST(LookupDecimalText, AcceptsPlainDecimalsOnly) {
    for (const char* text : {"0", "12", "2.5", "3.", ".5", "007"})
        EXPECT_TRUE(IsDecimalText(text)) << text;
    for (const char* text : {"", ".", "1.2.", "1,5", "-1", " 1", "1e3", "abc"})
        EXPECT_FALSE(IsDecimalText(text)) << text;
    EXPECT_DOUBLE_EQ(*ParseDecimalText("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(*ParseDecimalText(".5"), 0.5);
    EXPECT_DOUBLE_EQ(*ParseDecimalText("3."), 3.0);
    EXPECT_FALSE(ParseDecimalText("1..2").has_value());
}

TEST(LookupAreaCell, TypedSequencesAndDroppedCharacters) {
    const auto area = [](const std::string& text) { return CorrectAreaText(text); };
    EXPECT_EQ(TypeKeys("2,5", area), "2.5");
    EXPECT_EQ(TypeKeys("2x5", area), "25");     // a letter does nothing
    EXPECT_EQ(TypeKeys("1.2.3", area), "1.23"); // a second point is dropped
    EXPECT_EQ(TypeKeys(".", area), "");
    EXPECT_EQ(CorrectAreaText("7.5"), "7.5");
}

TEST(LookupRoughnessCell, RangeIsCheckedWhenTheEditEnds) {
    EXPECT_EQ(FinishRoughnessText("25", 20, 35), "25");
    EXPECT_EQ(FinishRoughnessText("2", 20, 35), "20");
    EXPECT_EQ(FinishRoughnessText("50", 20, 35), "35");
    EXPECT_EQ(FinishRoughnessText("2.5", 1, 3), "2.5");
    EXPECT_EQ(FinishRoughnessText("", 5, 40), "");
}

TEST(LookupResultText, FiveCharactersTwoDecimals) {
    EXPECT_EQ(FormatLookupResult(8.5), " 8.50");
    EXPECT_EQ(FormatLookupResult(72.5), "72.50");
    EXPECT_EQ(FormatLookupResult(39.994), "39.99");
    EXPECT_EQ(FormatLookupResult(100.0), "100.00");
}
