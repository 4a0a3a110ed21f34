#include "core/hydrology/SlopeViews.h"

namespace hydrim {

SlopeInputs SlopeInputsOf(NumericInputs& in, Side side) {
    const bool left = side == Side::Left;
    return SlopeInputs{
        left ? in.AreaL : in.AreaR,           left ? in.SlopeL : in.SlopeR,
        left ? in.RoughnessL : in.RoughnessR, left ? in.CnL : in.CnR,
        left ? in.CnTypeL : in.CnTypeR,       left ? in.DurationL : in.DurationR,
        left ? in.IntensityL : in.IntensityR,
    };
}

SlopeDerived SlopeDerivedOf(DerivedParams& d, Side side) {
    const bool left = side == Side::Left;
    return SlopeDerived{
        left ? d.CnAdjL : d.CnAdjR,
        left ? d.RetentionL : d.RetentionR,
        left ? d.InitialLossL : d.InitialLossR,
        left ? d.NetRetentionL : d.NetRetentionR,
        left ? d.InitialLossByNL : d.InitialLossByNR,
        left ? d.NetRetentionByNL : d.NetRetentionByNR,
        left ? d.WidthL : d.WidthR,
        left ? d.FlowLengthL : d.FlowLengthR,
        left ? d.FlowCoefL : d.FlowCoefR,
    };
}

SlopeFields SlopeFieldsOf(Side side) {
    if (side == Side::Left) {
        return SlopeFields{EditAreaL, EditSlopeL, EditRoughnessL, EditCnL, EditDurationL, EditIntensityL};
    }
    return SlopeFields{EditAreaR, EditSlopeR, EditRoughnessR, EditCnR, EditDurationR, EditIntensityR};
}

int CnTypeItemOf(const ProjectTexts& texts, Side side) {
    return side == Side::Left ? texts.CnTypeItemL : texts.CnTypeItemR;
}

SlopeTrial SlopeTrialOf(TrialValues& trial, Side side) {
    if (side == Side::Left) {
        return SlopeTrial{trial.TrialExcessIntensityL, trial.TrialEquilibriumIntensityL};
    }
    return SlopeTrial{trial.TrialExcessIntensityR, trial.TrialEquilibriumIntensityR};
}

} // namespace hydrim
