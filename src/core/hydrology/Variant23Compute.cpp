// Slope and catchment computation of Variants II and III.
#include "core/hydrology/Hydrograph.h"
#include "core/hydrology/InputPreparation.h"
#include "core/hydrology/Minutes.h"
#include "core/hydrology/NoRunoffMessages.h"
#include "core/hydrology/RainCoefficients.h"
#include "core/hydrology/RunoffFormulas.h"
#include "core/hydrology/SlopeGeometry.h"
#include "core/hydrology/Variant23.h"
#include "core/hydrology/WarningTexts.h"

#include <algorithm>

namespace hydrim {

namespace {

constexpr int ProgressIILeft = 300;
constexpr int ProgressIIRight = 500;
constexpr int ProgressIIILeft = 400;
constexpr int ProgressIIIRight = 700;
constexpr int ProgressFilled = 900;

void Report(const ProgressCallback& progress, int position) {
    if (progress) {
        progress(position);
    }
}

ComputeOutcome NoRunoff(Side side, bool twoSlopes) {
    return ComputeOutcome{ComputeOutcome::Status::NoRunoff,
                          WithReason(NoRunoffText(side, twoSlopes), NoRunoffDesignRainTooShortReason())};
}

// Critical rain of a slope from the search (Variant II):
//   i = F tc^(-g), P = tc i, t0 = nint(Ia / i), te = tc - t0,
//   Q = (P - Ia)^2 / (P + (S - Ia)), ie = Q / te.
// A critical rain whose excess rounds to no whole minute (te <= 0) has no
// runoff to show: returns false, and the computation ends with the slope's
// no-runoff message, as Variant I does for the same case.
bool ComputeCriticalRain(Variant23Slope& s) {
    s.CritIntensity = RainIntensity(s.CritRainFactor, s.CritIntensityExponent, s.CritDuration);
    s.CritDepth = s.CritDuration * s.CritIntensity;
    s.CritPonding = PondingTime(s.Loss.InitialLoss, s.CritIntensity);
    s.CritExcessDuration = MinutesBetween(s.CritDuration, s.CritPonding);
    s.CritRunoff = RunoffDepth(s.CritDepth, s.Loss.InitialLoss, s.Loss.NetRetention);
    if (s.CritExcessDuration <= 0) {
        return false;
    }
    s.CritExcessIntensity = s.CritRunoff / s.CritExcessDuration;
    return true;
}

// Design rain of duration t and intensity i (already in the slope):
//   P = t i, t0 = nint(Ia / i), te = t - t0.
// Returns false (no runoff) when te <= 0.
bool StartDesignRain(Variant23Slope& s) {
    s.DesignDepth = s.Duration * s.Intensity;
    s.DesignPonding = PondingTime(s.Loss.InitialLoss, s.Intensity);
    s.DesignExcessDuration = MinutesBetween(s.Duration, s.DesignPonding);
    return s.DesignExcessDuration > 0;
}

// Runoff of the design rain:
//   Q = (P - Ia)^2 / (P + (S - Ia)), ie = Q / te, teq = nint(sqrt(K / ie))
//   (at least 1 minute), equilibrium intensity K / teq^2.
void ComputeDesignRunoff(Variant23Slope& s) {
    s.DesignRunoff = RunoffDepth(s.DesignDepth, s.Loss.InitialLoss, s.Loss.NetRetention);
    s.DesignExcessIntensity = s.DesignRunoff / s.DesignExcessDuration;
    s.DesignEquilibriumTime = EquilibriumTime(s.Loss.FlowCoef, s.DesignExcessIntensity);
    s.DesignEquilibriumIntensity = EquilibriumIntensity(s.Loss.FlowCoef, s.DesignEquilibriumTime);
    s.DesignVolumeDepth = s.DesignRunoff;
}

// Peak runoff intensity: the excess intensity, or Q^2 / K below equilibrium.
void SetPeakIntensity(Variant23Slope& s, bool belowEquilibrium) {
    s.DesignPeakIntensity =
        belowEquilibrium
            ? BoundedPeakIntensityBelowEquilibrium(s.DesignRunoff, s.Loss.FlowCoef, s.DesignExcessDuration)
            : s.DesignExcessIntensity;
}

// Rise = min(te, teq), plateau = te - rise, V = 1000 A Q.
void ComputeRiseAndVolume(Variant23Slope& s) {
    s.DesignRise = std::min(s.DesignExcessDuration, s.DesignEquilibriumTime);
    s.DesignPlateau = MinutesBetween(s.DesignExcessDuration, s.DesignRise);
    s.DesignVolume = RunoffVolume(s.Area, s.DesignVolumeDepth);
}

void FitDesignHydrograph(Variant23Slope& s) {
    const FittedHydrograph fitted =
        FitHydrographWithPlateau(s.DesignRise, s.DesignPlateau, s.DesignPeak, s.DesignVolume);
    s.DesignShapeNumerator = fitted.Numerator;
    s.DesignShapeDivisor = fitted.Divisor;
    s.DesignFall = fitted.Fall;
    s.DesignLength = fitted.Length;
}

// Variant II design values of a slope whose rain intensity is set. Returns
// false (no runoff) when the design rain has no excess.
bool ComputeSlopeII(Variant23Slope& s) {
    if (!StartDesignRain(s)) {
        return false;
    }
    ComputeDesignRunoff(s);
    SetPeakIntensity(s, s.Duration < s.CritDuration);
    s.DesignPeak = PeakDischarge(s.DesignPeakIntensity, s.Area);
    ComputeRiseAndVolume(s);
    FitDesignHydrograph(s);
    return true;
}

// Variant III design values of a slope: the peak is scaled by the excess
// ratio r = te / teq, unless the volume then left outside the plateau falls
// below MinimumVolumeOutsidePlateau. Returns false (no runoff) when the rain
// has no excess.
bool ComputeSlopeIII(Variant23Slope& s) {
    if (!StartDesignRain(s)) {
        return false;
    }
    ComputeDesignRunoff(s);
    SetPeakIntensity(s, s.DesignExcessDuration < s.DesignEquilibriumTime);
    const double ratio = static_cast<double>(s.DesignExcessDuration) / s.DesignEquilibriumTime;
    s.DesignPeak = PeakDischarge(s.DesignPeakIntensity, s.Area) * ratio;
    ComputeRiseAndVolume(s);
    if (VolumeWithoutPlateau(s.DesignVolume, s.DesignPlateau, s.DesignPeak) < MinimumVolumeOutsidePlateau) {
        s.DesignPeak = PeakDischarge(s.DesignPeakIntensity, s.Area);
    }
    FitDesignHydrograph(s);
    return true;
}

// The catchment of the left (or only) slope.
void TakeLeftSlopeAsCatchment(Variant23Results& r) {
    r.DesignRiseC = r.DesignRiseL;
    r.DesignPlateauC = r.DesignPlateauL;
    r.DesignVolumeC = r.DesignVolumeL;
    r.DesignPeakC = r.DesignPeakL;
    r.DesignLengthC = r.DesignLengthL;
    r.DesignFallC = r.DesignFallL;
}

// Catchment of two slopes: peaks and volumes add up; the longer fall and rise,
// the shorter plateau, and their sum as the length.
void CombineCatchment(Variant23Results& r) {
    r.DesignPeakC = r.DesignPeakL + r.DesignPeakR;
    r.DesignFallC = std::max(r.DesignFallL, r.DesignFallR);
    r.DesignPlateauC = std::min(r.DesignPlateauL, r.DesignPlateauR);
    r.DesignRiseC = std::max(r.DesignRiseL, r.DesignRiseR);
    r.DesignLengthC = AddMinutes(AddMinutes(r.DesignFallC, r.DesignPlateauC), r.DesignRiseC);
    r.DesignVolumeC = r.DesignVolumeL + r.DesignVolumeR;
}

} // namespace

ComputeOutcome ComputeVariantII(AppState& state, const ProgressCallback& progress) {
    Variant23Results& res = state.Variant23;
    const bool twoSlopes = HasTwoSlopes(state.CurrentProject.Texts);

    Variant23Slope left = Variant23SlopeOf(state, Side::Left);
    res.TotalArea = state.Inputs.AreaL;
    if (!ComputeCriticalRain(left)) {
        return NoRunoff(Side::Left, twoSlopes);
    }
    SelectRainCoefficients(state.Rain, state.Par, left.Duration, res.ReturnPeriodGroup, state.Inputs.RainN);
    left.Intensity = RainIntensityFor(state.Rain, left.Duration);
    state.Inputs.RainIntensity = left.Intensity;
    if (!ComputeSlopeII(left)) {
        return NoRunoff(Side::Left, twoSlopes);
    }
    TakeLeftSlopeAsCatchment(res);
    Report(progress, ProgressIILeft);

    if (twoSlopes) {
        Variant23Slope right = Variant23SlopeOf(state, Side::Right);
        res.TotalArea = state.Inputs.AreaL + state.Inputs.AreaR;
        if (!ComputeCriticalRain(right)) {
            return NoRunoff(Side::Right, twoSlopes);
        }
        // The right slope's rain uses the coefficients selected for the left
        // one: the input window keeps both durations equal.
        right.Intensity = RainIntensityFor(state.Rain, right.Duration);
        if (!ComputeSlopeII(right)) {
            return NoRunoff(Side::Right, twoSlopes);
        }
        Report(progress, ProgressIIRight);
        CombineCatchment(res);
    }
    Report(progress, ProgressFilled);
    return {};
}

ComputeOutcome ComputeVariantIII(AppState& state, const ProgressCallback& progress) {
    Variant23Results& res = state.Variant23;
    const bool twoSlopes = HasTwoSlopes(state.CurrentProject.Texts);

    Variant23Slope left = Variant23SlopeOf(state, Side::Left);
    res.TotalArea = state.Inputs.AreaL;
    if (!ComputeSlopeIII(left)) {
        return NoRunoff(Side::Left, twoSlopes);
    }
    TakeLeftSlopeAsCatchment(res);
    Report(progress, ProgressIIILeft);

    if (twoSlopes) {
        Variant23Slope right = Variant23SlopeOf(state, Side::Right);
        res.TotalArea = state.Inputs.AreaL + state.Inputs.AreaR;
        if (!ComputeSlopeIII(right)) {
            return NoRunoff(Side::Right, twoSlopes);
        }
        Report(progress, ProgressIIIRight);
        CombineCatchment(res);
    }
    Report(progress, ProgressFilled);
    return {};
}

} // namespace hydrim
