// Variant I driver: preparation, the critical-duration search per return
// period, and the per-return-period computation.
#include "core/hydrology/Compute.h"
#include "core/hydrology/InputPreparation.h"
#include "core/hydrology/NoRunoffMessages.h"
#include "core/hydrology/RainCoefficients.h"
#include "core/hydrology/VariantI.h"

namespace hydrim {

namespace {

// Progress position after return period i.
constexpr int ProgressPerReturnPeriod = 198;

SlopeLoss SlopeLossByN(DerivedParams& derived, Side side, int i) {
    const SlopeDerived slope = SlopeDerivedOf(derived, side);
    return SlopeLoss{slope.InitialLossByN[i], slope.NetRetentionByN[i], slope.FlowCoef};
}

} // namespace

ComputeOutcome ComputeVariantI(AppState& state, const ProgressCallback& progress) {
    PrepareVariantI(state);
    const bool twoSlopes = HasTwoSlopes(state.CurrentProject.Texts);
    // The hydrograph fits of all return periods, done together at the end
    // (and before a no-runoff stop returns, for the periods computed so far).
    HydrographFits fits;
    for (int i = 1; i <= 5; ++i) {
        const int returnPeriod = ReturnPeriods[static_cast<size_t>(i)];
        const SlopeLoss left = SlopeLossByN(state.Derived, Side::Left, i);
        const SlopeLoss right = SlopeLossByN(state.Derived, Side::Right, i);
        const CriticalRains found =
            FindCriticalDurations(state.Rain, state.Trial, state.Par, ReturnPeriodGroup(returnPeriod),
                                  state.Inputs.RainByN[i], left, twoSlopes ? &right : nullptr);
        if (!found.Left.Found) {
            fits.Run();
            return ComputeOutcome{ComputeOutcome::Status::NoRunoff,
                                  WithReason(VariantINoRunoffMessage(returnPeriod, Side::Left, twoSlopes),
                                             FailedSearchReason(state.Rain, left.InitialLoss))};
        }
        if (twoSlopes && !found.Right.Found) {
            fits.Run();
            return ComputeOutcome{ComputeOutcome::Status::NoRunoff,
                                  WithReason(VariantINoRunoffMessage(returnPeriod, Side::Right, twoSlopes),
                                             FailedSearchReason(state.Rain, right.InitialLoss))};
        }
        const ComputeOutcome outcome = ComputeReturnPeriod(state, i, found.Left, found.Right, fits);
        if (!outcome.ok()) {
            fits.Run();
            return outcome;
        }
        if (progress) {
            progress(ProgressPerReturnPeriod * i);
        }
    }
    fits.Run();
    state.TwoSlopes = twoSlopes;
    return {};
}

} // namespace hydrim
