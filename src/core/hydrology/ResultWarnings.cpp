#include "core/hydrology/ResultWarnings.h"

#include "core/hydrology/HydrographOrdinates.h"
#include "core/hydrology/Variant23.h"
#include "core/hydrology/VariantI.h"
#include "core/hydrology/WarningTexts.h"

#include <algorithm>
#include <cmath>

namespace hydrim {

namespace {

constexpr int VariantII = 1;

// Reports a drawn hydrograph [m3] that misses the runoff volume W [m3] it is
// to carry; pastEnd [m3] of it lies after the slope's own hydrograph, and is
// named as the cause when the rest alone would carry W.
void CheckVolume(double drawn, double runoffVolume, const WarningPlace& place, HydrographKind kind,
                 Warnings& out, double pastEnd = 0) {
    if (HydrographMissesVolume(drawn, runoffVolume)) {
        const bool drawnPastEnd = !HydrographMissesVolume(drawn - pastEnd, runoffVolume);
        out.push_back(HydrographVolumeWarning(place, kind, drawn, runoffVolume, drawnPastEnd, pastEnd));
    }
}

// Critical rain longer than a day, and critical or design rain deeper than
// the 1-day rainfall (the design depth only when the critical one is not).
void CheckRainLength(const WarningPlace& place, int criticalDuration, double criticalDepth,
                     double designDepth, double dailyRain, Warnings& out) {
    if (criticalDuration > OneDay) {
        out.push_back(DurationOverDayWarning(place, criticalDuration));
    }
    if (criticalDepth > dailyRain) {
        out.push_back(DepthOverDailyRainWarning(place, true, criticalDepth, dailyRain));
    } else if (designDepth > dailyRain) {
        out.push_back(DepthOverDailyRainWarning(place, false, designDepth, dailyRain));
    }
}

// A slope's drawn hydrograph: its volume and the part after its own end [m3].
struct DrawnSlope {
    double Volume = 0;
    double PastEnd = 0;
};
DrawnSlope LeftOf(const DrawnVolumes& v) {
    return {v.Left, v.LeftPastEnd};
}
DrawnSlope RightOf(const DrawnVolumes& v) {
    return {v.Right, v.RightPastEnd};
}

// Variant I checks of one slope at return-period index i: its rains, and its
// drawn hydrographs of the design rain and of the 1-day rainfall against W.
void CheckVariantISlope(VariantISlopeRow r, const WarningPlace& place, double dailyRain,
                        const DrawnSlope& design, const DrawnSlope& daily, Warnings& out) {
    CheckRainLength(place, r.CriticalDuration, r.CriticalDepth, r.RainDepth, dailyRain, out);
    CheckVolume(design.Volume, r.Volume, place, HydrographKind::DesignRain, out, design.PastEnd);
    CheckVolume(daily.Volume, r.DailyVolume, place, HydrographKind::DailyRain, out, daily.PastEnd);
}

// Variant II / III checks of one slope: its rains (Variant II) and its drawn
// hydrograph [m3] against W.
void CheckVariant23Slope(AppState& state, Side side, const WarningPlace& place, const DrawnSlope& drawn,
                         Warnings& out) {
    const Variant23Slope s = Variant23SlopeOf(state, side);
    if (state.CurrentProject.Texts.Variant == VariantII) {
        CheckRainLength(place, s.CritDuration, s.CritDepth, s.DesignDepth, state.Inputs.RainN, out);
    }
    CheckVolume(drawn.Volume, s.DesignVolume, place, HydrographKind::DesignRain, out, drawn.PastEnd);
}

// Notes a design rain capped below the critical duration; returns whether it was.
bool NoteCappedRain(const VariantISlopeRow& r, int returnPeriod, CappedDesignRains& capped) {
    if (r.CriticalDuration <= DesignRainCap) {
        return false;
    }
    capped.ReturnPeriods.push_back(returnPeriod);
    capped.CriticalDurations.push_back(r.CriticalDuration);
    capped.DesignDurations.push_back(r.RainDuration);
    return true;
}

// The one note on the capped design rains of a Variant I computation, if any.
void NoteCappedRains(const CappedDesignRains& left, const CappedDesignRains& right, bool twoSlopes,
                     bool commonRainSearched, Warnings& out) {
    std::vector<CappedDesignRains> slopes;
    for (const CappedDesignRains* slope : {&left, &right}) {
        if (!slope->ReturnPeriods.empty()) {
            slopes.push_back(*slope);
        }
    }
    if (!slopes.empty()) {
        out.push_back(DesignRainCappedNote(slopes, twoSlopes, DesignRainCap, commonRainSearched));
    }
}

} // namespace

bool HydrographMissesVolume(double hydrographVolume, double runoffVolume) {
    const double difference = std::fabs(hydrographVolume - runoffVolume);
    return difference > HydrographVolumeTolerance * std::fabs(runoffVolume) && difference > 0.5;
}

Warnings VariantIResultWarnings(AppState& state) {
    VariantIResults& results = state.VariantI;
    const bool twoSlopes = state.TwoSlopes;
    Warnings out;
    CappedDesignRains cappedLeft{WarningSubject::LeftSlope, {}, {}, {}};
    CappedDesignRains cappedRight{WarningSubject::RightSlope, {}, {}, {}};
    bool commonRainSearched = false;
    for (int i = 1; i <= 5; ++i) {
        const auto k = static_cast<size_t>(i);
        const int n = ReturnPeriods[k];
        const double dailyRain = state.Inputs.RainByN[k];
        const DrawnVolumes design = VariantIDrawnVolumes(state, i, true);
        const DrawnVolumes daily = VariantIDrawnVolumes(state, i, false);
        const VariantISlopeRow left = VariantIRowOf(results, Side::Left, i);
        const bool leftCapped = NoteCappedRain(left, n, cappedLeft);
        if (!twoSlopes) {
            CheckVariantISlope(left, {WarningSubject::LeftSlope, false, n}, dailyRain, {design.Catchment, 0},
                               {daily.Catchment, 0}, out);
            continue;
        }
        CheckVariantISlope(left, {WarningSubject::LeftSlope, true, n}, dailyRain, LeftOf(design),
                           LeftOf(daily), out);
        const VariantISlopeRow right = VariantIRowOf(results, Side::Right, i);
        commonRainSearched = commonRainSearched || leftCapped != NoteCappedRain(right, n, cappedRight);
        CheckVariantISlope(right, {WarningSubject::RightSlope, true, n}, dailyRain, RightOf(design),
                           RightOf(daily), out);
        const double slopePeaks = results.PeakDischargeL[k] + results.PeakDischargeR[k];
        if (results.PeakDischargeC[k] > (1.0 + CatchmentPeakTolerance) * slopePeaks) {
            out.push_back(CatchmentPeakWarning(n, results.PeakDischargeC[k], slopePeaks));
        }
        const WarningPlace catchment{WarningSubject::Catchment, true, n};
        CheckVolume(design.Catchment, results.VolumeC[k], catchment, HydrographKind::DesignRain, out,
                    design.LeftPastEnd + design.RightPastEnd);
        CheckVolume(daily.Catchment, results.DailyVolumeC[k], catchment, HydrographKind::DailyRain, out,
                    daily.LeftPastEnd + daily.RightPastEnd);
    }
    NoteCappedRains(cappedLeft, cappedRight, twoSlopes, commonRainSearched, out);
    return out;
}

Warnings Variant23ResultWarnings(AppState& state) {
    const bool twoSlopes = HasTwoSlopes(state.CurrentProject.Texts);
    const int n = state.CurrentProject.Texts.Variant == VariantII ? state.Inputs.ReturnPeriod : 0;
    const DrawnVolumes drawn = Variant23DrawnVolumes(state, twoSlopes);
    Warnings out;
    CheckVariant23Slope(state, Side::Left, {WarningSubject::LeftSlope, twoSlopes, n},
                        twoSlopes ? LeftOf(drawn) : DrawnSlope{drawn.Catchment, 0}, out);
    if (twoSlopes) {
        CheckVariant23Slope(state, Side::Right, {WarningSubject::RightSlope, true, n}, RightOf(drawn), out);
        CheckVolume(drawn.Catchment, state.Variant23.DesignVolumeC, {WarningSubject::Catchment, true, n},
                    HydrographKind::DesignRain, out, drawn.LeftPastEnd + drawn.RightPastEnd);
    }
    return out;
}

} // namespace hydrim
