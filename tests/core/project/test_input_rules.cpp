#include "core/project/InputRules.h"

#include <gtest/gtest.h>

using namespace hydrim;

namespace hydrim {
void PrintTo(const FilteredText& field, std::ostream* os) {
    *os << '"' << field.Text << "\" caret " << field.Caret;
}
void PrintTo(const Correction& step, std::ostream* os) {
    *os << "{message " << static_cast<int>(step.Message) << ", Edit" << step.Field << " := \"" << step.Text
        << "\"}";
}
} // namespace hydrim

namespace {

// Types text into an empty field one character at a time, as the filter sees
// it after each key (caret at the end).
std::string TypeChars(const std::string& keys) {
    std::string text;
    for (char key : keys) {
        const std::string typed = text + key;
        text = FilterNumber(typed, static_cast<int>(typed.size())).Text;
    }
    return text;
}

FilledInputs Members(std::initializer_list<int> members) {
    FilledInputs filled;
    for (int m : members) {
        filled.add(m);
    }
    return filled;
}

FilledInputs Range(FilledInputs filled, int first, int last) {
    for (int m = first; m <= last; ++m) {
        filled.add(m);
    }
    return filled;
}

InputFieldTexts Fields(int variant, int returnPeriodItem = ReturnPeriodItem100) {
    InputFieldTexts fields;
    fields.Variant = variant;
    fields.ReturnPeriodItem = returnPeriodItem;
    return fields;
}

Correction Step(CorrectionMessage message, int field, const std::string& text) {
    return {message, field, text};
}

} // namespace

TEST(FilterNumber, TypingKeepsDigitsAndOnePointNeverFirst) {
    EXPECT_EQ(TypeChars(","), "");         // a comma into an empty field is refused
    EXPECT_EQ(TypeChars("."), "");         // so is a point
    EXPECT_EQ(TypeChars("1,"), "1.");      // a comma after 1 becomes a point
    EXPECT_EQ(TypeChars("1.2."), "1.2");   // a second point is refused
    EXPECT_EQ(TypeChars("1,2,3"), "1.23"); // ... also as a comma
    EXPECT_EQ(TypeChars("a1b2"), "12");    // letters are dropped
    EXPECT_EQ(TypeChars("123456"), "12345");
    EXPECT_EQ(TypeChars("12.3456"), "12.34");
}

TEST(FilterNumber, JudgesTheCharacterBeforeTheCaret) {
    // A point typed in front of the existing one is refused, the old one stays.
    EXPECT_EQ(FilterNumber("1.2.5", 2), (FilteredText{"12.5", 1}));
    // A point typed at the start is refused.
    EXPECT_EQ(FilterNumber(".25", 1), (FilteredText{"25", 0}));
    // A point typed in the middle of digits is taken.
    EXPECT_EQ(FilterNumber("1,25", 2), (FilteredText{"1.25", 2}));
    // A letter typed in the middle goes, the caret steps back.
    EXPECT_EQ(FilterNumber("1x25", 2), (FilteredText{"125", 1}));
    // A sixth character typed in the middle is refused.
    EXPECT_EQ(FilterNumber("123456", 3), (FilteredText{"12456", 2}));
    // Deleting the leading digit of "1.5" keeps the value's form: "0.5".
    EXPECT_EQ(FilterNumber(".5", 0), (FilteredText{"0.5", 1}));
}

TEST(FilterNumber, PastedTextIsFilteredWhole) {
    auto pasted = [](const std::string& text) {
        return FilterNumber(text, static_cast<int>(text.size())).Text;
    };
    EXPECT_EQ(pasted("abc"), "");
    EXPECT_EQ(pasted("12abc"), "12");   // the last character alone would pass
    EXPECT_EQ(pasted("x9"), "9");       // a digit last, garbage first
    EXPECT_EQ(pasted("1,5 mm"), "1.5"); // decimal comma, unit
    EXPECT_EQ(pasted("1.2.3"), "1.23");
    EXPECT_EQ(pasted(" 42 "), "42");
    EXPECT_EQ(pasted("-7"), "7");
    EXPECT_EQ(pasted(".75"), "0.75");
    EXPECT_EQ(pasted("123456789"), "12345");
    EXPECT_EQ(pasted("Plocha: 3,25 km²"), "3.25");
    EXPECT_EQ(pasted("šš5"), "5"); // non-ASCII letters count as characters
    // The caret follows the kept characters: "4" pasted into "1|2" as "a4b".
    EXPECT_EQ(FilterNumber("1a4b2", 4), (FilteredText{"142", 2}));
    // The limit cuts the pasted part (just before the caret), not the old text.
    EXPECT_EQ(FilterNumber("99777771", 7), (FilteredText{"99771", 4}));
}

