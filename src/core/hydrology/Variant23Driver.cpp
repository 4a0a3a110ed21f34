// Driver of Variants II and III: preparation, the critical-duration search of
// Variant II, and the variant's slope and catchment computation.
#include "core/hydrology/Compute.h"
#include "core/hydrology/InputPreparation.h"
#include "core/hydrology/NoRunoffMessages.h"
#include "core/hydrology/RainCoefficients.h"
#include "core/hydrology/Variant23.h"

namespace hydrim {

namespace {

constexpr int VariantII = 1;
constexpr int VariantIII = 2;
constexpr int ProgressSearched = 50;

void StoreCriticalRain(const CriticalRain& found, Variant23Slope slope) {
    slope.CritDuration = found.Duration;
    slope.CritRainFactor = found.RainFactor;
    slope.CritIntensityExponent = found.IntensityExponent;
}

// The Variant II search with the rain of N years and the scalar losses of
// the slopes. Returns a no-runoff outcome when a slope never passes.
ComputeOutcome SearchCriticalDurations(AppState& state, bool twoSlopes) {
    const SlopeLoss left{state.Derived.InitialLossL, state.Derived.NetRetentionL, state.Derived.FlowCoefL};
    const SlopeLoss right{state.Derived.InitialLossR, state.Derived.NetRetentionR, state.Derived.FlowCoefR};
    const CriticalRains found =
        FindCriticalDurations(state.Rain, state.Trial, state.Par, state.Variant23.ReturnPeriodGroup,
                              state.Inputs.RainN, left, twoSlopes ? &right : nullptr);
    StoreCriticalRain(found.Left, Variant23SlopeOf(state, Side::Left));
    if (twoSlopes) {
        StoreCriticalRain(found.Right, Variant23SlopeOf(state, Side::Right));
    }
    if (!found.Left.Found) {
        return ComputeOutcome{ComputeOutcome::Status::NoRunoff,
                              WithReason(NoRunoffText(Side::Left, twoSlopes),
                                         FailedSearchReason(state.Rain, left.InitialLoss))};
    }
    if (twoSlopes && !found.Right.Found) {
        return ComputeOutcome{ComputeOutcome::Status::NoRunoff,
                              WithReason(NoRunoffText(Side::Right, twoSlopes),
                                         FailedSearchReason(state.Rain, right.InitialLoss))};
    }
    return {};
}

} // namespace

ComputeOutcome ComputeVariant23(AppState& state, const ProgressCallback& progress) {
    const int variant = state.CurrentProject.Texts.Variant;
    if (variant != VariantII && variant != VariantIII) {
        return ComputeOutcome{ComputeOutcome::Status::InvalidInput, "Není zvolena varianta II ani III."};
    }
    PrepareVariant23(state);
    const bool twoSlopes = HasTwoSlopes(state.CurrentProject.Texts);
    state.Variant23.ReturnPeriodGroup = ReturnPeriodGroup(state.Inputs.ReturnPeriod);
    if (variant == VariantII) {
        const ComputeOutcome searched = SearchCriticalDurations(state, twoSlopes);
        if (!searched.ok()) {
            return searched;
        }
    }
    if (progress) {
        progress(ProgressSearched);
    }
    return variant == VariantII ? ComputeVariantII(state, progress) : ComputeVariantIII(state, progress);
}

} // namespace hydrim
