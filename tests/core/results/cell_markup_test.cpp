#include "core/results/CellMarkup.h"

#include <gtest/gtest.h>

namespace hydrim {
namespace {

using Runs = std::vector<TextRun>;

TextRun Piece(const std::string& text, TextRun::Position position = TextRun::Normal, bool symbol = false) {
    return {text, position, symbol, false};
}

TEST(CellMarkup, SymbolsGetALoweredIndexAfterTheirBase) {
    EXPECT_EQ(SymbolRuns(" Q1", false, true), (Runs{Piece(" Q"), Piece("1", TextRun::Lowered)}));
    EXPECT_EQ(SymbolRuns(" CNII", false, true), (Runs{Piece(" CN"), Piece("II", TextRun::Lowered)}));
    EXPECT_EQ(SymbolRuns(" max iso", false, true), (Runs{Piece(" max i"), Piece("so", TextRun::Lowered)}));
    // Without the named bases only two characters form the base.
    EXPECT_EQ(SymbolRuns(" CNII", false, false), (Runs{Piece(" C"), Piece("NII", TextRun::Lowered)}));
    EXPECT_EQ(SymbolRuns(" CN", false, true), (Runs{Piece(" CN")}));
    EXPECT_TRUE(SymbolRuns("", true, true).empty());
}

TEST(CellMarkup, ShortSymbolsAreGreekOnlyWhereAsked) {
    EXPECT_EQ(SymbolRuns(" g", true, true), (Runs{Piece(" g", TextRun::Normal, true)}));
    EXPECT_EQ(SymbolRuns(" W", false, true), (Runs{Piece(" W")}));
    EXPECT_EQ(SymbolFontToUnicode(" g"), " γ");
    EXPECT_EQ(SymbolFontToUnicode("aW1"), "αΩ1");
}

TEST(CellMarkup, DescriptionsLowerTheTailAfterTheFirstMarker) {
    const std::vector<std::string_view> markers = {"tsk", "H1dN"};
    EXPECT_EQ(DescriptionRuns("úhrn srážky při tsk", markers),
              (Runs{Piece("úhrn srážky při t"), Piece("sk", TextRun::Lowered)}));
    EXPECT_EQ(DescriptionRuns("objem PV vyvolané H1dN", markers),
              (Runs{Piece("objem PV vyvolané H"), Piece("1dN", TextRun::Lowered)}));
    EXPECT_EQ(DescriptionRuns("objem PV vyvolaný H1d100", {"H1d"}),
              (Runs{Piece("objem PV vyvolaný H"), Piece("1d100", TextRun::Lowered)}));
    EXPECT_EQ(DescriptionRuns("šířka svahu", markers), (Runs{Piece("šířka svahu")}));
}

TEST(CellMarkup, UnitsRaiseExponentsAndThePowerOfTen) {
    EXPECT_EQ(UnitRuns("  [km2]"), (Runs{Piece("  [km"), Piece("2", TextRun::Raised), Piece("]")}));
    EXPECT_EQ(UnitRuns("  [m3.s-1]"), (Runs{Piece("  [m"), Piece("3", TextRun::Raised), Piece(".s"),
                                            Piece("-1", TextRun::Raised), Piece("]")}));
    EXPECT_EQ(UnitRuns("  [mm.min-1]"), (Runs{Piece("  [mm.min"), Piece("-1", TextRun::Raised), Piece("]")}));
    EXPECT_EQ(UnitRuns("  [103.m3]"), (Runs{Piece("  [10"), Piece("3", TextRun::Raised), Piece(".m"),
                                            Piece("3", TextRun::Raised), Piece("]")}));
    EXPECT_EQ(UnitRuns("  [min]"), (Runs{Piece("  [min]")}));
    // A trailing minus raises what there is and never reads past the text.
    EXPECT_EQ(UnitRuns("a-"), (Runs{Piece("a"), Piece("-", TextRun::Raised)}));
}

TEST(CellMarkup, PlainTextsKeepExponentsAndGreekLetters) {
    EXPECT_EQ(PlainText(UnitRuns("  [103.m3]"), RaisedNotation::Superscript), "  [10³.m³]");
    EXPECT_EQ(PlainText(UnitRuns("[m3.s-1]"), RaisedNotation::Superscript), "[m³.s⁻¹]");
    EXPECT_EQ(PlainText(UnitRuns("[103.m3]"), RaisedNotation::Caret), "[10^3.m^3]");
    EXPECT_EQ(PlainText(UnitRuns("[mm.min-1]"), RaisedNotation::Caret), "[mm.min^-1]");
    // A raised part without superscript characters for all of it keeps a caret.
    EXPECT_EQ(PlainText({Piece("x"), Piece("−c", TextRun::Raised)}, RaisedNotation::Superscript), "x⁻ᶜ");
    EXPECT_EQ(PlainText({Piece("x"), Piece("−0.3", TextRun::Raised)}, RaisedNotation::Superscript), "x^−0.3");
    EXPECT_EQ(PlainText(SymbolRuns(" g", true, true), RaisedNotation::Superscript), " γ");
    EXPECT_EQ(PlainText(SymbolRuns(" H1d", false, true), RaisedNotation::Superscript), " H1d");
}

} // namespace
} // namespace hydrim
