#include "ComputedProject.h"

#include "CliCommon.h"
#include "Commands.h"

#include "hydrology/Compute.h"

#include <iostream>

namespace hydrim::cli {

ComputedProject LoadAndCompute(const std::string& projectFile, const std::string& dataDir) {
    ComputedProject result;
    result.state = std::make_unique<AppState>();
    result.status = LoadProject(projectFile, dataDir, *result.state);
    if (result.status != ExitOk) {
        return result;
    }
    const ComputeOutcome outcome = ComputeProject(*result.state);
    if (outcome.status == ComputeOutcome::Status::NoRunoff) {
        std::cout << outcome.message << '\n';
        return result;
    }
    if (!outcome.ok()) {
        PrintError(outcome.message);
        result.status = ExitInvalidInput;
        return result;
    }
    result.hasResults = true;
    return result;
}

int Variant23Number(const AppState& state) {
    return state.CurrentProject.Texts.Variant == 2 ? 3 : 2;
}

bool Variant23TwoSlopes(const AppState& state) {
    return state.CurrentProject.Texts.CatchmentType > 0;
}

} // namespace hydrim::cli
