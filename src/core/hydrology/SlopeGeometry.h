// Geometry of a slope draining to the valley line and the equilibrium of
// overland flow on it.
#pragma once

namespace hydrim {

// Slope width:  W = A / Lu  [km]  (A slope area [km2], Lu valley-line length [km]).
double SlopeWidth(double area, double valleyLength);

// Overland flow path length:
//   W  slope width [km], Iu  valley-line gradient [%], Is  slope gradient [%]
//   Lp = W sqrt(1 + Iu^2 / (Iu^2 + Is^2))  [km]
double FlowPathLength(double width, double valleySlope, double slope);

// Flow coefficient of a slope:
//   n  roughness [-], Lp  flow path length [km], Is  slope gradient [%]
//   K = 1915.71 n Lp / sqrt(Is)
double FlowCoefficient(double roughness, double flowLength, double slope);

// Equilibrium time of a slope with flow coefficient K under excess intensity
// ie [mm/min]:  teq = nint(sqrt(K / ie))  [min].
// A slope cannot reach equilibrium in less than one whole minute: a value
// that rounds to 0 (K below a quarter of ie) is taken as 1 minute, so the
// equilibrium intensity, the excess ratio and the hydrograph rise that divide
// by it stay finite.
int EquilibriumTime(double flowCoef, double excessIntensity);

// Equilibrium intensity:  K / teq^2  [mm/min]; the square is taken exactly
// (in 64-bit integers), so no overflow can change its sign.
double EquilibriumIntensity(double flowCoef, int equilibriumTime);

} // namespace hydrim
