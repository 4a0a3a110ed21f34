// The synthetic flood hydrograph of a slope: a gamma-shaped curve that rises
// to the peak discharge at the rise time, and the fitting of its shape
// exponent so that it carries a given runoff volume.
#pragma once

namespace hydrim {

// Largest shape exponent the fitting tries. The hydrograph volume falls as
// the exponent grows but never below the peak ordinate alone (60 Qmax), so a
// target below what this exponent reaches cannot be met; the fitting then
// stops here instead of searching for ever.
inline constexpr int MaxShapeExponent = 1000;

// Ordinate at or below which the falling limb counts as died away [m3/s].
inline constexpr double HydrographEndOrdinate = 0.005;

// Ordinate of the hydrograph at minute k:
//   m  shape exponent, tr  rise time [min], Qmax  peak discharge [m3/s]
//   q(k) = Qmax (k / tr)^m exp(m (1 - k / tr))  [m3/s]
double HydrographOrdinate(double m, int tr, int k, double qmax);

// Most ordinates a hydrograph sum may take: 100 times the longest rise a rain
// duration of the critical-duration search can give.
inline constexpr int MaxHydrographOrdinates = 100 * 20001;

// Number of ordinates the callers sum for a rise time tr [min]: M = 100 tr,
// kept within 0..MaxHydrographOrdinates so that no rise time can overflow it.
int HydrographOrdinateCount(int tr);

// Target volume of the falling limb's fit for a hydrograph with a plateau:
//   V  runoff volume [m3], tp  plateau [min], Qmax  peak discharge [m3/s]
//   Vtarget = V - 60 tp Qmax  [m3]
double VolumeWithoutPlateau(double volume, int plateau, double qmax);

struct HydrographSum {
    double Volume = 0; // [m3]
    int Length = 0;    // [min]
};

// Volume of the hydrograph with shape exponent m, rise time tr [min] and peak
// Qmax [m3/s], summed minute by minute over k = 1..M:
//   V = 60 * sum q(k)  [m3]
// The sum stops after the first ordinate with q(k) <= 0.005 m3/s and k > tr;
// that k is the length. When the stopping test never holds, the length is M
// (the last ordinate summed), and 0 when M <= 0.
HydrographSum HydrographVolume(double m, int tr, int M, double qmax);

struct HydrographShape {
    int Numerator = 0;   // shape exponent m = Numerator / Divisor
    int Divisor = 1000;  // 1000, 10000 or 100000
    int Length = 0;      // length of the hydrograph at that exponent [min]
    bool Capped = false; // the target lies below what MaxShapeExponent reaches
};

// Smallest shape exponent, refined digit by digit, whose hydrograph volume
// does not exceed the target volume:
//   tr  rise time [min], M  number of ordinates (callers pass 100 tr),
//   Qmax  peak discharge [m3/s], target  volume the hydrograph carries [m3]
// Whole exponents first, then tenths, hundredths and thousandths; when the
// volume at the thousandths is more than 0.5 m3 off the target, one more
// digit, and if still off, one more again. A target that even the exponent
// MaxShapeExponent does not meet gives that exponent (as n = 1000 * Max,
// d = 1000) with its length and Capped set. The result is exactly that of
// raising n one by one at every digit and summing every volume in full, with
// far fewer volumes, each summed in a faster form (see ShapeVolumes).
HydrographShape FitHydrographShape(int tr, int M, double qmax, double target);

// A fitted hydrograph with its plateau, in the form the result sets keep it.
struct FittedHydrograph {
    int Numerator = 0;
    int Divisor = 1000;
    int Fall = 0;   // falling limb [min]
    int Length = 0; // rise + plateau + fall [min]
};

// Fits the hydrograph of a slope with rise tr [min], plateau tp [min], peak
// Qmax [m3/s] and runoff volume V [m3]: the shape carries the volume outside
// the plateau (V - 60 tp Qmax) over M = 100 tr ordinates; the falling limb is
// the fitted length minus the rise, and the plateau is added to the length.
FittedHydrograph FitHydrographWithPlateau(int rise, int plateau, double qmax, double volume);

} // namespace hydrim
