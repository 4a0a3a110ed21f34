// Hydrograph ordinates minute by minute, as the chart and the time-series
// listing show them: zero flow until the ponding time, a gamma-shaped rise to
// the peak, a plateau, and the falling limb of the same curve.
#pragma once

#include "core/project/ProjectData.h"

#include <vector>

namespace hydrim {

// Parameters of one slope's hydrograph (times in whole minutes, peak in m³/s).
struct HydrographParams {
    int Ponding = 0;        // P: minutes of zero flow before the rise
    int Rise = 0;           // T
    int Plateau = 0;        // B
    int Fall = 0;           // F
    int ShapeNumerator = 0; // n; shape exponent m = n / d
    int ShapeDivisor = 1;   // d
    double Peak = 0;        // Q
    // P + T + B + F: the number of points of this hydrograph on its own.
    long long Length() const;
};

// Ordinates of one hydrograph: point k stands at minute k (k = 0 .. L - 1;
// minute 1440 is 00:00 of the second day).
struct HydrographPoints {
    std::vector<int> Minutes;
    std::vector<double> Discharges;
};

// Exactly `length` points (none for length <= 0): minutes 0..P at zero, the
// rise q(1..T), the plateau at Q for B minutes, then the falling limb
// q(T + 1), q(T + 2), ... until the length is reached, with the ordinate q of
// the engine (core/hydrology/Hydrograph.h); a hydrograph without a rise time has
// no flow.
HydrographPoints GenerateHydrograph(const HydrographParams& params, long long length);

enum class Slope { Left, Right };

// Parameters from the Variant I result set for return-period index i = 1..5,
// of the design-rain hydrograph or of the 1-day rainfall hydrograph.
HydrographParams VariantIHydrograph(const AppState& state, int i, Slope slope, bool designRain);
// Parameters from the Variant II / III result set.
HydrographParams Variant23Hydrograph(const AppState& state, Slope slope);

// The hydrographs of a catchment. One slope: Catchment only (the slope is
// the catchment). Two slopes: both slopes at the longer of their two lengths
// (the shorter one runs on along its falling limb) and the catchment as
// their point-by-point sum.
struct HydrographSet {
    bool TwoSlopes = false;
    std::vector<double> Left;
    std::vector<double> Right;
    std::vector<double> Catchment;
    size_t Length() const { return Catchment.size(); }
};

HydrographSet CombineHydrographs(const HydrographParams& left);
HydrographSet CombineHydrographs(const HydrographParams& left, const HydrographParams& right);

} // namespace hydrim
