// The hydrograph charts' content taken from the result sets: the engine
// generates the ordinates, these functions only gather them with the rain and
// the labels for drawing.
#pragma once

#include "core/project/ProjectData.h"
#include "render/HydrographChartContent.h"

namespace hydrim::render {

// Variant I, return-period index i (1..5): the hydrographs of the design rain
// (designRain true) or of the whole 1-day rainfall.
HydrographChartContent VariantIChartContent(const AppState& state, int i, bool designRain);

// Variants II and III: the hydrographs of the design rain.
HydrographChartContent Variant23ChartContent(const AppState& state);

} // namespace hydrim::render
