// The checks that make the warnings of a computation: results computed as
// the method prescribes that a hydrologist should not take at face value,
// and inputs far outside small-catchment practice. They read the inputs and
// the result set and never change a number.
#pragma once

#include "core/project/ProjectData.h"
#include "core/project/Warning.h"

namespace hydrim {

// Share by which a drawn hydrograph's volume may differ from the runoff
// volume W it is fitted to before the hydrograph is reported (1 %).
inline constexpr double HydrographVolumeTolerance = 0.01;

// Share by which the catchment peak of two slopes may exceed the sum of the
// slopes' peaks (the most its hydrograph reaches) before it is reported
// (10 %). The combination search takes the slope with the longer rain as
// below equilibrium up to and including its critical duration, where it has
// just reached equilibrium: a few per cent above the recomputed peaks is the
// rounding of whole minutes there, and ordinary catchments show it.
inline constexpr double CatchmentPeakTolerance = 0.1;

// Longest rain for which the reduction of the 1-day rainfall holds [min].
inline constexpr int OneDay = 1440;

// Whether a hydrograph volume differs from the runoff volume W [m3] by more
// than HydrographVolumeTolerance of W (and by more than the fitting's own
// tolerance of 0.5 m3, so that a few cubic metres of runoff are not reported).
bool HydrographMissesVolume(double hydrographVolume, double runoffVolume);

// Warnings about the inputs: slope gradient, roughness and width, valley
// line and catchment area far outside small-catchment practice, and 1-day
// rainfalls that fall as the return period grows. Read after the inputs are
// prepared (the slope widths are derived values).
Warnings InputWarnings(const AppState& state);

// Warnings about the results of a finished Variant I computation: drawn
// hydrographs that do not carry their volume (each slope and the catchment,
// summed over exactly the ordinates every output draws: two slopes over the
// longer of their lengths), critical rains longer than one day or deeper than
// the 1-day rainfall, catchment peaks above what the slopes deliver, and one
// note on the design rains capped below the critical duration. (The state
// is only read; the slope views of the result set bind to it as the
// computation's do.)
Warnings VariantIResultWarnings(AppState& state);

// The same for a finished Variant II or III computation.
Warnings Variant23ResultWarnings(AppState& state);

} // namespace hydrim
