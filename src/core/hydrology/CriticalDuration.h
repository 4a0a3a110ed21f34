// The search for the critical rain duration: the shortest rain whose excess
// lets a slope reach equilibrium.
#pragma once

#include "core/hydrology/SlopeViews.h"
#include "core/project/ProjectData.h"

namespace hydrim {

inline constexpr int FirstTrialDuration = 10;   // [min]
inline constexpr int LastTrialDuration = 20001; // [min]

// Search result of one slope: the first trial duration that passed, with the
// rain factor and intensity exponent selected for that trial.
struct CriticalRain {
    int Duration = 0; // [min]; 0 while not found
    double RainFactor = 0;
    double IntensityExponent = 0;
    bool Found = false;
};

// What the test needs of one slope.
struct SlopeLoss {
    double InitialLoss = 0;  // Ia [mm]
    double NetRetention = 0; // S - Ia [mm]
    double FlowCoef = 0;     // K
};

struct CriticalRains {
    CriticalRain Left, Right;
};

// Equilibrium test of one trial for one slope, with the rain state selected
// for the trial duration t [min] and its rain depth P [mm]:
//   te = t - t^g Ia / F                       (continuous excess duration)
//   ie = (P - Ia)^2 / ((P + (S - Ia)) te)     (trial excess intensity)
//   ieq = K / te^2                            (trial equilibrium intensity)
// passes when ie >= ieq. A te of zero or below never passes. The two trial
// intensities are stored in trial.
bool PassesEquilibriumTest(const RainState& rain, int t, double rainDepth, const SlopeLoss& slope,
                           SlopeTrial trial);

// Trial durations t = 10, 11, ..., 20001 minutes with the rain of the given
// return-period group and 1-day rainfall; stops once the left slope (and the
// right one, when given) has passed. The rain state is left as selected for
// the last trial.
CriticalRains FindCriticalDurations(RainState& rain, TrialValues& trial, const ParTable& par, int group,
                                    double dailyRain, const SlopeLoss& left, const SlopeLoss* right);

} // namespace hydrim
