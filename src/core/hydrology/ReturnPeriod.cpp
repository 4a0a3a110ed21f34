// One return period of Variant I: critical and design values of each slope,
// the common design rain of two slopes and the catchment hydrograph.
#include "core/hydrology/Hydrograph.h"
#include "core/hydrology/HydrographFits.h"
#include "core/hydrology/InputPreparation.h"
#include "core/hydrology/Minutes.h"
#include "core/hydrology/NoRunoffMessages.h"
#include "core/hydrology/RainCoefficients.h"
#include "core/hydrology/RunoffFormulas.h"
#include "core/hydrology/SlopeGeometry.h"
#include "core/hydrology/VariantI.h"
#include "core/hydrology/WarningTexts.h"

#include <algorithm>

namespace hydrim {

namespace {

// Everything one slope's steps need at return-period index i.
struct SlopeRun {
    Side side;
    VariantISlopeRow row;
    SlopeLoss loss;
    double area;
    CriticalRain critical;
};

SlopeRun SlopeRunOf(AppState& state, Side side, int i, const CriticalRain& critical) {
    SlopeDerived derived = SlopeDerivedOf(state.Derived, side);
    const SlopeInputs inputs = SlopeInputsOf(state.Inputs, side);
    return SlopeRun{side, VariantIRowOf(state.VariantI, side, i),
                    SlopeLoss{derived.InitialLossByN[i], derived.NetRetentionByN[i], derived.FlowCoef},
                    inputs.Area, critical};
}

// Critical values at the slope's own critical duration tc, with the factor F
// and intensity exponent g selected for it:
//   i = F tc^(-g), P = tc i, t0 = nint(Ia / i), te = tc - t0,
//   Q = (P - Ia)^2 / (P + (S - Ia)), ie = Q / te.
// Returns false (no runoff) when te <= 0.
bool ComputeCriticalValues(SlopeRun& s) {
    VariantISlopeRow& r = s.row;
    const int tc = s.critical.Duration;
    r.CriticalDuration = tc;
    r.CriticalIntensity = RainIntensity(s.critical.RainFactor, s.critical.IntensityExponent, tc);
    r.CriticalDepth = tc * r.CriticalIntensity;
    r.CriticalPondingTime = PondingTime(s.loss.InitialLoss, r.CriticalIntensity);
    r.CriticalExcessDuration = MinutesBetween(tc, r.CriticalPondingTime);
    r.CriticalRunoffDepth = RunoffDepth(r.CriticalDepth, s.loss.InitialLoss, s.loss.NetRetention);
    if (r.CriticalExcessDuration <= 0) {
        return false;
    }
    r.CriticalExcessIntensity = r.CriticalRunoffDepth / r.CriticalExcessDuration;
    return true;
}

// Design rain equal to the critical rain (tc <= 300): the slope is at
// equilibrium, so teq = te and the peak intensity is the excess intensity.
void TakeCriticalRain(VariantISlopeRow& r) {
    r.RainDuration = r.CriticalDuration;
    r.RainIntensity = r.CriticalIntensity;
    r.RainDepth = r.CriticalDepth;
    r.PondingTime = r.CriticalPondingTime;
    r.ExcessDuration = r.CriticalExcessDuration;
    r.RunoffDepth = r.CriticalRunoffDepth;
    r.ExcessIntensity = r.CriticalExcessIntensity;
    r.EquilibriumTime = r.ExcessDuration;
    r.EquilibriumIntensity = r.ExcessIntensity;
    r.PeakIntensity = r.ExcessIntensity;
}

// Design rain capped at 300 minutes (tc > 300), with the saved factor F and
// the intensity exponent g of the current rain state:
//   i300 = F 300^(-g), P = 300 i300, t0 = nint(Ia / i300), te = 300 - t0,
//   Q from P, ie = Q / te, teq = nint(sqrt(K / ie)), qp = Q^2 / K (below
//   equilibrium). Returns false (no runoff) when te <= 0.
bool TakeCappedRain(SlopeRun& s, double intensityExponent) {
    VariantISlopeRow& r = s.row;
    r.RainDuration = DesignRainCap;
    r.RainIntensity = RainIntensity(s.critical.RainFactor, intensityExponent, DesignRainCap);
    r.RainDepth = DesignRainCap * r.RainIntensity;
    r.PondingTime = PondingTime(s.loss.InitialLoss, r.RainIntensity);
    r.ExcessDuration = MinutesBetween(DesignRainCap, r.PondingTime);
    r.RunoffDepth = RunoffDepth(r.RainDepth, s.loss.InitialLoss, s.loss.NetRetention);
    if (r.ExcessDuration <= 0) {
        return false;
    }
    r.ExcessIntensity = r.RunoffDepth / r.ExcessDuration;
    r.EquilibriumTime = EquilibriumTime(s.loss.FlowCoef, r.ExcessIntensity);
    r.EquilibriumIntensity = EquilibriumIntensity(s.loss.FlowCoef, r.EquilibriumTime);
    r.PeakIntensity = BoundedPeakIntensityBelowEquilibrium(r.RunoffDepth, s.loss.FlowCoef, r.ExcessDuration);
    return true;
}

// Runoff of the whole 1-day rainfall H:  Q1d = (H - Ia)^2 / (H + (S - Ia)),
// V1d = 1000 A Q1d; its hydrograph has the rise and plateau of the design one.
void ComputeDailyRunoff(SlopeRun& s, double dailyRain) {
    VariantISlopeRow& r = s.row;
    r.DailyRunoffDepth = RunoffDepth(dailyRain, s.loss.InitialLoss, s.loss.NetRetention);
    r.DailyVolume = RunoffVolume(s.area, r.DailyRunoffDepth);
    r.DailyRiseTime = r.RiseTime;
    r.DailyPlateauTime = r.PlateauTime;
}

// Design values of a slope from its critical rain. Returns false (no runoff)
// when the critical or the design rain has no excess.
bool ComputeDesignValues(SlopeRun& s, double intensityExponent, double dailyRain) {
    if (!ComputeCriticalValues(s)) {
        return false;
    }
    VariantISlopeRow& r = s.row;
    if (s.critical.Duration <= DesignRainCap) {
        TakeCriticalRain(r);
    } else if (!TakeCappedRain(s, intensityExponent)) {
        return false;
    }
    r.VolumeDepth = r.RunoffDepth;
    r.PeakDischarge = PeakDischarge(r.PeakIntensity, s.area);
    r.RiseTime = r.ExcessDuration;
    r.PlateauTime = 0;
    r.Volume = RunoffVolume(s.area, r.VolumeDepth);
    ComputeDailyRunoff(s, dailyRain);
    return true;
}

// The hydrographs of the design rain and of the 1-day rainfall of a slope,
// queued with the computation's other fits.
void FitSlopeHydrographs(VariantISlopeRow& r, HydrographFits& fits) {
    fits.Add(r.RiseTime, r.PlateauTime, r.PeakDischarge, r.Volume,
             {&r.ShapeNumerator, &r.ShapeDivisor, &r.FallTime, &r.HydrographLength});
    fits.Add(r.RiseTime, r.PlateauTime, r.PeakDischarge, r.DailyVolume,
             {&r.DailyShapeNumerator, &r.DailyShapeDivisor, &r.DailyFallTime, &r.DailyHydrographLength});
}

// One trial of the combination search for one slope, with the catchment's
// rain of t minutes (intensity i, depth P):
//   t0 = nint(Ia / i), te = t - t0;
//   at equilibrium:    Q from P, ie = Q / te, qp = ie;
//   below equilibrium: Q from P when te > 0, else 0; qp = Q^2 / K;
//   Qmax = 16.67 qp A.
// A slope without excess in the trial contributes nothing to it.
void TrialSlopePeak(SlopeRun& s, int t, double intensity, double depth, bool atEquilibrium) {
    VariantISlopeRow& r = s.row;
    r.PondingTime = PondingTime(s.loss.InitialLoss, intensity);
    r.ExcessDuration = MinutesBetween(t, r.PondingTime);
    const bool hasExcess = r.ExcessDuration > 0;
    r.RunoffDepth = hasExcess ? RunoffDepth(depth, s.loss.InitialLoss, s.loss.NetRetention) : 0.0;
    if (atEquilibrium) {
        r.ExcessIntensity = hasExcess ? r.RunoffDepth / r.ExcessDuration : 0.0;
        r.PeakIntensity = r.ExcessIntensity;
    } else {
        r.PeakIntensity =
            BoundedPeakIntensityBelowEquilibrium(r.RunoffDepth, s.loss.FlowCoef, r.ExcessDuration);
    }
    r.PeakDischarge = PeakDischarge(r.PeakIntensity, s.area);
}

// The combination search over the durations between the two design rains:
// the slope with the shorter design rain is taken at equilibrium, the other
// below it (for equal durations the right slope is at equilibrium).
void SearchCommonDuration(AppState& state, int i, int group, SlopeRun& left, SlopeRun& right) {
    VariantIResults& results = state.VariantI;
    const int a = left.row.RainDuration;
    const int b = right.row.RainDuration;
    const bool leftAtEquilibrium = b > a;
    const CommonDuration best = FindBestCommonDuration(std::min(a, b), std::max(a, b), [&](int t) {
        SelectRainCoefficients(state.Rain, state.Par, t, group, state.Inputs.RainByN[i]);
        const double intensity = RainIntensityFor(state.Rain, t);
        results.RainIntensityC[i] = intensity;
        results.TrialRainDepth[i] = t * intensity;
        TrialSlopePeak(left, t, intensity, results.TrialRainDepth[i], leftAtEquilibrium);
        TrialSlopePeak(right, t, intensity, results.TrialRainDepth[i], !leftAtEquilibrium);
        return left.row.PeakDischarge + right.row.PeakDischarge;
    });
    results.PeakDischargeC[i] = best.PeakSum;
    results.RainDurationC[i] = best.Duration;
}

// A slope recomputed at the common design duration t* with the rain already
// stored in its row (intensity, depth):
//   t0 = nint(Ia / i), te = t* - t0, Q from P, ie = Q / te,
//   teq = nint(sqrt(K / ie)), qp = ie, or Q^2 / K when t* < tc;
//   rise = min(te, teq), plateau = te - rise.
// Returns false (no runoff) when te <= 0.
bool RecomputeAtCommonDuration(SlopeRun& s, double dailyRain, HydrographFits& fits) {
    VariantISlopeRow& r = s.row;
    r.PondingTime = PondingTime(s.loss.InitialLoss, r.RainIntensity);
    r.ExcessDuration = MinutesBetween(r.RainDuration, r.PondingTime);
    if (r.ExcessDuration <= 0) {
        return false;
    }
    r.RunoffDepth = RunoffDepth(r.RainDepth, s.loss.InitialLoss, s.loss.NetRetention);
    r.ExcessIntensity = r.RunoffDepth / r.ExcessDuration;
    r.EquilibriumTime = EquilibriumTime(s.loss.FlowCoef, r.ExcessIntensity);
    r.EquilibriumIntensity = EquilibriumIntensity(s.loss.FlowCoef, r.EquilibriumTime);
    r.VolumeDepth = r.RunoffDepth;
    r.PeakIntensity =
        r.RainDuration < r.CriticalDuration
            ? BoundedPeakIntensityBelowEquilibrium(r.RunoffDepth, s.loss.FlowCoef, r.ExcessDuration)
            : r.ExcessIntensity;
    r.PeakDischarge = PeakDischarge(r.PeakIntensity, s.area);
    r.RiseTime = std::min(r.ExcessDuration, r.EquilibriumTime);
    r.PlateauTime = MinutesBetween(r.ExcessDuration, r.RiseTime);
    r.Volume = RunoffVolume(s.area, r.VolumeDepth);
    ComputeDailyRunoff(s, dailyRain);
    FitSlopeHydrographs(r, fits);
    return true;
}

// Catchment hydrograph of two slopes: the longer fall and rise, the shorter
// plateau, their sum as the length; volumes add up.
void CombineCatchment(VariantIResults& res, int i) {
    const auto n = static_cast<size_t>(i);
    res.FallTimeC[n] = std::max(res.FallTimeL[n], res.FallTimeR[n]);
    res.PlateauTimeC[n] = std::min(res.PlateauTimeL[n], res.PlateauTimeR[n]);
    res.RiseTimeC[n] = std::max(res.RiseTimeL[n], res.RiseTimeR[n]);
    res.HydrographLengthC[n] =
        AddMinutes(AddMinutes(res.FallTimeC[n], res.PlateauTimeC[n]), res.RiseTimeC[n]);
    res.DailyFallTimeC[n] = std::max(res.DailyFallTimeL[n], res.DailyFallTimeR[n]);
    res.DailyPlateauTimeC[n] = std::min(res.DailyPlateauTimeL[n], res.DailyPlateauTimeR[n]);
    res.DailyRiseTimeC[n] = std::max(res.DailyRiseTimeL[n], res.DailyRiseTimeR[n]);
    res.DailyHydrographLengthC[n] =
        AddMinutes(AddMinutes(res.DailyFallTimeC[n], res.DailyPlateauTimeC[n]), res.DailyRiseTimeC[n]);
    res.VolumeC[n] = res.VolumeL[n] + res.VolumeR[n];
    res.DailyVolumeC[n] = res.DailyVolumeL[n] + res.DailyVolumeR[n];
}

// The catchment of one slope is that slope.
void CopyOnlySlope(VariantIResults& res, int i) {
    const auto n = static_cast<size_t>(i);
    res.RainDurationC[n] = res.RainDurationL[n];
    res.RainIntensityC[n] = res.RainIntensityL[n];
    res.PeakDischargeC[n] = res.PeakDischargeL[n];
    res.VolumeC[n] = res.VolumeL[n];
    res.DailyVolumeC[n] = res.DailyVolumeL[n];
    res.RiseTimeC[n] = res.RiseTimeL[n];
    res.PlateauTimeC[n] = 0;
    res.DailyRiseTimeC[n] = res.DailyRiseTimeL[n];
    res.DailyPlateauTimeC[n] = 0;
    res.HydrographLengthC[n] = res.HydrographLengthL[n];
    res.FallTimeC[n] = res.FallTimeL[n];
    res.DailyHydrographLengthC[n] = res.DailyHydrographLengthL[n];
    res.DailyFallTimeC[n] = res.DailyFallTimeL[n];
}

ComputeOutcome NoRunoffAt(int i, Side side, bool twoSlopes) {
    return ComputeOutcome{
        ComputeOutcome::Status::NoRunoff,
        WithReason(VariantINoRunoffMessage(ReturnPeriods[static_cast<size_t>(i)], side, twoSlopes),
                   NoRunoffDesignRainTooShortReason())};
}

ComputeOutcome ComputeOneSlope(AppState& state, int i, SlopeRun& left, HydrographFits& fits) {
    state.VariantI.TotalArea = state.Inputs.AreaL;
    if (!ComputeDesignValues(left, state.Rain.RainIntensityExponent, state.Inputs.RainByN[i])) {
        return NoRunoffAt(i, Side::Left, false);
    }
    FitSlopeHydrographs(left.row, fits);
    fits.Then([&results = state.VariantI, i] { CopyOnlySlope(results, i); });
    return {};
}

// Both slopes at the common duration t* found by the search; the catchment
// peak stays the maximum of the search.
ComputeOutcome RecomputeBothSlopes(AppState& state, int i, int group, SlopeRun& left, SlopeRun& right,
                                   HydrographFits& fits) {
    VariantIResults& res = state.VariantI;
    const double dailyRain = state.Inputs.RainByN[i];
    const int common = res.RainDurationC[i];
    left.row.RainDuration = common;
    SelectRainCoefficients(state.Rain, state.Par, common, group, dailyRain);
    left.row.RainIntensity = RainIntensityFor(state.Rain, common);
    res.RainIntensityC[i] = left.row.RainIntensity;
    left.row.RainDepth = common * left.row.RainIntensity;
    if (!RecomputeAtCommonDuration(left, dailyRain, fits)) {
        return NoRunoffAt(i, Side::Left, true);
    }
    right.row.RainDuration = common;
    right.row.RainIntensity = left.row.RainIntensity;
    right.row.RainDepth = left.row.RainDepth;
    if (!RecomputeAtCommonDuration(right, dailyRain, fits)) {
        return NoRunoffAt(i, Side::Right, true);
    }
    return {};
}

ComputeOutcome ComputeTwoSlopes(AppState& state, int i, SlopeRun& left, SlopeRun& right,
                                HydrographFits& fits) {
    VariantIResults& res = state.VariantI;
    const double dailyRain = state.Inputs.RainByN[i];
    res.TotalArea = state.Inputs.AreaL + state.Inputs.AreaR;
    if (!ComputeDesignValues(left, state.Rain.RainIntensityExponent, dailyRain)) {
        return NoRunoffAt(i, Side::Left, true);
    }
    if (!ComputeDesignValues(right, state.Rain.RainIntensityExponent, dailyRain)) {
        return NoRunoffAt(i, Side::Right, true);
    }
    if (left.row.RainDuration == DesignRainCap && right.row.RainDuration == DesignRainCap) {
        res.RainDurationC[i] = DesignRainCap;
        res.RainIntensityC[i] = left.row.RainIntensity;
        res.PeakDischargeC[i] = left.row.PeakDischarge + right.row.PeakDischarge;
        FitSlopeHydrographs(left.row, fits);
        FitSlopeHydrographs(right.row, fits);
    } else {
        const int group = ReturnPeriodGroup(ReturnPeriods[static_cast<size_t>(i)]);
        SearchCommonDuration(state, i, group, left, right);
        const ComputeOutcome outcome = RecomputeBothSlopes(state, i, group, left, right, fits);
        if (!outcome.ok()) {
            return outcome;
        }
    }
    fits.Then([&res, i] { CombineCatchment(res, i); });
    return {};
}

} // namespace

CommonDuration FindBestCommonDuration(int first, int last, const std::function<double(int t)>& peakSum) {
    CommonDuration best{first, 0.0};
    for (int t = first; t <= last; ++t) {
        const double sum = peakSum(t);
        if (sum > best.PeakSum) {
            best = CommonDuration{t, sum};
        }
    }
    return best;
}

ComputeOutcome ComputeReturnPeriod(AppState& state, int i, const CriticalRain& left,
                                   const CriticalRain& right, HydrographFits& fits) {
    SlopeRun leftRun = SlopeRunOf(state, Side::Left, i, left);
    if (!HasTwoSlopes(state.CurrentProject.Texts)) {
        return ComputeOneSlope(state, i, leftRun, fits);
    }
    SlopeRun rightRun = SlopeRunOf(state, Side::Right, i, right);
    return ComputeTwoSlopes(state, i, leftRun, rightRun, fits);
}

} // namespace hydrim
