// The curve-number runoff model with its initial abstraction, and the peak
// discharge and volume that follow from a runoff depth.
#pragma once

namespace hydrim {

// Nearest integer of x, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Every count of whole minutes derived from a real value goes through it.
// Values beyond the 32-bit range are clamped to it and NaN gives 0, so a
// degenerate input never turns into undefined behaviour.
int nint(double x);

// Curve number for the curve type (antecedent-moisture group):
//   cn         curve number of type 2 [-]
//   curveType  1, 2 or 3 (any other value leaves the curve number unchanged)
//   type 1: CN / (2.334 - 0.01334 CN); type 2: CN; type 3: CN / (0.4036 + 0.0059 CN);
//   a result above 100 is set to 100.
double ConvertCurveNumber(double cn, int curveType);

// Potential retention of a slope:
//   cnAdj  converted curve number [-]
//   S = 25.4 (1000 / CNadj - 10)  [mm]
double PotentialRetention(double cnAdj);

// Exponent of the abstraction factor for the return period N [years]:
//   e = 9.8992 N^(-0.3035)
double AbstractionExponent(int returnPeriod);

// Abstraction factor of a return period:
//   rain     1-day maximum rainfall of the return period [mm]
//   rain100  1-day maximum rainfall of N = 100 years [mm]
//   r = (rain / rain100)^exponent
double AbstractionFactor(double rain, double rain100, double exponent);

// Initial abstraction:  Ia = 0.2 r S  [mm]  (r abstraction factor, S retention [mm]).
double InitialLoss(double abstractionFactor, double retention);

// Runoff depth of a rain depth P [mm] with initial abstraction Ia [mm] and
// S - Ia [mm]:  Q = (P - Ia)^2 / (P + (S - Ia))  [mm]. No test of P > Ia.
double RunoffDepth(double rainDepth, double initialLoss, double netRetention);

// Ponding time of a rain of intensity i [mm/min] on a slope with initial
// abstraction Ia [mm]:  t0 = nint(Ia / i)  [min].
int PondingTime(double initialLoss, double intensity);

// Peak runoff intensity of a slope below equilibrium:
//   Q  runoff depth [mm], K  flow coefficient of the slope
//   qp = Q^2 / K  [mm/min]
double PeakIntensityBelowEquilibrium(double runoffDepth, double flowCoef);

// How far the below-equilibrium peak Q^2 / K may exceed the excess intensity
// Q / te before the slope counts as at equilibrium. Q^2 / K = ie (te / teq)^2
// exceeds ie only when the excess outlasts the equilibrium time; at a critical
// duration that happens by the rounding of the whole minutes, by a few per
// cent. Twice ie means te > 1.4 teq: the slope has reached equilibrium
// well before the rain ends, which a slope of tiny K (a strip a few metres
// wide, a smooth or very steep surface) does within a minute, and there
// Q^2 / K grows without bound (10^9 m3/s from a slope of 0.001 km2).
inline constexpr double BelowEquilibriumPeakLimit = 2.0;

// Peak runoff intensity of a slope taken as below equilibrium, with its
// excess duration te [min]: Q^2 / K, or the equilibrium peak ie = Q / te when
// Q^2 / K exceeds BelowEquilibriumPeakLimit times ie (a slope cannot deliver
// more than its excess intensity). te <= 0 leaves Q^2 / K.
double BoundedPeakIntensityBelowEquilibrium(double runoffDepth, double flowCoef, int excessDuration);

// Peak discharge:  Qmax = 16.67 qp A  [m3/s]  (qp [mm/min], A [km2]).
double PeakDischarge(double peakIntensity, double area);

// Runoff volume:  V = 1000 A Q  [m3]  (A [km2], Q [mm]).
double RunoffVolume(double area, double runoffDepth);

} // namespace hydrim
