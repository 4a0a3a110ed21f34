// Variants II and III: the maximum discharge for a rain of given duration and
// return period (II) or of given duration and intensity (III).
#pragma once

#include "core/hydrology/Compute.h"
#include "core/hydrology/CriticalDuration.h"
#include "core/hydrology/SlopeViews.h"

namespace hydrim {

// Smallest volume [m3] the falling limb of a Variant III hydrograph must
// carry with the peak raised by the excess ratio; below it the peak is taken
// without the ratio.
inline constexpr double MinimumVolumeOutsidePlateau = 5.0;

// The Variant II/III values of one slope, with the inputs they start from.
struct Variant23Slope {
    Side side;
    int& Duration;     // rain duration [min] (input)
    double& Intensity; // rain intensity [mm/min] (II: computed, III: input)
    double Area = 0;
    SlopeLoss Loss;
    int& CritDuration;
    double& CritRainFactor;
    double& CritIntensityExponent;
    double& CritIntensity;
    double& CritDepth;
    int& CritPonding;
    int& CritExcessDuration;
    double& CritRunoff;
    double& CritExcessIntensity;
    double& DesignDepth;
    int& DesignPonding;
    int& DesignExcessDuration;
    double& DesignRunoff;
    double& DesignExcessIntensity;
    int& DesignEquilibriumTime;
    double& DesignEquilibriumIntensity;
    double& DesignVolumeDepth;
    double& DesignPeakIntensity;
    double& DesignPeak;
    double& DesignVolume;
    int& DesignRise;
    int& DesignPlateau;
    int& DesignFall;
    int& DesignLength;
    int& DesignShapeNumerator;
    int& DesignShapeDivisor;
};
Variant23Slope Variant23SlopeOf(AppState& state, Side side);

// Variant II after the search: critical and design rain of each slope and the
// catchment. Progress 300, 500 (two slopes), 900.
ComputeOutcome ComputeVariantII(AppState& state, const ProgressCallback& progress = {});

// Variant III: design rain of each slope with the peak scaled by the excess
// ratio, and the catchment. Progress 400, 700 (two slopes), 900.
ComputeOutcome ComputeVariantIII(AppState& state, const ProgressCallback& progress = {});

} // namespace hydrim
