#include "core/results/WarningLists.h"

namespace hydrim {

Warnings WarningsOfReturnPeriod(const Warnings& all, int returnPeriod) {
    Warnings shown;
    for (const Warning& warning : all) {
        if (returnPeriod == 0 || warning.ReturnPeriod == 0 || warning.ReturnPeriod == returnPeriod) {
            shown.push_back(warning);
        }
    }
    return shown;
}

Warnings OfSeverity(const Warnings& all, WarningSeverity severity) {
    Warnings chosen;
    for (const Warning& warning : all) {
        if (warning.Severity == severity) {
            chosen.push_back(warning);
        }
    }
    return chosen;
}

Warnings OutputWarnings(const Warnings& computed, bool outOfDate) {
    Warnings shown;
    if (outOfDate) {
        shown.push_back({OutOfDateCode, OutOfDateMessage, WarningSubject::None, 0});
    }
    shown.insert(shown.end(), computed.begin(), computed.end());
    return shown;
}

} // namespace hydrim
