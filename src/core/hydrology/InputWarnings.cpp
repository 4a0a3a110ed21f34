// Plausibility of the inputs: values the input window accepts but that lie
// far outside what the method for small catchments was made for. The limits
// are wide on purpose: they flag typing errors and extreme cases, not
// ordinary variety.
#include "core/hydrology/ResultWarnings.h"
#include "core/hydrology/WarningTexts.h"

namespace hydrim {

namespace {

constexpr int VariantI = 0;
constexpr int VariantII = 1;

// Usual range of an input and the words the warning uses for it.
struct UsualRange {
    double Lowest, Highest;
    const char* What;
    const char* Unit;
    const char* Text;
};

// Slope gradient: below 0.1 % the surface is a plain, not a slope; above
// 100 % (45 degrees) it is steeper than the slopes the overland-flow relation
// K ~ 1 / sqrt(gradient) was made for.
constexpr UsualRange SlopeGradient{0.1, 100.0, "sklon svahu", "%", "0.1 až 100 %"};
// Roughness: the roughness classes of the table reach 255 at most; below 0.5
// the flow coefficient K, and with it the time to equilibrium, all but vanish.
constexpr UsualRange Roughness{0.5, 255.0, "drsnost", "", "0.5 až 255"};
// Slope width (area / valley length): a strip narrower than 10 m is no slope
// (its K goes to zero, the cause of peaks of 10^9 m3/s); overland flow over
// more than 5 km gathers into channels long before.
constexpr UsualRange SlopeWidth{0.01, 5.0, "šířka svahu (plocha / délka údolnice)", "km", "0.01 až 5 km"};
// Valley line: small catchments have valley lines of a few kilometres; over
// 50 km the flood would travel along the valley, which the method ignores.
constexpr UsualRange ValleyLength{0.0, 50.0, "délka údolnice", "km", "do 50 km"};
// Valley gradient: above 100 % it is a cliff, not a valley.
constexpr UsualRange ValleyGradient{0.0, 100.0, "sklon údolnice", "%", "do 100 %"};
// Catchment area: the method adds the slopes' peaks without routing; beyond
// 100 km2 that no longer holds.
constexpr UsualRange CatchmentArea{0.0, 100.0, "plocha", "km²", "do 100 km²"};

void CheckRange(double value, const UsualRange& range, WarningSubject subject, bool twoSlopes,
                Warnings& out) {
    if (value < range.Lowest || value > range.Highest) {
        out.push_back(ImplausibleInputWarning(subject, twoSlopes, range.What, value, range.Unit, range.Text));
    }
}

void CheckSlope(double gradient, double roughness, double width, WarningSubject subject, bool twoSlopes,
                Warnings& out) {
    CheckRange(gradient, SlopeGradient, subject, twoSlopes, out);
    CheckRange(roughness, Roughness, subject, twoSlopes, out);
    CheckRange(width, SlopeWidth, subject, twoSlopes, out);
}

// Variant I: each 1-day rainfall at least that of the shorter return period.
// Variant II: the rainfall of N years at most that of 100 years. (Variant III
// gives its rain by intensity and uses neither.)
void CheckRainfallOrder(const AppState& state, Warnings& out) {
    const NumericInputs& in = state.Inputs;
    const int variant = state.CurrentProject.Texts.Variant;
    if (variant == VariantII) {
        if (in.ReturnPeriod > 0 && in.ReturnPeriod < 100 && in.Rain100 < in.RainN) {
            out.push_back(FallingRainfallWarning(in.ReturnPeriod, in.RainN, 100, in.Rain100));
        }
    }
    if (variant != VariantI) {
        return;
    }
    for (size_t i = 2; i <= 5; ++i) {
        if (in.RainByN[i] < in.RainByN[i - 1]) {
            out.push_back(FallingRainfallWarning(ReturnPeriods[i - 1], in.RainByN[i - 1], ReturnPeriods[i],
                                                 in.RainByN[i]));
        }
    }
}

} // namespace

Warnings InputWarnings(const AppState& state) {
    const NumericInputs& in = state.Inputs;
    const bool twoSlopes = HasTwoSlopes(state.CurrentProject.Texts);
    Warnings out;
    CheckRainfallOrder(state, out);
    CheckSlope(in.SlopeL, in.RoughnessL, state.Derived.WidthL, WarningSubject::LeftSlope, twoSlopes, out);
    if (twoSlopes) {
        CheckSlope(in.SlopeR, in.RoughnessR, state.Derived.WidthR, WarningSubject::RightSlope, true, out);
    }
    CheckRange(in.ValleyLength, ValleyLength, WarningSubject::None, twoSlopes, out);
    CheckRange(in.ValleySlope, ValleyGradient, WarningSubject::None, twoSlopes, out);
    CheckRange(twoSlopes ? in.AreaL + in.AreaR : in.AreaL, CatchmentArea, WarningSubject::Catchment,
               twoSlopes, out);
    return out;
}

} // namespace hydrim