TEST(FilterNumber, ProgramWritesAreNotCutWithoutALimit) {
    EXPECT_EQ(FilterNumber("123.45", 6, 0).Text, "123.45");
    EXPECT_EQ(FilterNumber("", 0).Text, "");
    EXPECT_EQ(FilterNumber("12", 99).Text, "12"); // a caret beyond the end is the end
}

TEST(FieldValue, ReadsFilteredNumbersOnly) {
    constexpr double Tolerance = 1e-12;
    EXPECT_NEAR(FieldValue("1.5").value(), 1.5, Tolerance);
    EXPECT_NEAR(FieldValue("3.").value(), 3.0, Tolerance);
    EXPECT_NEAR(FieldValue("0.25").value(), 0.25, Tolerance);
    EXPECT_FALSE(FieldValue(""));
    EXPECT_FALSE(FieldValue("1,5"));
    EXPECT_FALSE(FieldValue("-1"));
    EXPECT_FALSE(FieldValue("1e3"));
    EXPECT_FALSE(FieldValue(".5"));
}

TEST(RainKeyFilter, DigitsBackspaceAndOnePointAfterText) {
    EXPECT_EQ(RainKeyFilter("", U'7'), '7');
    EXPECT_EQ(RainKeyFilter("12", U'\b'), '\b');
    EXPECT_EQ(RainKeyFilter("12", U','), '.');
    EXPECT_EQ(RainKeyFilter("12", U'.'), '.');
    EXPECT_FALSE(RainKeyFilter("", U','));
    EXPECT_FALSE(RainKeyFilter("1.2", U'.'));
    EXPECT_FALSE(RainKeyFilter("12", U'a'));
    EXPECT_FALSE(RainKeyFilter("12", U'-'));
    EXPECT_FALSE(RainKeyFilter("12", U'ř'));
}

TEST(Membership, FieldMembersAndFilledRule) {
    const std::pair<int, int> expected[] = {
        {5, 0},   {6, 1},   {8, 3},   {9, 4},   {24, 5},  {25, 6},  {26, 7},  {10, 8},  {11, 9}, {12, 10},
        {14, 12}, {15, 13}, {16, 14}, {17, 16}, {18, 17}, {19, 18}, {21, 20}, {22, 21}, {23, 22}};
    for (auto [field, member] : expected) {
        EXPECT_EQ(FieldMember(field), member) << "Edit" << field;
    }
    for (int k : {1, 2, 3, 4, 7, 13, 20}) {
        EXPECT_EQ(FieldMember(k), -1) << "Edit" << k;
    }
    EXPECT_FALSE(FieldCountsFilled(EditAreaL, "0"));
    EXPECT_FALSE(FieldCountsFilled(EditAreaL, "0.0"));
    EXPECT_FALSE(FieldCountsFilled(EditAreaL, ""));
    EXPECT_TRUE(FieldCountsFilled(EditAreaL, "0.01"));
    // The N = 10, 20, 50 fields count as filled with any text.
    EXPECT_TRUE(FieldCountsFilled(EditRain20, "0"));
    EXPECT_FALSE(FieldCountsFilled(EditRain20, ""));
}

