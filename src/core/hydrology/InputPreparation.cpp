#include "core/hydrology/InputPreparation.h"

#include "core/hydrology/RunoffFormulas.h"
#include "core/hydrology/SlopeGeometry.h"
#include "core/hydrology/TextNumbers.h"

namespace hydrim {

namespace {

constexpr int VariantIII = 2;

// Fields of the 1-day rainfall of N = 5, 10, 20, 50, 100 years (Variant I).
constexpr std::array<int, 6> RainFieldsByN = {0, EditRainN, EditRain10, EditRain20, EditRain50, EditRain100};

void ReadValleyLine(const ProjectTexts& texts, NumericInputs& in) {
    in.ValleyLength = TextToReal(texts.Edit[EditValleyLength]);
    in.ValleySlope = TextToReal(texts.Edit[EditValleySlope]);
}

void ReadSlope(const ProjectTexts& texts, NumericInputs& in, Side side) {
    const SlopeFields fields = SlopeFieldsOf(side);
    SlopeInputs slope = SlopeInputsOf(in, side);
    slope.Cn = TextToReal(texts.Edit[fields.Cn]);
    slope.Area = TextToReal(texts.Edit[fields.Area]);
    slope.Slope = TextToReal(texts.Edit[fields.Slope]);
    slope.Roughness = TextToReal(texts.Edit[fields.Roughness]);
    slope.CnType = CurveTypeOfItem(CnTypeItemOf(texts, side));
}

void ReadSlopeRain(const ProjectTexts& texts, NumericInputs& in, Side side, bool withIntensity) {
    const SlopeFields fields = SlopeFieldsOf(side);
    SlopeInputs slope = SlopeInputsOf(in, side);
    slope.Duration = TextToInteger(texts.Edit[fields.Duration]);
    if (withIntensity) {
        slope.Intensity = TextToReal(texts.Edit[fields.Intensity]);
    }
}

// Initial abstraction and S - Ia of a slope per return period (Variant I).
void DeriveLossesByN(DerivedParams& derived, Side side) {
    SlopeDerived slope = SlopeDerivedOf(derived, side);
    for (int i = 1; i <= 5; ++i) {
        slope.InitialLossByN[i] = InitialLoss(derived.AbstractionFactorByN[i], slope.Retention);
        slope.NetRetentionByN[i] = slope.Retention - slope.InitialLossByN[i];
    }
}

// Initial abstraction and S - Ia of a slope for the one rain (Variants II, III).
void DeriveLosses(DerivedParams& derived, Side side) {
    SlopeDerived slope = SlopeDerivedOf(derived, side);
    slope.InitialLoss = InitialLoss(derived.AbstractionFactor, slope.Retention);
    slope.NetRetention = slope.Retention - slope.InitialLoss;
}

} // namespace

int ReturnPeriodOfItem(int item) {
    if (item < 0 || item >= static_cast<int>(ReturnPeriodItems.size())) {
        return 0;
    }
    return ReturnPeriodItems[static_cast<size_t>(item)];
}

int CurveTypeOfItem(int item) {
    return (item >= 0 && item <= 2) ? item + 1 : 0;
}

void DeriveSlopeParameters(NumericInputs& inputs, DerivedParams& derived, Side side) {
    const SlopeInputs slope = SlopeInputsOf(inputs, side);
    SlopeDerived out = SlopeDerivedOf(derived, side);
    out.CnAdj = ConvertCurveNumber(slope.Cn, slope.CnType);
    out.Retention = PotentialRetention(out.CnAdj);
    out.Width = SlopeWidth(slope.Area, inputs.ValleyLength);
    out.FlowLength = FlowPathLength(out.Width, inputs.ValleySlope, slope.Slope);
    out.FlowCoef = FlowCoefficient(slope.Roughness, out.FlowLength, slope.Slope);
}

void PrepareVariantI(AppState& state) {
    const ProjectTexts& texts = state.CurrentProject.Texts;
    NumericInputs& in = state.Inputs;
    DerivedParams& derived = state.Derived;
    const bool twoSlopes = HasTwoSlopes(texts);

    for (int i = 1; i <= 5; ++i) {
        in.RainByN[i] = TextToReal(texts.Edit[RainFieldsByN[i]]);
    }
    in.Rain100 = in.RainByN[5];
    ReadValleyLine(texts, in);
    ReadSlope(texts, in, Side::Left);
    if (twoSlopes) {
        ReadSlope(texts, in, Side::Right);
    }

    for (int i = 1; i <= 5; ++i) {
        derived.AbstractionExponentByN[i] = AbstractionExponent(ReturnPeriods[i]);
        derived.AbstractionFactorByN[i] =
            AbstractionFactor(in.RainByN[i], in.Rain100, derived.AbstractionExponentByN[i]);
    }
    DeriveSlopeParameters(in, derived, Side::Left);
    DeriveLossesByN(derived, Side::Left);
    if (twoSlopes) {
        DeriveSlopeParameters(in, derived, Side::Right);
        DeriveLossesByN(derived, Side::Right);
    }
}

void PrepareVariant23(AppState& state) {
    const ProjectTexts& texts = state.CurrentProject.Texts;
    NumericInputs& in = state.Inputs;
    DerivedParams& derived = state.Derived;
    const bool twoSlopes = HasTwoSlopes(texts);
    const bool variantIII = texts.Variant == VariantIII;

    in.RainN = TextToReal(texts.Edit[EditRainN]);
    in.Rain100 = TextToReal(texts.Edit[EditRain100]);
    in.ReturnPeriod = ReturnPeriodOfItem(texts.ReturnPeriodItem);
    ReadValleyLine(texts, in);
    ReadSlope(texts, in, Side::Left);
    ReadSlopeRain(texts, in, Side::Left, variantIII);
    in.RainDuration = in.DurationL;
    in.RainIntensity = in.IntensityL;
    if (twoSlopes) {
        ReadSlope(texts, in, Side::Right);
        ReadSlopeRain(texts, in, Side::Right, variantIII);
    }

    if (variantIII) {
        derived.AbstractionFactor = 1.0;
    } else {
        derived.AbstractionExponent = AbstractionExponent(in.ReturnPeriod);
        derived.AbstractionFactor = AbstractionFactor(in.RainN, in.Rain100, derived.AbstractionExponent);
    }
    DeriveSlopeParameters(in, derived, Side::Left);
    DeriveLosses(derived, Side::Left);
    if (twoSlopes) {
        DeriveSlopeParameters(in, derived, Side::Right);
        DeriveLosses(derived, Side::Right);
    }
}

} // namespace hydrim
