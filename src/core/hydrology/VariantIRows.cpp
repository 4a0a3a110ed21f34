#include "core/hydrology/VariantI.h"

namespace hydrim {

VariantISlopeRow VariantIRowOf(VariantIResults& r, Side side, int i) {
    const bool left = side == Side::Left;
    const auto n = static_cast<size_t>(i);
    return VariantISlopeRow{
        (left ? r.CriticalDurationL : r.CriticalDurationR)[n],
        (left ? r.CriticalIntensityL : r.CriticalIntensityR)[n],
        (left ? r.CriticalDepthL : r.CriticalDepthR)[n],
        (left ? r.CriticalPondingTimeL : r.CriticalPondingTimeR)[n],
        (left ? r.CriticalExcessDurationL : r.CriticalExcessDurationR)[n],
        (left ? r.CriticalRunoffDepthL : r.CriticalRunoffDepthR)[n],
        (left ? r.CriticalExcessIntensityL : r.CriticalExcessIntensityR)[n],
        (left ? r.RainDurationL : r.RainDurationR)[n],
        (left ? r.RainIntensityL : r.RainIntensityR)[n],
        (left ? r.RainDepthL : r.RainDepthR)[n],
        (left ? r.PondingTimeL : r.PondingTimeR)[n],
        (left ? r.ExcessDurationL : r.ExcessDurationR)[n],
        (left ? r.RunoffDepthL : r.RunoffDepthR)[n],
        (left ? r.ExcessIntensityL : r.ExcessIntensityR)[n],
        (left ? r.EquilibriumTimeL : r.EquilibriumTimeR)[n],
        (left ? r.EquilibriumIntensityL : r.EquilibriumIntensityR)[n],
        (left ? r.VolumeDepthL : r.VolumeDepthR)[n],
        (left ? r.PeakIntensityL : r.PeakIntensityR)[n],
        (left ? r.PeakDischargeL : r.PeakDischargeR)[n],
        (left ? r.RiseTimeL : r.RiseTimeR)[n],
        (left ? r.PlateauTimeL : r.PlateauTimeR)[n],
        (left ? r.FallTimeL : r.FallTimeR)[n],
        (left ? r.HydrographLengthL : r.HydrographLengthR)[n],
        (left ? r.VolumeL : r.VolumeR)[n],
        (left ? r.ShapeNumeratorL : r.ShapeNumeratorR)[n],
        (left ? r.ShapeDivisorL : r.ShapeDivisorR)[n],
        (left ? r.DailyRunoffDepthL : r.DailyRunoffDepthR)[n],
        (left ? r.DailyVolumeL : r.DailyVolumeR)[n],
        (left ? r.DailyRiseTimeL : r.DailyRiseTimeR)[n],
        (left ? r.DailyPlateauTimeL : r.DailyPlateauTimeR)[n],
        (left ? r.DailyFallTimeL : r.DailyFallTimeR)[n],
        (left ? r.DailyHydrographLengthL : r.DailyHydrographLengthR)[n],
        (left ? r.DailyShapeNumeratorL : r.DailyShapeNumeratorR)[n],
        (left ? r.DailyShapeDivisorL : r.DailyShapeDivisorR)[n],
    };
}

} // namespace hydrim
