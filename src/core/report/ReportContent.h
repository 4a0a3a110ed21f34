// What the design report says about a computed project, free of any
// drawing: the identification and description, the inputs with the lookup
// entries behind them, the warnings as the report lists them and the facts
// its method section states. Every number is written with the separator of
// the result tables (state.LocaleDecimalSeparator). The desktop paints it
// (render/DesignReport.h), the browser version gets it from the engine's
// report() call.
#pragma once

#include "core/project/ProjectData.h"
#include "core/project/Warning.h"
#include "core/report/ReportMethod.h"
#include "core/results/InputSummary.h"

#include <string>
#include <vector>

namespace hydrim::report {

struct ReportContent {
    std::vector<InputLine> Identification;
    std::vector<std::string> Description;
    std::vector<InputBlock> Inputs;
    // "N = 5 let, levý svah: message", the warnings and the notes apart.
    std::vector<std::string> Warnings;
    std::vector<std::string> Notes;
    MethodFacts Method;
};

// The content of the report of state, whose results carry warnings (the
// facade's ResultWarnings); names are the lookup tables' row names.
ReportContent MakeReportContent(const AppState& state, const LookupRowNames& names, const Warnings& warnings);

// A warning as the report lists it: its return period and subject before
// the message ("N = 5 let, levý svah: message"), the decimal point as it is.
std::string ReportWarningText(const Warning& warning);

} // namespace hydrim::report
