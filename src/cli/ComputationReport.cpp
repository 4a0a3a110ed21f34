#include "cli/ComputationReport.h"

#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "core/results/WarningLists.h"

#include <iostream>

namespace hydrim::cli {

int ReportComputation(const Computation& computation) {
    if (computation.LoadError) {
        PrintError(computation.LoadError.Message);
        return ExitInvalidInput;
    }
    const ComputeOutcome& outcome = computation.Outcome;
    if (outcome.ok()) {
        return ExitOk;
    }
    if (outcome.status == ComputeOutcome::Status::NoRunoff) {
        std::cout << outcome.message << '\n';
        return ExitOk;
    }
    PrintError(outcome.message);
    return ExitInvalidInput;
}

void PrintWarnings(const Warnings& warnings, std::ostream& out) {
    for (const WarningSeverity severity : {WarningSeverity::Warning, WarningSeverity::Note}) {
        const Warnings chosen = OfSeverity(warnings, severity);
        if (chosen.empty()) {
            continue;
        }
        out << '\n' << SeverityLabel(severity, chosen.size()) << ":\n";
        for (const Warning& warning : chosen) {
            out << "- " << warning.Message << '\n';
        }
    }
}

} // namespace hydrim::cli
