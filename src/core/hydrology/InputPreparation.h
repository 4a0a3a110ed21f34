// The preparation step of a computation: the texts of the project become the
// numeric inputs, and the slope parameters are derived from them.
#pragma once

#include "core/hydrology/SlopeViews.h"
#include "core/project/ProjectData.h"

namespace hydrim {

// Return period N [years] of the return-period list item (0..5 -> 2..100);
// 0 when no item is chosen.
int ReturnPeriodOfItem(int item);

// Curve type 1..3 of the curve-type list item (0..2); 0 when none is chosen.
int CurveTypeOfItem(int item);

// Converted curve number, retention, width, flow path length and flow
// coefficient of one slope, from the numeric inputs.
void DeriveSlopeParameters(NumericInputs& inputs, DerivedParams& derived, Side side);

// Variant I: RainByN[1..5] from the fields of N = 5, 10, 20, 50 and 100 years,
// Rain100, the valley line and the slopes (the right one only for two
// slopes), then the abstraction per return period and the slope parameters.
void PrepareVariantI(AppState& state);

// Variants II and III: the rainfall of N and of N = 100 years, the return
// period, the valley line, the slopes with their rain duration (and, in
// Variant III, intensity), RainDuration and RainIntensity, the abstraction
// (Variant III: factor 1) and the slope parameters.
void PrepareVariant23(AppState& state);

} // namespace hydrim
