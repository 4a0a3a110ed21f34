#include "core/hydrology/Variant23.h"

namespace hydrim {

Variant23Slope Variant23SlopeOf(AppState& state, Side side) {
    const bool left = side == Side::Left;
    Variant23Results& r = state.Variant23;
    const SlopeInputs in = SlopeInputsOf(state.Inputs, side);
    const SlopeDerived d = SlopeDerivedOf(state.Derived, side);
    return Variant23Slope{
        side,
        in.Duration,
        in.Intensity,
        in.Area,
        SlopeLoss{d.InitialLoss, d.NetRetention, d.FlowCoef},
        left ? r.CritDurationL : r.CritDurationR,
        left ? r.CritRainFactorL : r.CritRainFactorR,
        left ? r.CritIntensityExponentL : r.CritIntensityExponentR,
        left ? r.CritIntensityL : r.CritIntensityR,
        left ? r.CritDepthL : r.CritDepthR,
        left ? r.CritPondingL : r.CritPondingR,
        left ? r.CritExcessDurationL : r.CritExcessDurationR,
        left ? r.CritRunoffL : r.CritRunoffR,
        left ? r.CritExcessIntensityL : r.CritExcessIntensityR,
        left ? r.DesignDepthL : r.DesignDepthR,
        left ? r.DesignPondingL : r.DesignPondingR,
        left ? r.DesignExcessDurationL : r.DesignExcessDurationR,
        left ? r.DesignRunoffL : r.DesignRunoffR,
        left ? r.DesignExcessIntensityL : r.DesignExcessIntensityR,
        left ? r.DesignEquilibriumTimeL : r.DesignEquilibriumTimeR,
        left ? r.DesignEquilibriumIntensityL : r.DesignEquilibriumIntensityR,
        left ? r.DesignVolumeDepthL : r.DesignVolumeDepthR,
        left ? r.DesignPeakIntensityL : r.DesignPeakIntensityR,
        left ? r.DesignPeakL : r.DesignPeakR,
        left ? r.DesignVolumeL : r.DesignVolumeR,
        left ? r.DesignRiseL : r.DesignRiseR,
        left ? r.DesignPlateauL : r.DesignPlateauR,
        left ? r.DesignFallL : r.DesignFallR,
        left ? r.DesignLengthL : r.DesignLengthR,
        left ? r.DesignShapeNumeratorL : r.DesignShapeNumeratorR,
        left ? r.DesignShapeDivisorL : r.DesignShapeDivisorR,
    };
}

} // namespace hydrim
