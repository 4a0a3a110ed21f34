// The program-wide data keeps the left (or only) and the right slope in
// separately named fields (suffix L and R). These views bind the fields of one
// side, so that every per-slope step is written once for both sides.
#pragma once

#include "core/project/ProjectData.h"

namespace hydrim {

enum class Side { Left, Right };

// Numeric inputs of one slope.
struct SlopeInputs {
    double& Area;
    double& Slope;
    double& Roughness;
    double& Cn;
    int& CnType;
    int& Duration;
    double& Intensity;
};
SlopeInputs SlopeInputsOf(NumericInputs& inputs, Side side);

// Derived parameters of one slope.
struct SlopeDerived {
    double& CnAdj;
    double& Retention;
    double& InitialLoss;
    double& NetRetention;
    ByN<double>& InitialLossByN;
    ByN<double>& NetRetentionByN;
    double& Width;
    double& FlowLength;
    double& FlowCoef;
};
SlopeDerived SlopeDerivedOf(DerivedParams& derived, Side side);

// Indices of the input window's fields of one slope.
struct SlopeFields {
    int Area, Slope, Roughness, Cn, Duration, Intensity;
};
SlopeFields SlopeFieldsOf(Side side);

// Curve-type list item of one slope (-1 none, 0..2 for types 1..3).
int CnTypeItemOf(const ProjectTexts& texts, Side side);

// Trial values of the critical-duration search of one slope.
struct SlopeTrial {
    double& ExcessIntensity;
    double& EquilibriumIntensity;
};
SlopeTrial SlopeTrialOf(TrialValues& trial, Side side);

} // namespace hydrim
