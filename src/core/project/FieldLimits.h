// The limits of the project input fields in one table: the admissible values
// of each numeric field, how a value out of them is corrected, the length
// limits of the fields, and the messages that name them. The input window,
// its tooltips, the check before a computation, the check of an opened
// project, the lookup dialogs, the station table and the browser version all
// read them here.
#pragma once

#include <string>
#include <vector>

namespace hydrim {

// How the value of a numeric field is judged.
enum class FieldRule {
    Positive,    // a number greater than 0
    Rainfall,    // a 1-day maximum rainfall [mm]
    CurveNumber, // an SCS curve number CN
    Duration,    // a rain duration [min], whole minutes
};

// The admissible values of a rule: a number greater than 0 and, for a
// bounded rule, from Low to High inclusive. Leaving a field corrects a value
// out of the bounds to the nearer bound; a check refuses it.
struct FieldLimits {
    FieldRule Rule = FieldRule::Positive;
    int Low = 0;
    int High = 0;              // 0: no upper bound
    bool WholeNumbers = false; // part minutes are refused, not rounded
    bool Bounded() const { return High > 0; }
};

inline constexpr FieldLimits PositiveLimits{FieldRule::Positive, 0, 0, false};
inline constexpr FieldLimits RainfallLimits{FieldRule::Rainfall, 10, 500, false};
inline constexpr FieldLimits CurveNumberLimits{FieldRule::CurveNumber, 40, 100, false};
inline constexpr FieldLimits DurationLimits{FieldRule::Duration, 10, 300, true};

// Numeric fields accept at most this many characters from the keyboard.
inline constexpr int NumericFieldMaxLength = 5;
// The identification texts (Edit1 .. Edit4) accept at most this many
// characters typed; a longer text read from a project file is kept.
inline constexpr int IdentificationMaxLength = 60;

// The numeric fields EditK of the input window, in the order of their numbers.
const std::vector<int>& NumericFieldNumbers();

// The limits of field EditK: the rainfall fields, the curve numbers and the
// durations have theirs; every other numeric field takes PositiveLimits.
const FieldLimits& LimitsOfField(int k);

// The admissible values in words: "větší než 0", "10 až 500",
// "10 až 300, celé minuty".
std::string RangeText(const FieldLimits& limits);

// The bounds as a field's label shows them: "40-100" ("" for an unbounded rule).
std::string BoundsText(const FieldLimits& limits);

// The messages of a correction when a field is left.
inline const std::string OutOfRangeMessage = "Hodnota mimo mez !! Bude automaticky opravena.";
inline const std::string Rain100Message = "Hodnota pro N=100 bude automaticky opravena!";

// The problems the check names after a field's label and ": ".
inline const std::string NotFilledProblem = "není vyplněno.";
inline const std::string NotPositiveProblem = "hodnota musí být větší než 0.";
inline const std::string PartMinutesProblem = "doba trvání musí být celý počet minut.";
std::string NotANumberProblem(const std::string& text);   // "\"abc\" není číslo."
std::string OutOfRangeProblem(const FieldLimits& limits); // "hodnota musí ležet v rozmezí 40 až 100."

// The problem of a value read from a field's text under the limits (value
// greater than 0 already), or "" when it is admissible.
std::string LimitsProblem(const FieldLimits& limits, double value);

} // namespace hydrim
