#include "core/hydrology/ResultWarnings.h"

#include "core/hydrology/Hydrograph.h"
#include "core/hydrology/Variant23.h"
#include "core/hydrology/VariantI.h"
#include "core/hydrology/WarningTexts.h"

#include <algorithm>
#include <cmath>

namespace hydrim {

namespace {

constexpr int VariantII = 1;

// One fitted hydrograph of a result set with the volume it is to carry.
struct FittedValues {
    int Rise, Plateau, Numerator, Divisor;
    double Peak, RunoffVolume;
    double Volume() const { return FittedHydrographVolume(Rise, Plateau, Numerator, Divisor, Peak); }
};

// Reports a hydrograph that misses its volume; returns the volume it carries.
double CheckHydrograph(const FittedValues& fitted, const WarningPlace& place, HydrographKind kind,
                       Warnings& out) {
    const double volume = fitted.Volume();
    if (HydrographMissesVolume(volume, fitted.RunoffVolume)) {
        out.push_back(HydrographVolumeWarning(place, kind, volume, fitted.RunoffVolume));
    }
    return volume;
}

// The catchment of two slopes carries the sum of its slopes' hydrographs.
void CheckCatchmentHydrograph(double carried, double runoffVolume, int returnPeriod, HydrographKind kind,
                              Warnings& out) {
    if (HydrographMissesVolume(carried, runoffVolume)) {
        out.push_back(HydrographVolumeWarning({WarningSubject::Catchment, true, returnPeriod}, kind, carried,
                                              runoffVolume));
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

struct CarriedVolumes {
    double Design = 0, Daily = 0;
};

// Variant I checks of one slope at return-period index i.
CarriedVolumes CheckVariantISlope(VariantISlopeRow r, const WarningPlace& place, double dailyRain,
                                  Warnings& out) {
    CheckRainLength(place, r.CriticalDuration, r.CriticalDepth, r.RainDepth, dailyRain, out);
    if (r.CriticalDuration > DesignRainCap) {
        out.push_back(DesignRainCappedWarning(place, DesignRainCap, r.CriticalDuration));
    }
    CarriedVolumes carried;
    carried.Design = CheckHydrograph(
        {r.RiseTime, r.PlateauTime, r.ShapeNumerator, r.ShapeDivisor, r.PeakDischarge, r.Volume}, place,
        HydrographKind::DesignRain, out);
    carried.Daily = CheckHydrograph({r.DailyRiseTime, r.DailyPlateauTime, r.DailyShapeNumerator,
                                     r.DailyShapeDivisor, r.PeakDischarge, r.DailyVolume},
                                    place, HydrographKind::DailyRain, out);
    return carried;
}

// Variant II / III checks of one slope.
double CheckVariant23Slope(AppState& state, Side side, const WarningPlace& place, Warnings& out) {
    const Variant23Slope s = Variant23SlopeOf(state, side);
    if (state.CurrentProject.Texts.Variant == VariantII) {
        CheckRainLength(place, s.CritDuration, s.CritDepth, s.DesignDepth, state.Inputs.RainN, out);
    }
    return CheckHydrograph({s.DesignRise, s.DesignPlateau, s.DesignShapeNumerator, s.DesignShapeDivisor,
                            s.DesignPeak, s.DesignVolume},
                           place, HydrographKind::DesignRain, out);
}

} // namespace

double FittedHydrographVolume(int rise, int plateau, int numerator, int divisor, double qmax) {
    const double exponent = divisor != 0 ? static_cast<double>(numerator) / divisor : 0.0;
    const double limbs =
        rise > 0 ? HydrographVolume(exponent, rise, HydrographOrdinateCount(rise), qmax).Volume : 0.0;
    return limbs + 60.0 * std::max(plateau, 0) * qmax;
}

bool HydrographMissesVolume(double hydrographVolume, double runoffVolume) {
    const double difference = std::fabs(hydrographVolume - runoffVolume);
    return difference > HydrographVolumeTolerance * std::fabs(runoffVolume) && difference > 0.5;
}

Warnings VariantIResultWarnings(AppState& state) {
    VariantIResults& results = state.VariantI;
    const bool twoSlopes = state.TwoSlopes;
    Warnings out;
    for (int i = 1; i <= 5; ++i) {
        const int n = ReturnPeriods[static_cast<size_t>(i)];
        const double dailyRain = state.Inputs.RainByN[static_cast<size_t>(i)];
        const CarriedVolumes left = CheckVariantISlope(
            VariantIRowOf(results, Side::Left, i), {WarningSubject::LeftSlope, twoSlopes, n}, dailyRain, out);
        if (!twoSlopes) {
            continue;
        }
        const CarriedVolumes right = CheckVariantISlope(
            VariantIRowOf(results, Side::Right, i), {WarningSubject::RightSlope, true, n}, dailyRain, out);
        const auto k = static_cast<size_t>(i);
        const double slopePeaks = results.PeakDischargeL[k] + results.PeakDischargeR[k];
        if (results.PeakDischargeC[k] > (1.0 + CatchmentPeakTolerance) * slopePeaks) {
            out.push_back(CatchmentPeakWarning(n, results.PeakDischargeC[k], slopePeaks));
        }
        CheckCatchmentHydrograph(left.Design + right.Design, results.VolumeC[k], n,
                                 HydrographKind::DesignRain, out);
        CheckCatchmentHydrograph(left.Daily + right.Daily, results.DailyVolumeC[k], n,
                                 HydrographKind::DailyRain, out);
    }
    return out;
}

Warnings Variant23ResultWarnings(AppState& state) {
    const bool twoSlopes = HasTwoSlopes(state.CurrentProject.Texts);
    const int n = state.CurrentProject.Texts.Variant == VariantII ? state.Inputs.ReturnPeriod : 0;
    Warnings out;
    const double left =
        CheckVariant23Slope(state, Side::Left, {WarningSubject::LeftSlope, twoSlopes, n}, out);
    if (twoSlopes) {
        const double right =
            CheckVariant23Slope(state, Side::Right, {WarningSubject::RightSlope, true, n}, out);
        CheckCatchmentHydrograph(left + right, state.Variant23.DesignVolumeC, n, HydrographKind::DesignRain,
                                 out);
    }
    return out;
}

} // namespace hydrim
