// Results a hydrologist would call wrong come with a warning (and the numbers
// stay those of the method), inputs far outside small-catchment practice are
// named, and a slope without runoff says why.
#include "TestSupport.h"

#include "core/Engine.h"
#include "core/hydrology/Compute.h"
#include "core/hydrology/HydrographOrdinates.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace hydrim::test {
namespace {

const std::string Source = HYDRIM_SOURCE_DIR;

AppState Computed(const std::vector<std::string>& rains, const std::string& valleyLength,
                  const std::string& valleySlope, const SlopeTexts& left, const SlopeTexts* right = nullptr) {
    AppState state = VariantIProject(rains, valleyLength, valleySlope, left, right);
    const ComputeOutcome outcome = ComputeProject(state);
    EXPECT_TRUE(outcome.ok()) << outcome.message;
    return state;
}

// The warnings with the code, subject and return period (0: any).
Warnings Find(const AppState& state, const std::string& code, WarningSubject subject, int returnPeriod = 0) {
    Warnings found;
    for (const Warning& w : ResultWarnings(state)) {
        if (w.Code == code && w.Subject == subject && (returnPeriod == 0 || w.ReturnPeriod == returnPeriod)) {
            found.push_back(w);
        }
    }
    return found;
}

bool Says(const Warning& warning, const std::string& text) {
    return warning.Message.find(text) != std::string::npos;
}

// A slope of 0.9 km2 with CN 64 of type 1 and roughness 30: critical rains of
// days, capped at 300 minutes, hydrographs of shape exponent 0.
const SlopeTexts Retentive{"0.9", "12", "30", "64", 1};
const std::vector<std::string> Rains80 = {"40", "50", "60", "70", "80"};

TEST(Warnings, RainPastOneDayCappedDesignRainAndHydrographsWithoutTheirVolume) {
    const AppState state = Computed(Rains80, "2", "3", Retentive);
    EXPECT_EQ(state.VariantI.CriticalDurationL[5], 15070);
    EXPECT_EQ(state.VariantI.RainDurationL[5], 300);
    const Warnings longRain = Find(state, "duration-over-day", WarningSubject::LeftSlope, 100);
    ASSERT_EQ(longRain.size(), 1u);
    EXPECT_TRUE(Says(longRain[0], "15070 min"));
    const Warnings deep = Find(state, "depth-over-daily-rain", WarningSubject::LeftSlope, 100);
    ASSERT_EQ(deep.size(), 1u);
    EXPECT_TRUE(Says(deep[0], "92.4 mm") && Says(deep[0], "80.0 mm")) << deep[0].Message;
    const Warnings capped = Find(state, "design-rain-capped", WarningSubject::LeftSlope);
    ASSERT_EQ(capped.size(), 1u);
    EXPECT_EQ(capped[0].Severity, WarningSeverity::Note);
    EXPECT_TRUE(Says(capped[0], "tsk = 1801, ") && Says(capped[0], "ts = 300 min")) << capped[0].Message;
    // N = 100: exponent 0, a flat line that stops at once: 0 m3 against W = 97 m3.
    EXPECT_EQ(state.VariantI.ShapeNumeratorL[5], 0);
    const Warnings volume = Find(state, "hydrograph-volume", WarningSubject::LeftSlope, 100);
    ASSERT_EQ(volume.size(), 2u); // design rain and 1-day rainfall
    EXPECT_TRUE(Says(volume[0], "W je 97 m³")) << volume[0].Message;
    EXPECT_TRUE(Find(state, "hydrograph-volume", WarningSubject::LeftSlope, 5).empty());
}

TEST(Warnings, HydrographOfTheVariantThreeExampleDoesNotCarryItsVolume) {
    AppState state;
    ASSERT_FALSE(LoadProject(Source + "/examples/variant3-two-slopes.snp", Source + "/DATA", state));
    ASSERT_TRUE(ComputeProject(state).ok());
    const Warnings left = Find(state, "hydrograph-volume", WarningSubject::LeftSlope);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(state.Variant23.DesignShapeNumeratorL, 0);
    EXPECT_TRUE(Says(left[0], "983 m³") && Says(left[0], "W je 8573 m³")) << left[0].Message;
    EXPECT_EQ(Find(state, "hydrograph-volume", WarningSubject::Catchment).size(), 1u);
    EXPECT_TRUE(Find(state, "hydrograph-volume", WarningSubject::RightSlope).empty());
}

TEST(Warnings, TheCappedDesignRainIsOneNoteWithTheNumbersOfTheTables) {
    // The left slope's critical rains are longer than 300 min, the right
    // slope's are not: the common design rain was searched up to 300 min and
    // the tables show ts = 246 min for N = 5, not the cap.
    AppState state;
    ASSERT_FALSE(LoadProject(Source + "/examples/variant1-two-slopes.snp", Source + "/DATA", state));
    ASSERT_TRUE(ComputeProject(state).ok());
    ASSERT_EQ(state.VariantI.RainDurationL[1], 246);
    ASSERT_EQ(ResultWarnings(state).size(), 1u);
    const Warning& note = ResultWarnings(state)[0];
    EXPECT_EQ(note.Code, "design-rain-capped");
    EXPECT_EQ(note.Severity, WarningSeverity::Note);
    EXPECT_EQ(note.Subject, WarningSubject::LeftSlope);
    EXPECT_EQ(note.ReturnPeriod, 0);
    EXPECT_TRUE(Says(note, "levý svah má pro N = 5, 10, 20, 50, 100 let tsk = 566, 473, 416, 368, 335 min a "
                           "návrhový déšť ts = 246, 199, 166, 136, 119 min") &&
                Says(note, "hledá mezi kritickou dobou deště druhého svahu a 300 min"))
        << note.Message;
}

// Two slopes whose hydrographs differ in length: the shorter one is drawn
// over the longer one's minutes, its falling limb running on, and the
// volume check sums what is drawn.
TEST(Warnings, HydrographVolumeIsThatOfTheOrdinatesTheOutputsDraw) {
    const SlopeTexts left{"0.44", "8.3", "30", "78", 2};
    const SlopeTexts right{"0.16", "9.5", "17", "79", 1};
    AppState state = Variant23Project(VariantII, 1, "54.2", "75.9", "1.05", "0.9", left, &right, "100", "");
    ASSERT_TRUE(ComputeProject(state).ok());
    const Variant23Results& r = state.Variant23;
    // The right hydrograph (W = 840 m3) ends after 592 minutes and carries
    // its volume there; the listing runs on for the left one's 2011 minutes.
    ASSERT_EQ(Variant23Hydrograph(state, Slope::Right).Length(), 592);
    const HydrographSet drawn = Variant23Hydrographs(state, true);
    ASSERT_EQ(drawn.Length(), 2011u);
    double listed = 0;
    for (double q : drawn.Right) {
        listed += 60 * q;
    }
    EXPECT_NEAR(r.DesignVolumeR, 840, 0.5);
    EXPECT_NEAR(listed, 890, 0.5);
    const Warnings missed = Find(state, "hydrograph-volume", WarningSubject::RightSlope);
    ASSERT_EQ(missed.size(), 1u);
    EXPECT_EQ(missed[0].Severity, WarningSeverity::Warning);
    EXPECT_TRUE(Says(missed[0], "objem pod hydrogramem je 890 m³, objem odtoku W je 840 m³ (rozdíl 6 %)") &&
                Says(missed[0], "za koncem hydrogramu svahu"))
        << missed[0].Message;
    EXPECT_TRUE(Find(state, "hydrograph-volume", WarningSubject::LeftSlope).empty());
}

TEST(Warnings, OrdinaryProjectsHaveNone) {
    const SlopeTexts moderate{"1.5", "8", "1", "75", 2};
    const SlopeTexts steep{"0.8", "12", "2", "60", 3};
    const AppState state = Computed({"45", "55", "65", "80", "92"}, "2", "3", moderate, &steep);
    for (const Warning& w : ResultWarnings(state)) {
        ADD_FAILURE() << w.Message;
    }
}

TEST(Warnings, CatchmentPeakStaysWithinWhatItsSlopesDeliver) {
    // A strip 0.01 mm wide along a valley line of 99999 km: K of 6e-11 made the
    // below-equilibrium peak Q^2 / K of the combination 3.9e8 m3/s.
    const SlopeTexts strip{"0.001", "99999", "0.001", "64", 2};
    const AppState state = Computed(Rains80, "99999", "0.001", strip, &Retentive);
    const VariantIResults& r = state.VariantI;
    EXPECT_NEAR(r.PeakDischargeC[1], 0.820, 0.001);
    EXPECT_NEAR(r.PeakDischargeC[2], 0.945, 0.001);
    // Where the peak of the search still exceeds the slopes' (the right slope
    // at equilibrium after 2 of its 3 excess minutes), the table says so.
    for (size_t i = 1; i <= 5; ++i) {
        const double slopes = r.PeakDischargeL[i] + r.PeakDischargeR[i];
        EXPECT_LE(r.PeakDischargeC[i], 2 * slopes) << i;
        const int n = ReturnPeriods[i];
        EXPECT_EQ(Find(state, "catchment-peak", WarningSubject::Catchment, n).size(),
                  r.PeakDischargeC[i] > 1.1 * slopes ? 1u : 0u)
            << i;
    }
    EXPECT_EQ(Find(state, "catchment-peak", WarningSubject::Catchment, 20).size(), 1u);
    for (const char* what : {"sklon svahu 99999 %", "drsnost 0.001 ", "šířka svahu"}) {
        const Warnings implausible = Find(state, "implausible-input", WarningSubject::LeftSlope);
        EXPECT_TRUE(std::any_of(implausible.begin(), implausible.end(), [&](const Warning& w) {
            return Says(w, what);
        })) << what;
    }
    EXPECT_EQ(Find(state, "implausible-input", WarningSubject::None).size(), 1u); // valley length
}

TEST(Warnings, RainfallFallingAsTheReturnPeriodGrows) {
    const SlopeTexts moderate{"1.5", "8", "1", "75", 2};
    const AppState state = Computed({"75", "50", "65", "80", "92"}, "2", "3", moderate);
    const Warnings falling = Find(state, "rainfall-falling", WarningSubject::None);
    ASSERT_EQ(falling.size(), 1u);
    EXPECT_EQ(falling[0].ReturnPeriod, 10);
    EXPECT_TRUE(Says(falling[0], "(50.0 mm)") && Says(falling[0], "(75.0 mm)")) << falling[0].Message;
}

TEST(Warnings, NoRunoffSaysWhyAndWhatToCheck) {
    const std::vector<std::string> rains = {"45", "55", "65", "80", "92"};
    AppState rough = VariantIProject(rains, "0.5", "3", SlopeTexts{"1.5", "5", "200", "72", 2});
    const ComputeOutcome outcome = ComputeProject(rough);
    ASSERT_EQ(outcome.status, ComputeOutcome::Status::NoRunoff);
    EXPECT_EQ(outcome.message.rfind("Pro počet let N=5.\nSe zadanými parametry nedojde k odtoku z povodí!!\n"
                                    "Příčina: odtok na svahu nedosáhne ustáleného stavu",
                                    0),
              0u)
        << outcome.message;
    EXPECT_NE(outcome.message.find("drsnost, sklon svahu"), std::string::npos);
    AppState smoother = VariantIProject(rains, "0.5", "3", SlopeTexts{"1.5", "5", "100", "72", 2});
    EXPECT_TRUE(ComputeProject(smoother).ok());
    // No rain of the search exceeds the initial abstraction of CN 20.
    AppState dry = VariantIProject(rains, "0.5", "3", SlopeTexts{"1.5", "5", "1", "20", 1});
    const ComputeOutcome none = ComputeProject(dry);
    ASSERT_EQ(none.status, ComputeOutcome::Status::NoRunoff);
    EXPECT_NE(none.message.find("nepřekročí počáteční ztrátu"), std::string::npos) << none.message;
}

} // namespace
} // namespace hydrim::test