TEST(ComputeEnabled, RequiredMembersPerTypeAndVariant) {
    const FilledInputs oneSlopeI = Range(Members({0, 1, 3, 4, 5, 6, 7}), 8, 12);
    EXPECT_TRUE(ComputeEnabled(0, 0, oneSlopeI));
    EXPECT_FALSE(ComputeEnabled(1, 0, oneSlopeI)); // right slope missing
    EXPECT_TRUE(ComputeEnabled(1, 0, Range(oneSlopeI, 16, 20)));
    EXPECT_FALSE(ComputeEnabled(-1, 0, oneSlopeI));
    EXPECT_FALSE(ComputeEnabled(0, -1, oneSlopeI));
    for (int m : {0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}) {
        FilledInputs missing = oneSlopeI;
        missing.remove(m);
        EXPECT_FALSE(ComputeEnabled(0, 0, missing)) << "member " << m;
    }

    const FilledInputs oneSlopeII = Range(Range({}, 0, 4), 8, 13);
    EXPECT_TRUE(ComputeEnabled(0, 1, oneSlopeII));
    EXPECT_FALSE(ComputeEnabled(0, 0, oneSlopeII)); // N = 10, 20, 50 missing
    FilledInputs noPeriod = oneSlopeII;
    noPeriod.remove(2);
    EXPECT_FALSE(ComputeEnabled(0, 1, noPeriod));
    EXPECT_FALSE(ComputeEnabled(1, 1, Range(oneSlopeII, 16, 20)));
    EXPECT_TRUE(ComputeEnabled(1, 1, Range(oneSlopeII, 16, 21)));

    const FilledInputs oneSlopeIII = Range(Members({0, 1}), 8, 14);
    EXPECT_TRUE(ComputeEnabled(0, 2, oneSlopeIII));
    EXPECT_FALSE(ComputeEnabled(0, 1, oneSlopeIII));
    EXPECT_TRUE(ComputeEnabled(1, 2, Range(oneSlopeIII, 16, 22)));
    EXPECT_FALSE(ComputeEnabled(1, 2, Range(oneSlopeIII, 16, 21)));
    // "Exactly": a member outside 8..14 (never set by the window) spoils it.
    FilledInputs extra = oneSlopeIII;
    extra.add(15);
    EXPECT_FALSE(ComputeEnabled(0, 2, extra));
}

TEST(Visibility, FieldsPerTypeAndVariant) {
    EXPECT_FALSE(EditShown(0, -1, EditValleyLength));
    EXPECT_FALSE(EditShown(-1, 0, EditValleyLength));
    // Variant I: five rainfall fields, no duration or intensity.
    for (int k : {5, 6, 8, 9, 24, 25, 26, 10, 11, 12, 14}) {
        EXPECT_TRUE(EditShown(0, 0, k)) << "Edit" << k;
    }
    for (int k : {15, 16, 17, 21, 22, 23, 7, 13, 20, 1}) {
        EXPECT_FALSE(EditShown(0, 0, k)) << "Edit" << k;
    }
    // Variant II: N and N = 100, durations.
    EXPECT_TRUE(EditShown(1, 1, EditRainN) && EditShown(1, 1, EditRain100));
    EXPECT_TRUE(EditShown(1, 1, EditDurationL) && EditShown(1, 1, EditDurationR));
    EXPECT_FALSE(EditShown(1, 1, EditRain10) || EditShown(1, 1, EditIntensityL));
    EXPECT_FALSE(EditShown(0, 1, EditDurationR));
    // Variant III: no rainfall, durations and intensities.
    EXPECT_FALSE(EditShown(1, 2, EditRainN) || EditShown(1, 2, EditRain100));
    EXPECT_TRUE(EditShown(1, 2, EditIntensityL) && EditShown(1, 2, EditIntensityR));
    EXPECT_TRUE(ReturnPeriodShown(0, 1));
    EXPECT_FALSE(ReturnPeriodShown(0, 0) || ReturnPeriodShown(0, 2) || ReturnPeriodShown(-1, 1));
    EXPECT_TRUE(RainfallButtonShown(1, 0) && RainfallButtonShown(1, 1));
    EXPECT_FALSE(RainfallButtonShown(1, 2));
}

TEST(ExitCorrections, CurveNumberBounds) {
    InputFieldTexts fields = Fields(0);
    fields.Edit[EditCnL] = "39.9";
    EXPECT_EQ(ExitCorrections(EditCnL, fields),
              std::vector<Correction>{Step(CorrectionMessage::OutOfRange, EditCnL, "40")});
    fields.Edit[EditCnR] = "101";
    EXPECT_EQ(ExitCorrections(EditCnR, fields),
              std::vector<Correction>{Step(CorrectionMessage::OutOfRange, EditCnR, "100")});
    fields.Edit[EditCnL] = "40";
    EXPECT_TRUE(ExitCorrections(EditCnL, fields).empty());
    fields.Edit[EditCnL] = "";
    EXPECT_TRUE(ExitCorrections(EditCnL, fields).empty());
}

