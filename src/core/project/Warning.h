// A warning of a computation: a result the engine computed as the method
// prescribes but that a hydrologist should not take at face value (a fitted
// hydrograph that does not carry its runoff volume, rain extrapolated past one
// day, inputs far outside small-catchment practice, ...). Warnings never block
// a computation and never change a number; every output shows them.
#pragma once

#include <string>
#include <vector>

namespace hydrim {

// What a warning is about: a slope, the whole catchment, or nothing in particular.
enum class WarningSubject { None, LeftSlope, RightSlope, Catchment };

struct Warning {
    std::string Code;    // a stable identifier for scripts, e.g. "hydrograph-volume"
    std::string Message; // one sentence of plain Czech for the user
    WarningSubject Subject = WarningSubject::None;
    int ReturnPeriod = 0; // N in years, 0 when the warning holds for no single one
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

} // namespace hydrim
