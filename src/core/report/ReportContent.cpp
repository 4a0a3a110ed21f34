#include "core/report/ReportContent.h"

#include "core/report/ReportText.h"

namespace hydrim::report {

namespace {

std::string SubjectText(WarningSubject subject) {
    switch (subject) {
    case WarningSubject::LeftSlope:
        return "levý svah";
    case WarningSubject::RightSlope:
        return "pravý svah";
    case WarningSubject::Catchment:
        return "povodí";
    case WarningSubject::None:
        break;
    }
    return {};
}

} // namespace

std::string ReportWarningText(const Warning& warning) {
    std::vector<std::string> about;
    if (warning.ReturnPeriod > 0) {
        about.push_back("N = " + std::to_string(warning.ReturnPeriod) + " let");
    }
    if (std::string subject = SubjectText(warning.Subject); !subject.empty()) {
        about.push_back(std::move(subject));
    }
    return about.empty() ? warning.Message : Join(about, ", ") + ": " + warning.Message;
}

ReportContent MakeReportContent(const AppState& state, const LookupRowNames& names,
                                const Warnings& warnings) {
    const Project& project = state.CurrentProject;
    const char separator = state.LocaleDecimalSeparator;
    ReportContent content;
    content.Method = MethodFactsOf(state, RainfallSource(project, names));
    content.Identification = IdentificationLines(project.Texts);
    content.Description = project.Texts.Description;
    content.Inputs = SummarizeInputs(project, names);
    for (InputBlock& block : content.Inputs) {
        for (InputLine& line : block.Lines) {
            line.Value = LocalDecimals(line.Value, separator);
        }
        for (std::string& note : block.Notes) {
            note = LocalDecimals(note, separator);
        }
    }
    for (const Warning& warning : warnings) {
        (warning.Severity == WarningSeverity::Note ? content.Notes : content.Warnings)
            .push_back(LocalDecimals(ReportWarningText(warning), separator));
    }
    return content;
}

} // namespace hydrim::report
