#include "core/hydrology/RainCoefficients.h"

#include <cmath>

namespace hydrim {

int ReturnPeriodGroup(int returnPeriod) {
    switch (returnPeriod) {
    case 1:
        return 1;
    case 2:
        return 2;
    case 5:
        return 3;
    case 10:
        return 4;
    case 20:
        return 5;
    case 50:
        return 6;
    case 100:
        return 7;
    default:
        return 1;
    }
}

int DurationBand(int t) {
    if (t >= 10 && t <= 40) {
        return 1;
    }
    if (t >= 41 && t <= 120) {
        return 2;
    }
    return 3;
}

void SelectRainCoefficients(RainState& rain, const ParTable& par, int t, int group, double daily) {
    // The table has groups 1..8; anything else falls back to group 1 rather
    // than reading outside the table.
    const int safeGroup = (group >= 1 && group <= 8) ? group : 1;
    const auto& record = par.at(safeGroup, DurationBand(t));
    rain.RainCoefficient = record[0] / 1000.0;
    rain.RainDepthExponent = record[1] / 1000.0;
    rain.RainIntensityExponent = record[2] / 1000.0;
    rain.RainFactor = rain.RainCoefficient * daily;
}

double RainIntensity(double factor, double intensityExponent, double t) {
    return factor * std::pow(t, -intensityExponent);
}

double RainDepthFor(const RainState& rain, double t) {
    return rain.RainFactor * std::pow(t, rain.RainDepthExponent);
}

double RainIntensityFor(const RainState& rain, double t) {
    return RainIntensity(rain.RainFactor, rain.RainIntensityExponent, t);
}

} // namespace hydrim
