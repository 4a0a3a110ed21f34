#include "core/project/InputCheck.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace hydrim {
namespace {

// A complete one-slope project of the given variant.
Project Complete(int variant, int catchmentType = 0) {
    Project p;
    p.Texts.CatchmentType = catchmentType;
    p.Texts.Variant = variant;
    p.Texts.ReturnPeriodItem = 2;
    p.Texts.CnTypeItemL = 1;
    p.Texts.CnTypeItemR = 1;
    auto& e = p.Texts.Edit;
    e[EditValleyLength] = "1.5";
    e[EditValleySlope] = "3";
    e[EditRainN] = "45";
    e[EditRain10] = "55";
    e[EditRain20] = "65";
    e[EditRain50] = "78";
    e[EditRain100] = "90";
    for (int offset : {0, 7}) {
        e[EditAreaL + offset] = "0.8";
        e[EditSlopeL + offset] = "6";
        e[EditRoughnessL + offset] = "15";
        e[EditCnL + offset] = "75";
        e[EditDurationL + offset] = "60";
        e[EditIntensityL + offset] = "0.9";
    }
    return p;
}

bool HasProblemStartingWith(const std::vector<std::string>& problems, const std::string& start) {
    return std::any_of(problems.begin(), problems.end(),
                       [&](const std::string& p) { return p.rfind(start, 0) == 0; });
}

TEST(InputCheck, CompleteProjectsOfEveryVariantAndTypePass) {
    for (int variant = 0; variant <= 2; ++variant) {
        for (int type = 0; type <= 1; ++type) {
            EXPECT_EQ(CheckInputs(Complete(variant, type)), std::vector<std::string>{}) << variant << type;
        }
    }
}

TEST(InputCheck, TypeAndVariantMustBeChosen) {
    Project p;
    EXPECT_EQ(CheckInputs(p),
              (std::vector<std::string>{"Typ povodí: není zvolen.", "Varianta: není zvolena."}));
    p.Texts.CatchmentType = 0;
    p.Texts.Variant = 7;
    EXPECT_EQ(CheckInputs(p), std::vector<std::string>{"Varianta: není zvolena."});
}

TEST(InputCheck, EachRefusedValueIsReportedByItsLabel) {
    struct Case {
        int variant;
        int edit;
        std::string text;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {0, EditValleyLength, "", "Délka údolnice [km]: není vyplněno."},
        {0, EditValleySlope, "1,5", "Sklon údolnice [%]: \"1,5\" není číslo."},
        {0, EditAreaL, "0", "Plocha svahu [km²]: hodnota musí být větší než 0."},
        {0, EditSlopeL, "-2", "Sklon svahu [%]: hodnota musí být větší než 0."},
        {0, EditRoughnessL, "1.2.3", "Drsnost γ [s]: \"1.2.3\" není číslo."},
        {0, EditCnL, "39.9", "Číslo CN křivky [40-100]: hodnota musí ležet v rozmezí 40 až 100."},
        {0, EditCnL, "100.5", "Číslo CN křivky [40-100]: hodnota musí ležet v rozmezí 40 až 100."},
        {0, EditRain20, "9",
         "1-denní maximální srážkový úhrn pro N = 20 [mm]: hodnota musí ležet v rozmezí 10 až 500."},
        {1, EditRainN, "", "1-denní maximální srážkový úhrn pro N [mm]: není vyplněno."},
        {1, EditDurationL, "301", "Doba trvání deště [min]: hodnota musí ležet v rozmezí 10 až 300."},
        {1, EditDurationL, "9", "Doba trvání deště [min]: hodnota musí ležet v rozmezí 10 až 300."},
        {1, EditDurationL, "12.5", "Doba trvání deště [min]: doba trvání musí být celý počet minut."},
        {2, EditIntensityL, "", "Intenzita deště [mm.min⁻¹]: není vyplněno."},
    };
    for (const Case& c : cases) {
        Project p = Complete(c.variant);
        p.Texts.Edit[static_cast<size_t>(c.edit)] = c.text;
        EXPECT_EQ(CheckInputs(p), std::vector<std::string>{c.expected}) << c.edit << " " << c.text;
    }
}

TEST(InputCheck, BoundsThemselvesAreAccepted) {
    Project p = Complete(1);
    p.Texts.Edit[EditCnL] = "40";
    p.Texts.Edit[EditDurationL] = "300";
    p.Texts.Edit[EditRainN] = "10";
    p.Texts.Edit[EditRain100] = "500";
    EXPECT_TRUE(CheckInputs(p).empty());
    p.Texts.Edit[EditCnL] = "100.";
    p.Texts.Edit[EditDurationL] = "10";
    EXPECT_TRUE(CheckInputs(p).empty());
}

TEST(InputCheck, FieldsTheVariantDoesNotShowAreNotChecked) {
    Project p = Complete(2);
    p.Texts.Edit[EditRainN] = "";
    p.Texts.Edit[EditRain100] = "x";
    p.Texts.ReturnPeriodItem = -1;
    EXPECT_TRUE(CheckInputs(p).empty());
    p = Complete(0);
    p.Texts.Edit[EditDurationL] = "";
    p.Texts.Edit[EditAreaR] = "";
    EXPECT_TRUE(CheckInputs(p).empty());
}

TEST(InputCheck, ListsMustBeChosen) {
    Project p = Complete(1, 1);
    p.Texts.ReturnPeriodItem = -1;
    p.Texts.CnTypeItemR = -1;
    EXPECT_EQ(CheckInputs(p), (std::vector<std::string>{"Doba opakování N [roky]: není zvolena.",
                                                        "Typ CN křivky [1,2,3] (pravý svah): není zvolen."}));
}

TEST(InputCheck, TwoSlopesNameTheSlope) {
    Project p = Complete(0, 1);
    p.Texts.Edit[EditAreaL] = "";
    p.Texts.Edit[EditCnR] = "120";
    EXPECT_EQ(CheckInputs(p),
              (std::vector<std::string>{
                  "Plocha svahu [km²] (levý svah): není vyplněno.",
                  "Číslo CN křivky [40-100] (pravý svah): hodnota musí ležet v rozmezí 40 až 100."}));
}

TEST(InputCheck, RainfallForNEqualTo100MayNotBeBelowTheOthers) {
    Project p = Complete(0);
    p.Texts.Edit[EditRain50] = "95";
    EXPECT_TRUE(
        HasProblemStartingWith(CheckInputs(p), "1-denní maximální srážkový úhrn pro N = 100 [mm]: nesmí"));
    p = Complete(1);
    p.Texts.ReturnPeriodItem = 5;
    EXPECT_EQ(CheckInputs(p).size(), 1u); // N = 100 chosen: both fields must agree
    p.Texts.Edit[EditRainN] = "90";
    EXPECT_TRUE(CheckInputs(p).empty());
}

TEST(InputCheck, BothSlopesMustHaveTheSameRain) {
    Project p = Complete(2, 1);
    p.Texts.Edit[EditDurationR] = "90";
    p.Texts.Edit[EditIntensityR] = "1.1";
    EXPECT_EQ(CheckInputs(p),
              (std::vector<std::string>{
                  "Doba trvání deště [min] (pravý svah): musí být shodná s levým svahem.",
                  "Intenzita deště [mm.min⁻¹] (pravý svah): musí být shodná s levým svahem."}));
}

TEST(InputCheck, OnlyNumbersInTheInputWindowFormAreNumbers) {
    for (const std::string good : {"12", "1.25", "3.", "0.5"}) {
        Project p = Complete(2);
        p.Texts.Edit[EditIntensityL] = good;
        EXPECT_TRUE(CheckInputs(p).empty()) << good;
    }
    for (const std::string bad :
         {".", "-", "1,5", " 1", "1 ", "1e3", "+1", "0x10", "1..2", "nan", ".5", "--1"}) {
        Project p = Complete(2);
        p.Texts.Edit[EditIntensityL] = bad;
        EXPECT_EQ(CheckInputs(p),
                  std::vector<std::string>{"Intenzita deště [mm.min⁻¹]: \"" + bad + "\" není číslo."})
            << bad;
    }
}

TEST(InputCheck, EachProblemNamesTheFieldToMark) {
    Project p = Complete(1, 1);
    p.Texts.Edit[EditValleySlope].clear();
    p.Texts.CnTypeItemR = -1;
    p.Texts.Edit[EditDurationR] = "90";
    std::vector<std::pair<int, int>> fields;
    for (const InputProblem& problem : FindInputProblems(p)) {
        fields.emplace_back(problem.Edit, problem.ComboBox);
    }
    // The valley slope, the right curve type, the right duration (differs from the left).
    EXPECT_EQ(fields, (std::vector<std::pair<int, int>>{{EditValleySlope, 0}, {0, 5}, {EditDurationR, 0}}));
    EXPECT_EQ(FindInputProblems(Project{}).front().ComboBox, 1);
}

TEST(InputCheck, RequiredMembersFollowTypeAndVariant) {
    EXPECT_EQ(RequiredMembers(0, 0), (std::vector<int>{0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(RequiredMembers(1, 1),
              (std::vector<int>{0, 1, 2, 3, 4, 8, 9, 10, 11, 12, 13, 16, 17, 18, 19, 20, 21}));
    EXPECT_EQ(RequiredMembers(1, 2),
              (std::vector<int>{0, 1, 8, 9, 10, 11, 12, 13, 14, 16, 17, 18, 19, 20, 21, 22}));
    EXPECT_TRUE(RequiredMembers(-1, 0).empty());
}

} // namespace
} // namespace hydrim
