#include "json/ComputationJson.h"

#include <string>

namespace hydrim {
namespace {

using json = nlohmann::ordered_json;

// Puts named values into the "results" object: left (or only) slope values
// always, right-slope values only for two slopes, catchment values always.
class ResultObject {
public:
    explicit ResultObject(bool twoSlopes) : twoSlopes_(twoSlopes) {}

    template <typename T> void single(const std::string& name, const T& value) {
        object_[name] = Json(value);
    }

    template <typename T> void slopes(const std::string& name, const T& left, const T& right) {
        single(name + "L", left);
        if (twoSlopes_) {
            single(name + "R", right);
        }
    }

    template <typename T>
    void catchment(const std::string& name, const T& left, const T& right, const T& whole) {
        slopes(name, left, right);
        single(name + "C", whole);
    }

    const json& object() const { return object_; }

private:
    static json Json(double value) { return value; }
    static json Json(int value) { return value; }
    // Variant I arrays: the five return periods 5..100 years (index 1..5).
    template <typename T> static json Json(const ByN<T>& values) {
        json array = json::array();
        for (size_t i = 1; i < values.size(); ++i) {
            array.push_back(values[i]);
        }
        return array;
    }

    bool twoSlopes_;
    json object_ = json::object();
};

void PutSlopeGeometry(const DerivedParams& d, ResultObject& out) {
    out.slopes("CnAdj", d.CnAdjL, d.CnAdjR);
    out.slopes("Retention", d.RetentionL, d.RetentionR);
}

void PutFlowParameters(const DerivedParams& d, ResultObject& out) {
    out.slopes("Width", d.WidthL, d.WidthR);
    out.slopes("FlowLength", d.FlowLengthL, d.FlowLengthR);
    out.slopes("FlowCoef", d.FlowCoefL, d.FlowCoefR);
}

void PutDerivedVariantI(const DerivedParams& d, ResultObject& out) {
    PutSlopeGeometry(d, out);
    out.single("AbstractionExponentByN", d.AbstractionExponentByN);
    out.single("AbstractionFactorByN", d.AbstractionFactorByN);
    out.slopes("InitialLossByN", d.InitialLossByNL, d.InitialLossByNR);
    out.slopes("NetRetentionByN", d.NetRetentionByNL, d.NetRetentionByNR);
    PutFlowParameters(d, out);
}

void PutDerivedVariant23(const AppState& s, ResultObject& out) {
    const DerivedParams& d = s.Derived;
    PutSlopeGeometry(d, out);
    if (s.CurrentProject.Texts.Variant == 1) {
        out.single("AbstractionExponent", d.AbstractionExponent);
    }
    out.single("AbstractionFactor", d.AbstractionFactor);
    out.slopes("InitialLoss", d.InitialLossL, d.InitialLossR);
    out.slopes("NetRetention", d.NetRetentionL, d.NetRetentionR);
    PutFlowParameters(d, out);
}

void PutResultsVariantI(const VariantIResults& r, ResultObject& out) {
    out.single("TotalArea", r.TotalArea);
    out.slopes("CriticalDuration", r.CriticalDurationL, r.CriticalDurationR);
    out.slopes("CriticalIntensity", r.CriticalIntensityL, r.CriticalIntensityR);
    out.slopes("CriticalDepth", r.CriticalDepthL, r.CriticalDepthR);
    out.slopes("CriticalPondingTime", r.CriticalPondingTimeL, r.CriticalPondingTimeR);
    out.slopes("CriticalExcessDuration", r.CriticalExcessDurationL, r.CriticalExcessDurationR);
    out.slopes("CriticalRunoffDepth", r.CriticalRunoffDepthL, r.CriticalRunoffDepthR);
    out.slopes("CriticalExcessIntensity", r.CriticalExcessIntensityL, r.CriticalExcessIntensityR);
    out.catchment("RainDuration", r.RainDurationL, r.RainDurationR, r.RainDurationC);
    out.catchment("RainIntensity", r.RainIntensityL, r.RainIntensityR, r.RainIntensityC);
    out.slopes("RainDepth", r.RainDepthL, r.RainDepthR);
    out.slopes("PondingTime", r.PondingTimeL, r.PondingTimeR);
    out.slopes("ExcessDuration", r.ExcessDurationL, r.ExcessDurationR);
    out.slopes("RunoffDepth", r.RunoffDepthL, r.RunoffDepthR);
    out.slopes("ExcessIntensity", r.ExcessIntensityL, r.ExcessIntensityR);
    out.slopes("EquilibriumTime", r.EquilibriumTimeL, r.EquilibriumTimeR);
    out.slopes("EquilibriumIntensity", r.EquilibriumIntensityL, r.EquilibriumIntensityR);
    out.slopes("VolumeDepth", r.VolumeDepthL, r.VolumeDepthR);
    out.slopes("PeakIntensity", r.PeakIntensityL, r.PeakIntensityR);
    out.catchment("PeakDischarge", r.PeakDischargeL, r.PeakDischargeR, r.PeakDischargeC);
    out.catchment("RiseTime", r.RiseTimeL, r.RiseTimeR, r.RiseTimeC);
    out.catchment("PlateauTime", r.PlateauTimeL, r.PlateauTimeR, r.PlateauTimeC);
    out.catchment("FallTime", r.FallTimeL, r.FallTimeR, r.FallTimeC);
    out.catchment("HydrographLength", r.HydrographLengthL, r.HydrographLengthR, r.HydrographLengthC);
    out.catchment("Volume", r.VolumeL, r.VolumeR, r.VolumeC);
    out.slopes("ShapeNumerator", r.ShapeNumeratorL, r.ShapeNumeratorR);
    out.slopes("ShapeDivisor", r.ShapeDivisorL, r.ShapeDivisorR);
    out.slopes("DailyRunoffDepth", r.DailyRunoffDepthL, r.DailyRunoffDepthR);
    out.catchment("DailyVolume", r.DailyVolumeL, r.DailyVolumeR, r.DailyVolumeC);
    out.catchment("DailyRiseTime", r.DailyRiseTimeL, r.DailyRiseTimeR, r.DailyRiseTimeC);
    out.catchment("DailyPlateauTime", r.DailyPlateauTimeL, r.DailyPlateauTimeR, r.DailyPlateauTimeC);
    out.catchment("DailyFallTime", r.DailyFallTimeL, r.DailyFallTimeR, r.DailyFallTimeC);
    out.catchment("DailyHydrographLength", r.DailyHydrographLengthL, r.DailyHydrographLengthR,
                  r.DailyHydrographLengthC);
    out.slopes("DailyShapeNumerator", r.DailyShapeNumeratorL, r.DailyShapeNumeratorR);
    out.slopes("DailyShapeDivisor", r.DailyShapeDivisorL, r.DailyShapeDivisorR);
}

void PutResultsVariant23(const AppState& s, ResultObject& out) {
    const Variant23Results& r = s.Variant23;
    const NumericInputs& in = s.Inputs;
    const bool variantII = s.CurrentProject.Texts.Variant == 1;
    out.single("TotalArea", r.TotalArea);
    out.single("RainDuration", in.RainDuration);
    out.single("RainIntensity", in.RainIntensity);
    if (variantII) {
        out.single("ReturnPeriodGroup", r.ReturnPeriodGroup);
        out.slopes("CritRainFactor", r.CritRainFactorL, r.CritRainFactorR);
        out.slopes("CritIntensityExponent", r.CritIntensityExponentL, r.CritIntensityExponentR);
        out.slopes("CritDuration", r.CritDurationL, r.CritDurationR);
        out.slopes("CritIntensity", r.CritIntensityL, r.CritIntensityR);
        out.slopes("CritDepth", r.CritDepthL, r.CritDepthR);
        out.slopes("CritPonding", r.CritPondingL, r.CritPondingR);
        out.slopes("CritExcessDuration", r.CritExcessDurationL, r.CritExcessDurationR);
        out.slopes("CritRunoff", r.CritRunoffL, r.CritRunoffR);
        out.slopes("CritExcessIntensity", r.CritExcessIntensityL, r.CritExcessIntensityR);
    }
    out.slopes("Intensity", in.IntensityL, in.IntensityR);
    out.slopes("DesignDepth", r.DesignDepthL, r.DesignDepthR);
    out.slopes("DesignPonding", r.DesignPondingL, r.DesignPondingR);
    out.slopes("DesignExcessDuration", r.DesignExcessDurationL, r.DesignExcessDurationR);
    out.slopes("DesignRunoff", r.DesignRunoffL, r.DesignRunoffR);
    out.slopes("DesignExcessIntensity", r.DesignExcessIntensityL, r.DesignExcessIntensityR);
    out.slopes("DesignEquilibriumTime", r.DesignEquilibriumTimeL, r.DesignEquilibriumTimeR);
    out.slopes("DesignEquilibriumIntensity", r.DesignEquilibriumIntensityL, r.DesignEquilibriumIntensityR);
    out.slopes("DesignVolumeDepth", r.DesignVolumeDepthL, r.DesignVolumeDepthR);
    out.slopes("DesignPeakIntensity", r.DesignPeakIntensityL, r.DesignPeakIntensityR);
    out.catchment("DesignPeak", r.DesignPeakL, r.DesignPeakR, r.DesignPeakC);
    out.catchment("DesignVolume", r.DesignVolumeL, r.DesignVolumeR, r.DesignVolumeC);
    out.catchment("DesignRise", r.DesignRiseL, r.DesignRiseR, r.DesignRiseC);
    out.catchment("DesignPlateau", r.DesignPlateauL, r.DesignPlateauR, r.DesignPlateauC);
    out.catchment("DesignFall", r.DesignFallL, r.DesignFallR, r.DesignFallC);
    out.catchment("DesignLength", r.DesignLengthL, r.DesignLengthR, r.DesignLengthC);
    out.slopes("DesignShapeNumerator", r.DesignShapeNumeratorL, r.DesignShapeNumeratorR);
    out.slopes("DesignShapeDivisor", r.DesignShapeDivisorL, r.DesignShapeDivisorR);
}

} // namespace

json WarningsJson(const Warnings& warnings) {
    json array = json::array();
    for (const Warning& w : warnings) {
        const std::string slope = SubjectLetter(w.Subject);
        array.push_back({{"code", w.Code},
                         {"message", w.Message},
                         {"slope", slope.empty() ? json(nullptr) : json(slope)},
                         {"returnPeriod", w.ReturnPeriod > 0 ? json(w.ReturnPeriod) : json(nullptr)},
                         {"severity", SeverityCode(w.Severity)}});
    }
    return array;
}

json ComputationDocument(const AppState& s, const ComputeOutcome& outcome) {
    const int variant = s.CurrentProject.Texts.Variant;
    const bool twoSlopes = HasTwoSlopes(s.CurrentProject.Texts);
    ResultObject results(twoSlopes);
    if (variant == 0) {
        PutDerivedVariantI(s.Derived, results);
    } else {
        PutDerivedVariant23(s, results);
    }
    if (outcome.ok()) {
        if (variant == 0) {
            PutResultsVariantI(s.VariantI, results);
        } else {
            PutResultsVariant23(s, results);
        }
    }
    json document = {{"variant", variant + 1}, {"twoSlopes", twoSlopes}};
    document["status"] = outcome.ok() ? "ok" : "no-runoff";
    if (!outcome.ok()) {
        document["message"] = outcome.message;
    }
    document["results"] = results.object();
    document["warnings"] = WarningsJson(ResultWarnings(s));
    return document;
}

} // namespace hydrim
