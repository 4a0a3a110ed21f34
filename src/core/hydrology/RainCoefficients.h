// The design rain of a given duration, reduced from the N-year 1-day maximum
// rainfall with the coefficients of the table "par.tab".
#pragma once

#include "core/project/ProjectData.h"

namespace hydrim {

// Group of the coefficient table for the return period N [years]:
// 1 -> 1, 2 -> 2, 5 -> 3, 10 -> 4, 20 -> 5, 50 -> 6, 100 -> 7, any other -> 1.
int ReturnPeriodGroup(int returnPeriod);

// Duration band of the coefficient table for a rain of t whole minutes:
// 1 for 10 <= t <= 40, 2 for 41 <= t <= 120, 3 for every other t.
int DurationBand(int t);

// Picks the record of the coefficient table for a rain of t minutes in the
// given return-period group and sets the rain state:
//   t        rain duration [min]
//   group    return-period group (1..8)
//   daily    1-day maximum rainfall H of the return period [mm]
//   RainCoefficient = v1/1000, RainDepthExponent = v2/1000,
//   RainIntensityExponent = v3/1000, RainFactor = RainCoefficient * H.
void SelectRainCoefficients(RainState& rain, const ParTable& par, int t, int group, double daily);

// Intensity of a rain of t minutes from a rain factor F [mm] and an
// intensity exponent g:  i = F * t^(-g)  [mm/min].
double RainIntensity(double factor, double intensityExponent, double t);

// Depth of a rain of t minutes from the rain state as last selected:
//   P = RainFactor * t^RainDepthExponent  [mm].
double RainDepthFor(const RainState& rain, double t);

// Intensity of a rain of t minutes from the rain state as last selected:
//   i = RainFactor * t^(-RainIntensityExponent)  [mm/min].
double RainIntensityFor(const RainState& rain, double t);

} // namespace hydrim
