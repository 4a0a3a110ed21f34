#include "core/hydrology/Compute.h"

#include "core/hydrology/ResultWarnings.h"

namespace hydrim {

namespace {

constexpr int VariantI = 0;
constexpr int VariantIII = 2;

bool CatchmentTypeChosen(const ProjectTexts& texts) {
    return texts.CatchmentType == 0 || texts.CatchmentType == 1;
}

} // namespace

ComputeOutcome ComputeProject(AppState& state, const ProgressCallback& progress) {
    const ProjectTexts& texts = state.CurrentProject.Texts;
    state.Warnings.clear();
    if (!CatchmentTypeChosen(texts)) {
        return ComputeOutcome{ComputeOutcome::Status::InvalidInput, "Není zvolen typ povodí."};
    }
    if (texts.Variant < VariantI || texts.Variant > VariantIII) {
        return ComputeOutcome{ComputeOutcome::Status::InvalidInput, "Není zvolena varianta výpočtu."};
    }
    state.LastResultVariantI = texts.Variant == VariantI;
    const ComputeOutcome outcome =
        state.LastResultVariantI ? ComputeVariantI(state, progress) : ComputeVariant23(state, progress);
    if (outcome.status != ComputeOutcome::Status::InvalidInput) {
        state.Warnings = InputWarnings(state);
    }
    if (outcome.ok()) {
        const Warnings results =
            state.LastResultVariantI ? VariantIResultWarnings(state) : Variant23ResultWarnings(state);
        state.Warnings.insert(state.Warnings.end(), results.begin(), results.end());
    }
    return outcome;
}

} // namespace hydrim
