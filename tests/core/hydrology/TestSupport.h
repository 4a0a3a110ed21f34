// Shared helpers of the engine tests: the published rainfall coefficients,
// projects built from texts as the input window holds them, and checks of
// whole result sets against independently computed values.
#pragma once

#include "core/project/ProjectData.h"

#include <string>
#include <utility>
#include <vector>

namespace hydrim::test {

// Relative tolerance of values computed by the same formulas in another
// language: only the last bits may differ.
inline constexpr double RelativeTolerance = 1e-12;

// The coefficient table built from the published reduction coefficients:
// v1 = a * 1000, v2 = (1 - c) * 1000, v3 = c * 1000; groups 1 and 8 copy N = 2.
ParTable PublishedParTable();

// One slope as typed: area [km2], gradient [%], roughness, curve number and
// the curve type 1..3.
struct SlopeTexts {
    std::string Area, Slope, Roughness, Cn;
    int CnType = 2;
};

// A Variant I project: rainfall of N = 5, 10, 20, 50, 100 years, the valley
// line and one or two slopes.
AppState VariantIProject(const std::vector<std::string>& rains, const std::string& valleyLength,
                         const std::string& valleySlope, const SlopeTexts& left,
                         const SlopeTexts* right = nullptr);

// The variant numbers of Variants II and III, the items of N = 20 and 100
// years in the return-period list, a slope of moderate runoff and a steep,
// rough one.
inline constexpr int VariantII = 1;
inline constexpr int VariantIII = 2;
inline constexpr int Item20Years = 3;
inline constexpr int Item100Years = 5;
inline const SlopeTexts Moderate{"1.5", "8", "1", "75", 2};
inline const SlopeTexts SteepRough{"0.8", "12", "2", "60", 3};

// A Variant II (variant 1) or III (variant 2) project. returnPeriodItem is the
// item of the list 2, 5, 10, 20, 50, 100; duration and intensity go to both
// slopes, as the input window keeps them.
AppState Variant23Project(int variant, int returnPeriodItem, const std::string& rainN,
                          const std::string& rain100, const std::string& valleyLength,
                          const std::string& valleySlope, const SlopeTexts& left, const SlopeTexts* right,
                          const std::string& duration, const std::string& intensity);

// Result fields by name with their expected values (integers stored exactly).
using ExpectedFields = std::vector<std::pair<std::string, double>>;

// Compares every named field of the Variant I result set at index i.
void ExpectVariantIFields(const VariantIResults& results, int i, const ExpectedFields& expected);

// Compares every named field of the Variant II/III result set (plus the rain
// intensities of the inputs and the abstraction of the derived parameters).
void ExpectVariant23Fields(const AppState& state, const ExpectedFields& expected);

} // namespace hydrim::test
