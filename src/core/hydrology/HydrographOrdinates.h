// Hydrograph ordinates minute by minute, as every output draws them (the
// chart, the time-series listing and its copy, the workbooks, the printed
// pages) and as the volume check of the results sums them: zero flow until
// the ponding time, a gamma-shaped rise to the peak, a plateau, and the
// falling limb of the same curve.
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

// Exactly `length` points (none for length <= 0), point j at minute j:
// 0 for j <= P, q(j - P) on the rise (k = 1..T), Q on the plateau (B
// points), then q(j - P - B) on the falling limb (k = T + 1, T + 2, ...,
// running on past P + T + B + F when the length asks for more), with the
// ordinate q of the engine (core/hydrology/Hydrograph.h) and the shape
// exponent m = n / d; a hydrograph without a rise time has no flow outside
// its plateau.
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

// The hydrographs of a result set as they are drawn: Variant I at
// return-period index i = 1..5 (state.TwoSlopes decides the slopes), of the
// design rain or of the 1-day rainfall; Variants II / III.
HydrographSet VariantIHydrographs(const AppState& state, int i, bool designRain);
HydrographSet Variant23Hydrographs(const AppState& state, bool twoSlopes);

// Points drawn for the hydrographs of two slopes: the longer of their
// lengths P + T + B + F.
long long DrawnLength(const HydrographParams& left, const HydrographParams& right);

// Volumes under drawn hydrographs [m3]: 60 times the sum of their ordinates
// (each stands for one minute), the very ordinates CombineHydrographs gives,
// summed without drawing them (the points of no flow and of the plateau at
// once). One slope: the catchment only. Two slopes: each slope over
// DrawnLength, the part of it after its own hydrograph ends, and the
// catchment as their sum.
struct DrawnVolumes {
    double Left = 0;
    double Right = 0;
    double Catchment = 0;
    double LeftPastEnd = 0;
    double RightPastEnd = 0;
};
DrawnVolumes DrawnVolumesOf(const HydrographParams& left);
DrawnVolumes DrawnVolumesOf(const HydrographParams& left, const HydrographParams& right);

// The drawn volumes of a result set, as VariantIHydrographs and
// Variant23Hydrographs draw its hydrographs.
DrawnVolumes VariantIDrawnVolumes(const AppState& state, int i, bool designRain);
DrawnVolumes Variant23DrawnVolumes(const AppState& state, bool twoSlopes);

} // namespace hydrim