TEST(ExitCorrections, DurationAndIntensityPairs) {
    InputFieldTexts fields = Fields(1);
    fields.Edit[EditDurationL] = "5";
    fields.Edit[EditDurationR] = "60";
    // A duration of 5 on the left becomes 10 on both slopes.
    EXPECT_EQ(ExitCorrections(EditDurationL, fields),
              (std::vector<Correction>{Step(CorrectionMessage::OutOfRange, EditDurationL, "10"),
                                       Step(CorrectionMessage::None, EditDurationR, "10")}));
    fields.Edit[EditDurationR] = "301";
    EXPECT_EQ(ExitCorrections(EditDurationR, fields),
              (std::vector<Correction>{Step(CorrectionMessage::OutOfRange, EditDurationR, "300"),
                                       Step(CorrectionMessage::None, EditDurationL, "300")}));
    // An empty field takes its twin's text.
    fields.Edit[EditIntensityL] = "";
    fields.Edit[EditIntensityR] = "1.2";
    EXPECT_EQ(ExitCorrections(EditIntensityL, fields),
              std::vector<Correction>{Step(CorrectionMessage::None, EditIntensityL, "1.2")});
    fields.Edit[EditIntensityL] = "0.8";
    EXPECT_EQ(ExitCorrections(EditIntensityL, fields),
              std::vector<Correction>{Step(CorrectionMessage::None, EditIntensityR, "0.8")});
    fields.Edit[EditIntensityR] = "0.8";
    EXPECT_TRUE(ExitCorrections(EditIntensityR, fields).empty());
}

TEST(ExitCorrections, RainfallBoundsThenN100) {
    InputFieldTexts fields = Fields(0);
    fields.Edit[EditRain20] = "600";
    fields.Edit[EditRain100] = "450";
    EXPECT_EQ(ExitCorrections(EditRain20, fields),
              (std::vector<Correction>{Step(CorrectionMessage::OutOfRange, EditRain20, "500"),
                                       Step(CorrectionMessage::Rain100, EditRain100, "500")}));
    fields.Edit[EditRain20] = "9";
    EXPECT_EQ(ExitCorrections(EditRain20, fields),
              std::vector<Correction>{Step(CorrectionMessage::OutOfRange, EditRain20, "10")});
    // An empty N = 100 field is never below another rainfall.
    fields.Edit[EditRain20] = "480";
    fields.Edit[EditRain100] = "";
    EXPECT_TRUE(ExitCorrections(EditRain20, fields).empty());
    fields.Edit[EditRain100] = "95.5";
    fields.Edit[EditRainN] = "95.6";
    EXPECT_EQ(ExitCorrections(EditRainN, fields),
              std::vector<Correction>{Step(CorrectionMessage::Rain100, EditRain100, "95.6")});
}

TEST(ExitCorrections, VariantIIWithN100KeepsBothFieldsEqual) {
    InputFieldTexts fields = Fields(1, ReturnPeriodItem100);
    fields.Edit[EditRainN] = "80";
    fields.Edit[EditRain100] = "90";
    EXPECT_EQ(ExitCorrections(EditRainN, fields),
              std::vector<Correction>{Step(CorrectionMessage::Rain100, EditRain100, "80")});
    // An empty N = 100 field is filled without a message: it is no error.
    fields.Edit[EditRain100] = "";
    EXPECT_EQ(ExitCorrections(EditRainN, fields),
              std::vector<Correction>{Step(CorrectionMessage::None, EditRain100, "80")});
    EXPECT_EQ(ReturnPeriodExitCorrections(fields),
              std::vector<Correction>{Step(CorrectionMessage::None, EditRain100, "80")});
    fields.Edit[EditRain100] = "90";
    // With another return period the lower N rain is left alone.
    fields.ReturnPeriodItem = 3;
    EXPECT_TRUE(ExitCorrections(EditRainN, fields).empty());
    // Variant I has no such rule for the N = 5 field.
    fields = Fields(0, ReturnPeriodItem100);
    fields.Edit[EditRainN] = "80";
    fields.Edit[EditRain100] = "90";
    EXPECT_TRUE(ExitCorrections(EditRainN, fields).empty());
}

