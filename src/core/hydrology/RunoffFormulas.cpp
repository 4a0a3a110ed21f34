#include "core/hydrology/RunoffFormulas.h"

#include <climits>
#include <cmath>

namespace hydrim {

int nint(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    const double rounded = std::nearbyint(x);
    if (rounded >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    if (rounded <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    return static_cast<int>(rounded);
}

double ConvertCurveNumber(double cn, int curveType) {
    double converted = cn;
    if (curveType == 1) {
        converted = cn / (2.334 - 0.01334 * cn);
    } else if (curveType == 3) {
        converted = cn / (0.4036 + 0.0059 * cn);
    }
    return converted > 100.0 ? 100.0 : converted;
}

double PotentialRetention(double cnAdj) {
    return 25.4 * (1000.0 / cnAdj - 10.0);
}

double AbstractionExponent(int returnPeriod) {
    return 9.8992 * std::pow(static_cast<double>(returnPeriod), -0.3035);
}

double AbstractionFactor(double rain, double rain100, double exponent) {
    return std::pow(rain / rain100, exponent);
}

double InitialLoss(double abstractionFactor, double retention) {
    return 0.2 * abstractionFactor * retention;
}

double RunoffDepth(double rainDepth, double initialLoss, double netRetention) {
    const double excess = rainDepth - initialLoss;
    return excess * excess / (rainDepth + netRetention);
}

int PondingTime(double initialLoss, double intensity) {
    return nint(initialLoss / intensity);
}

double PeakIntensityBelowEquilibrium(double runoffDepth, double flowCoef) {
    return runoffDepth * runoffDepth / flowCoef;
}

double BoundedPeakIntensityBelowEquilibrium(double runoffDepth, double flowCoef, int excessDuration) {
    const double peak = PeakIntensityBelowEquilibrium(runoffDepth, flowCoef);
    if (excessDuration <= 0) {
        return peak;
    }
    const double excessIntensity = runoffDepth / excessDuration;
    return peak > BelowEquilibriumPeakLimit * excessIntensity ? excessIntensity : peak;
}

double PeakDischarge(double peakIntensity, double area) {
    return 16.67 * peakIntensity * area;
}

double RunoffVolume(double area, double runoffDepth) {
    return 1000.0 * area * runoffDepth;
}

} // namespace hydrim
