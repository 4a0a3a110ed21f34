// The scales a hydrograph chart opens with: the discharge axis up to a tenth
// above the highest flow drawn, the inverted rain intensity axis up to the
// design rain's intensity rounded plus one, and the first view of the time
// axis, which shows the rise, the peak and the recession rather than a long
// tail. Point k of a hydrograph stands at minute k.
#pragma once

#include "core/hydrology/HydrographOrdinates.h"

#include <vector>

namespace hydrim {

// The discharge axis maximum [m3/s]: 1.1 x the largest discharge of the first
// series drawn (the left slope, or the catchment of a single slope); with two
// slopes the larger of that and 1.1 x the largest catchment discharge. A
// hydrograph without any flow gets 1.0 so the axis keeps a usable range.
double DischargeAxisMaximum(const std::vector<double>& firstSeries, const std::vector<double>& catchment,
                            bool twoSlopes);
double DischargeAxisMaximum(const HydrographSet& flows);

// The rain intensity axis maximum [mm/min]: the intensity rounded to the
// nearest integer (halves to even) plus one.
double IntensityAxisMaximum(double rainIntensity);

// The minutes the first view shows from minute 0, given the flows the view
// follows (the catchment's) and the rain duration [min]: up to where the flow
// has fallen below 2 % of the peak (or the rain has ended), with a fifth more
// for the tail; the whole hydrograph (its last minute, at least 1) when that
// is most of it.
int FirstViewMinutes(const std::vector<double>& flows, int rainDuration);
int FirstViewMinutes(const HydrographSet& flows, int rainDuration);

} // namespace hydrim
