#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace hydrim::test {

namespace {

struct Coefficients {
    int group;
    double a[3];
    double c[3];
};

// Reduction coefficients a and c of the three duration bands per group.
const Coefficients Published[] = {
    {2, {0.166, 0.237, 0.235}, {0.701, 0.803, 0.801}}, {3, {0.171, 0.265, 0.324}, {0.688, 0.803, 0.845}},
    {4, {0.163, 0.280, 0.380}, {0.656, 0.803, 0.867}}, {5, {0.169, 0.300, 0.463}, {0.648, 0.803, 0.894}},
    {6, {0.174, 0.323, 0.580}, {0.638, 0.803, 0.925}}, {7, {0.173, 0.335, 0.642}, {0.625, 0.803, 0.939}},
};

void SetGroup(ParTable& table, int group, const Coefficients& row) {
    for (int band = 1; band <= 3; ++band) {
        const double a = row.a[band - 1];
        const double c = row.c[band - 1];
        table.Values[group][band] = {static_cast<int>(std::lround(a * 1000)),
                                     static_cast<int>(std::lround((1 - c) * 1000)),
                                     static_cast<int>(std::lround(c * 1000))};
    }
}

void SetSlope(ProjectTexts& texts, const SlopeTexts& slope, bool left) {
    texts.Edit[left ? EditAreaL : EditAreaR] = slope.Area;
    texts.Edit[left ? EditSlopeL : EditSlopeR] = slope.Slope;
    texts.Edit[left ? EditRoughnessL : EditRoughnessR] = slope.Roughness;
    texts.Edit[left ? EditCnL : EditCnR] = slope.Cn;
    (left ? texts.CnTypeItemL : texts.CnTypeItemR) = slope.CnType - 1;
}

AppState BaseProject(int variant, const std::string& valleyLength, const std::string& valleySlope,
                     const SlopeTexts& left, const SlopeTexts* right) {
    AppState state;
    state.Par = PublishedParTable();
    ProjectTexts& texts = state.CurrentProject.Texts;
    texts.Variant = variant;
    texts.CatchmentType = right != nullptr ? 1 : 0;
    texts.Edit[EditValleyLength] = valleyLength;
    texts.Edit[EditValleySlope] = valleySlope;
    SetSlope(texts, left, true);
    if (right != nullptr) {
        SetSlope(texts, *right, false);
    }
    return state;
}

template <typename T> using ByNMember = ByN<T> VariantIResults::*;

#define HYDRIM_FIELD(name)                                                                                   \
    { #name, &VariantIResults::name }
const std::map<std::string, ByNMember<double>> VariantIReals = {
    HYDRIM_FIELD(TrialRainDepth),
    HYDRIM_FIELD(CriticalIntensityL),
    HYDRIM_FIELD(CriticalIntensityR),
    HYDRIM_FIELD(CriticalDepthL),
    HYDRIM_FIELD(CriticalDepthR),
    HYDRIM_FIELD(CriticalRunoffDepthL),
    HYDRIM_FIELD(CriticalRunoffDepthR),
    HYDRIM_FIELD(CriticalExcessIntensityL),
    HYDRIM_FIELD(CriticalExcessIntensityR),
    HYDRIM_FIELD(RainIntensityL),
    HYDRIM_FIELD(RainIntensityR),
    HYDRIM_FIELD(RainIntensityC),
    HYDRIM_FIELD(RainDepthL),
    HYDRIM_FIELD(RainDepthR),
    HYDRIM_FIELD(RunoffDepthL),
    HYDRIM_FIELD(RunoffDepthR),
    HYDRIM_FIELD(ExcessIntensityL),
    HYDRIM_FIELD(ExcessIntensityR),
    HYDRIM_FIELD(EquilibriumIntensityL),
    HYDRIM_FIELD(EquilibriumIntensityR),
    HYDRIM_FIELD(VolumeDepthL),
    HYDRIM_FIELD(VolumeDepthR),
    HYDRIM_FIELD(PeakIntensityL),
    HYDRIM_FIELD(PeakIntensityR),
    HYDRIM_FIELD(PeakDischargeL),
    HYDRIM_FIELD(PeakDischargeR),
    HYDRIM_FIELD(PeakDischargeC),
    HYDRIM_FIELD(VolumeL),
    HYDRIM_FIELD(VolumeR),
    HYDRIM_FIELD(VolumeC),
    HYDRIM_FIELD(DailyRunoffDepthL),
    HYDRIM_FIELD(DailyRunoffDepthR),
    HYDRIM_FIELD(DailyVolumeL),
    HYDRIM_FIELD(DailyVolumeR),
    HYDRIM_FIELD(DailyVolumeC),
};
const std::map<std::string, ByNMember<int>> VariantIIntegers = {
    HYDRIM_FIELD(CriticalDurationL),
    HYDRIM_FIELD(CriticalDurationR),
    HYDRIM_FIELD(CriticalPondingTimeL),
    HYDRIM_FIELD(CriticalPondingTimeR),
    HYDRIM_FIELD(CriticalExcessDurationL),
    HYDRIM_FIELD(CriticalExcessDurationR),
    HYDRIM_FIELD(RainDurationL),
    HYDRIM_FIELD(RainDurationR),
    HYDRIM_FIELD(RainDurationC),
    HYDRIM_FIELD(PondingTimeL),
    HYDRIM_FIELD(PondingTimeR),
    HYDRIM_FIELD(ExcessDurationL),
    HYDRIM_FIELD(ExcessDurationR),
    HYDRIM_FIELD(EquilibriumTimeL),
    HYDRIM_FIELD(EquilibriumTimeR),
    HYDRIM_FIELD(RiseTimeL),
    HYDRIM_FIELD(RiseTimeR),
    HYDRIM_FIELD(RiseTimeC),
    HYDRIM_FIELD(PlateauTimeL),
    HYDRIM_FIELD(PlateauTimeR),
    HYDRIM_FIELD(PlateauTimeC),
    HYDRIM_FIELD(FallTimeL),
    HYDRIM_FIELD(FallTimeR),
    HYDRIM_FIELD(FallTimeC),
    HYDRIM_FIELD(HydrographLengthL),
    HYDRIM_FIELD(HydrographLengthR),
    HYDRIM_FIELD(HydrographLengthC),
    HYDRIM_FIELD(ShapeNumeratorL),
    HYDRIM_FIELD(ShapeNumeratorR),
    HYDRIM_FIELD(ShapeDivisorL),
    HYDRIM_FIELD(ShapeDivisorR),
    HYDRIM_FIELD(DailyRiseTimeL),
    HYDRIM_FIELD(DailyRiseTimeR),
    HYDRIM_FIELD(DailyRiseTimeC),
    HYDRIM_FIELD(DailyPlateauTimeL),
    HYDRIM_FIELD(DailyPlateauTimeR),
    HYDRIM_FIELD(DailyPlateauTimeC),
    HYDRIM_FIELD(DailyFallTimeL),
    HYDRIM_FIELD(DailyFallTimeR),
    HYDRIM_FIELD(DailyFallTimeC),
    HYDRIM_FIELD(DailyHydrographLengthL),
    HYDRIM_FIELD(DailyHydrographLengthR),
    HYDRIM_FIELD(DailyHydrographLengthC),
    HYDRIM_FIELD(DailyShapeNumeratorL),
    HYDRIM_FIELD(DailyShapeNumeratorR),
    HYDRIM_FIELD(DailyShapeDivisorL),
    HYDRIM_FIELD(DailyShapeDivisorR),
};
#undef HYDRIM_FIELD

#define HYDRIM_FIELD(name)                                                                                   \
    { #name, &Variant23Results::name }
const std::map<std::string, double Variant23Results::*> Variant23Reals = {
    HYDRIM_FIELD(TotalArea),
    HYDRIM_FIELD(CritRainFactorL),
    HYDRIM_FIELD(CritRainFactorR),
    HYDRIM_FIELD(CritIntensityExponentL),
    HYDRIM_FIELD(CritIntensityExponentR),
    HYDRIM_FIELD(CritIntensityL),
    HYDRIM_FIELD(CritIntensityR),
    HYDRIM_FIELD(CritDepthL),
    HYDRIM_FIELD(CritDepthR),
    HYDRIM_FIELD(CritRunoffL),
    HYDRIM_FIELD(CritRunoffR),
    HYDRIM_FIELD(CritExcessIntensityL),
    HYDRIM_FIELD(CritExcessIntensityR),
    HYDRIM_FIELD(DesignDepthL),
    HYDRIM_FIELD(DesignDepthR),
    HYDRIM_FIELD(DesignRunoffL),
    HYDRIM_FIELD(DesignRunoffR),
    HYDRIM_FIELD(DesignExcessIntensityL),
    HYDRIM_FIELD(DesignExcessIntensityR),
    HYDRIM_FIELD(DesignEquilibriumIntensityL),
    HYDRIM_FIELD(DesignEquilibriumIntensityR),
    HYDRIM_FIELD(DesignVolumeDepthL),
    HYDRIM_FIELD(DesignVolumeDepthR),
    HYDRIM_FIELD(DesignPeakIntensityL),
    HYDRIM_FIELD(DesignPeakIntensityR),
    HYDRIM_FIELD(DesignPeakL),
    HYDRIM_FIELD(DesignPeakR),
    HYDRIM_FIELD(DesignPeakC),
    HYDRIM_FIELD(DesignVolumeL),
    HYDRIM_FIELD(DesignVolumeR),
    HYDRIM_FIELD(DesignVolumeC),
};
const std::map<std::string, int Variant23Results::*> Variant23Integers = {
    HYDRIM_FIELD(ReturnPeriodGroup),
    HYDRIM_FIELD(CritDurationL),
    HYDRIM_FIELD(CritDurationR),
    HYDRIM_FIELD(CritPondingL),
    HYDRIM_FIELD(CritPondingR),
    HYDRIM_FIELD(CritExcessDurationL),
    HYDRIM_FIELD(CritExcessDurationR),
    HYDRIM_FIELD(DesignPondingL),
    HYDRIM_FIELD(DesignPondingR),
    HYDRIM_FIELD(DesignExcessDurationL),
    HYDRIM_FIELD(DesignExcessDurationR),
    HYDRIM_FIELD(DesignEquilibriumTimeL),
    HYDRIM_FIELD(DesignEquilibriumTimeR),
    HYDRIM_FIELD(DesignRiseL),
    HYDRIM_FIELD(DesignRiseR),
    HYDRIM_FIELD(DesignRiseC),
    HYDRIM_FIELD(DesignPlateauL),
    HYDRIM_FIELD(DesignPlateauR),
    HYDRIM_FIELD(DesignPlateauC),
    HYDRIM_FIELD(DesignFallL),
    HYDRIM_FIELD(DesignFallR),
    HYDRIM_FIELD(DesignFallC),
    HYDRIM_FIELD(DesignLengthL),
    HYDRIM_FIELD(DesignLengthR),
    HYDRIM_FIELD(DesignLengthC),
    HYDRIM_FIELD(DesignShapeNumeratorL),
    HYDRIM_FIELD(DesignShapeNumeratorR),
    HYDRIM_FIELD(DesignShapeDivisorL),
    HYDRIM_FIELD(DesignShapeDivisorR),
};
#undef HYDRIM_FIELD

void ExpectReal(const std::string& name, double actual, double expected) {
    const double tolerance = RelativeTolerance * std::max(1.0, std::fabs(expected));
    EXPECT_NEAR(actual, expected, tolerance) << name;
}

} // namespace

ParTable PublishedParTable() {
    ParTable table;
    for (const Coefficients& row : Published) {
        SetGroup(table, row.group, row);
    }
    SetGroup(table, 1, Published[0]);
    SetGroup(table, 8, Published[0]);
    return table;
}

AppState VariantIProject(const std::vector<std::string>& rains, const std::string& valleyLength,
                         const std::string& valleySlope, const SlopeTexts& left, const SlopeTexts* right) {
    AppState state = BaseProject(0, valleyLength, valleySlope, left, right);
    const int fields[] = {EditRainN, EditRain10, EditRain20, EditRain50, EditRain100};
    for (size_t i = 0; i < rains.size() && i < 5; ++i) {
        state.CurrentProject.Texts.Edit[fields[i]] = rains[i];
    }
    return state;
}

AppState Variant23Project(int variant, int returnPeriodItem, const std::string& rainN,
                          const std::string& rain100, const std::string& valleyLength,
                          const std::string& valleySlope, const SlopeTexts& left, const SlopeTexts* right,
                          const std::string& duration, const std::string& intensity) {
    AppState state = BaseProject(variant, valleyLength, valleySlope, left, right);
    ProjectTexts& texts = state.CurrentProject.Texts;
    texts.ReturnPeriodItem = returnPeriodItem;
    texts.Edit[EditRainN] = rainN;
    texts.Edit[EditRain100] = rain100;
    texts.Edit[EditDurationL] = duration;
    texts.Edit[EditIntensityL] = intensity;
    if (right != nullptr) {
        texts.Edit[EditDurationR] = duration;
        texts.Edit[EditIntensityR] = intensity;
    }
    return state;
}

void ExpectVariantIFields(const VariantIResults& results, int i, const ExpectedFields& expected) {
    const auto n = static_cast<size_t>(i);
    for (const auto& [name, value] : expected) {
        if (name == "TotalArea") {
            ExpectReal(name, results.TotalArea, value);
        } else if (auto real = VariantIReals.find(name); real != VariantIReals.end()) {
            ExpectReal(name, (results.*(real->second))[n], value);
        } else if (auto whole = VariantIIntegers.find(name); whole != VariantIIntegers.end()) {
            EXPECT_EQ((results.*(whole->second))[n], static_cast<int>(value)) << name;
        } else {
            ADD_FAILURE() << "unknown Variant I field " << name;
        }
    }
}

void ExpectVariant23Fields(const AppState& state, const ExpectedFields& expected) {
    const Variant23Results& results = state.Variant23;
    for (const auto& [name, value] : expected) {
        if (name == "IntensityL") {
            ExpectReal(name, state.Inputs.IntensityL, value);
        } else if (name == "IntensityR") {
            ExpectReal(name, state.Inputs.IntensityR, value);
        } else if (name == "AbstractionExponent") {
            ExpectReal(name, state.Derived.AbstractionExponent, value);
        } else if (name == "AbstractionFactor") {
            ExpectReal(name, state.Derived.AbstractionFactor, value);
        } else if (auto real = Variant23Reals.find(name); real != Variant23Reals.end()) {
            ExpectReal(name, results.*(real->second), value);
        } else if (auto whole = Variant23Integers.find(name); whole != Variant23Integers.end()) {
            EXPECT_EQ(results.*(whole->second), static_cast<int>(value)) << name;
        } else {
            ADD_FAILURE() << "unknown Variant II/III field " << name;
        }
    }
}

} // namespace hydrim::test