TEST(ExitCorrections, N100FieldVariantITakesTheLargestFirstOnTies) {
    InputFieldTexts fields = Fields(0);
    fields.Edit[EditRainN] = "60";
    fields.Edit[EditRain10] = "70";
    fields.Edit[EditRain20] = "85";
    fields.Edit[EditRain50] = "85.0";
    fields.Edit[EditRain100] = "80";
    EXPECT_EQ(ExitCorrections(EditRain100, fields),
              std::vector<Correction>{Step(CorrectionMessage::Rain100, EditRain100, "85")});
    fields.Edit[EditRain100] = "700";
    EXPECT_EQ(ExitCorrections(EditRain100, fields),
              std::vector<Correction>{Step(CorrectionMessage::OutOfRange, EditRain100, "500")});
    fields.Edit[EditRain100] = "5";
    EXPECT_EQ(ExitCorrections(EditRain100, fields),
              (std::vector<Correction>{Step(CorrectionMessage::OutOfRange, EditRain100, "10"),
                                       Step(CorrectionMessage::Rain100, EditRain100, "85")}));
}

TEST(ExitCorrections, N100FieldVariantsIIAndIII) {
    InputFieldTexts fields = Fields(1, 2);
    fields.Edit[EditRainN] = "70";
    fields.Edit[EditRain100] = "65";
    EXPECT_EQ(ExitCorrections(EditRain100, fields),
              std::vector<Correction>{Step(CorrectionMessage::Rain100, EditRain100, "70")});
    fields.Edit[EditRain100] = "95";
    EXPECT_TRUE(ExitCorrections(EditRain100, fields).empty());
    // With N = 100 chosen the N = 100 field follows the N field.
    fields.ReturnPeriodItem = ReturnPeriodItem100;
    EXPECT_EQ(ExitCorrections(EditRain100, fields),
              std::vector<Correction>{Step(CorrectionMessage::Rain100, EditRain100, "70")});
    fields.Edit[EditRainN] = "";
    EXPECT_TRUE(ExitCorrections(EditRain100, fields).empty());
}

TEST(ExitCorrections, ReturnPeriodListWithN100) {
    InputFieldTexts fields = Fields(1, ReturnPeriodItem100);
    fields.Edit[EditRainN] = "72";
    fields.Edit[EditRain100] = "90";
    EXPECT_EQ(ReturnPeriodExitCorrections(fields),
              std::vector<Correction>{Step(CorrectionMessage::Rain100, EditRain100, "72")});
    fields.ReturnPeriodItem = 4;
    EXPECT_TRUE(ReturnPeriodExitCorrections(fields).empty());
    fields.ReturnPeriodItem = ReturnPeriodItem100;
    fields.Edit[EditRainN] = "";
    EXPECT_TRUE(ReturnPeriodExitCorrections(fields).empty());
    EXPECT_EQ(CorrectionMessageText(CorrectionMessage::Rain100),
              "Hodnota pro N=100 bude automaticky opravena!");
    EXPECT_EQ(CorrectionMessageText(CorrectionMessage::OutOfRange),
              "Hodnota mimo mez !! Bude automaticky opravena.");
}

TEST(ExitCorrections, FieldsWithoutRulesAreLeftAlone) {
    InputFieldTexts fields = Fields(0);
    fields.Edit[EditAreaL] = "9999";
    fields.Edit[EditValleySlope] = "0";
    EXPECT_TRUE(ExitCorrections(EditAreaL, fields).empty());
    EXPECT_TRUE(ExitCorrections(EditValleySlope, fields).empty());
}

TEST(Description, LinesSurviveTheEditorText) {
    using Lines = std::vector<std::string>;
    for (const Lines& lines :
         {Lines{}, Lines{""}, Lines{"a"}, Lines{"a", ""}, Lines{"Povodí", "", "Žďár"}, Lines{"", "", ""}}) {
        EXPECT_EQ(DescriptionLines(DescriptionText(lines)), lines) << DescriptionText(lines);
    }
    EXPECT_EQ(DescriptionText({"a", "b"}), "a\nb");
    EXPECT_EQ(DescriptionLines("a\r\nb\n"), (Lines{"a", "b"}));
    EXPECT_TRUE(DescriptionLines("").empty());
}
