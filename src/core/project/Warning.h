// A warning of a computation: a result the engine computed as the method
// prescribes but that a hydrologist should not take at face value (a fitted
// hydrograph that does not carry its runoff volume, rain extrapolated past one
// day, inputs far outside small-catchment practice, ...), or a note on what
// the method did with this project. Warnings never block a computation and
// never change a number; every output shows them, each with its severity.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace hydrim {

// How much a warning weighs. Warning ("upozornění"): a result that may be
// wrong (a hydrograph that does not carry its volume, an implausible input,
// a peak above what the slopes deliver, rain past one day, rainfall falling
// as N grows). Note ("poznámka"): a property of the method the engineer
// should know (the design rain capped below the critical duration); an
// ordinary project may carry notes but no warnings.
enum class WarningSeverity { Warning, Note };

// What a warning is about: a slope, the whole catchment, or nothing in particular.
enum class WarningSubject { None, LeftSlope, RightSlope, Catchment };

struct Warning {
    std::string Code;    // a stable identifier for scripts, e.g. "hydrograph-volume"
    std::string Message; // one sentence of plain Czech for the user
    WarningSubject Subject = WarningSubject::None;
    int ReturnPeriod = 0; // N in years, 0 when the warning holds for no single one
    WarningSeverity Severity = WarningSeverity::Warning;
    bool operator==(const Warning&) const = default;
};

using Warnings = std::vector<Warning>;

// "L", "R", "C" or "" (none): the subject as the command line's JSON writes it.
inline const char* SubjectLetter(WarningSubject subject) {
    switch (subject) {
    case WarningSubject::LeftSlope:
        return "L";
    case WarningSubject::RightSlope:
        return "R";
    case WarningSubject::Catchment:
        return "C";
    case WarningSubject::None:
        break;
    }
    return "";
}

// The label every output shows beside a warning of this severity:
// "Upozornění" (one or more), "Poznámka" (one note), "Poznámky" (more).
inline const char* SeverityLabel(WarningSeverity severity, size_t count = 1) {
    if (severity == WarningSeverity::Warning) {
        return "Upozornění";
    }
    return count > 1 ? "Poznámky" : "Poznámka";
}

// "warning" or "note": the severity as the command line's JSON writes it.
inline const char* SeverityCode(WarningSeverity severity) {
    return severity == WarningSeverity::Warning ? "warning" : "note";
}

} // namespace hydrim
