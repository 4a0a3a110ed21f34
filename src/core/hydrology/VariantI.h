// Variant I: for each return period N = 5, 10, 20, 50, 100 years the rain of
// critical duration, the design rain (capped at 300 minutes), and for two
// slopes the common design rain that maximises the summed peak discharge.
#pragma once

#include "core/hydrology/Compute.h"
#include "core/hydrology/CriticalDuration.h"
#include "core/hydrology/HydrographFits.h"
#include "core/hydrology/SlopeViews.h"

#include <functional>

namespace hydrim {

// Longest design rain of Variant I [min].
inline constexpr int DesignRainCap = 300;

// The Variant I results of one slope at one return-period index.
struct VariantISlopeRow {
    int& CriticalDuration;
    double& CriticalIntensity;
    double& CriticalDepth;
    int& CriticalPondingTime;
    int& CriticalExcessDuration;
    double& CriticalRunoffDepth;
    double& CriticalExcessIntensity;
    int& RainDuration;
    double& RainIntensity;
    double& RainDepth;
    int& PondingTime;
    int& ExcessDuration;
    double& RunoffDepth;
    double& ExcessIntensity;
    int& EquilibriumTime;
    double& EquilibriumIntensity;
    double& VolumeDepth;
    double& PeakIntensity;
    double& PeakDischarge;
    int& RiseTime;
    int& PlateauTime;
    int& FallTime;
    int& HydrographLength;
    double& Volume;
    int& ShapeNumerator;
    int& ShapeDivisor;
    double& DailyRunoffDepth;
    double& DailyVolume;
    int& DailyRiseTime;
    int& DailyPlateauTime;
    int& DailyFallTime;
    int& DailyHydrographLength;
    int& DailyShapeNumerator;
    int& DailyShapeDivisor;
};
VariantISlopeRow VariantIRowOf(VariantIResults& results, Side side, int i);

// Best common rain duration of two slopes: the t in first..last (both ends
// included) with the largest summed peak discharge peakSum(t) [m3/s]; a later
// t with an equal sum does not replace an earlier one. The search starts from
// a sum of 0 at t = first, so the result always lies within the range even
// when no trial gives a positive sum.
struct CommonDuration {
    int Duration = 0;   // [min]
    double PeakSum = 0; // [m3/s]
};
CommonDuration FindBestCommonDuration(int first, int last, const std::function<double(int t)>& peakSum);

// Computes return period index i (1..5) from the critical rains the search
// found for the left and (two slopes) the right slope. Returns a no-runoff
// outcome, with the message of the slope concerned, when a design rain has no
// excess; the entries of index i are then partly written. The hydrograph
// fits, and the catchment values that read them, are queued on fits: the
// entries are complete once fits has run.
ComputeOutcome ComputeReturnPeriod(AppState& state, int i, const CriticalRain& left,
                                   const CriticalRain& right, HydrographFits& fits);

} // namespace hydrim
