#include "core/hydrology/SlopeGeometry.h"

#include "core/hydrology/RunoffFormulas.h"

#include <cmath>
#include <cstdint>

namespace hydrim {

double SlopeWidth(double area, double valleyLength) {
    return area / valleyLength;
}

double FlowPathLength(double width, double valleySlope, double slope) {
    const double valley2 = valleySlope * valleySlope;
    return width * std::sqrt(1.0 + valley2 / (valley2 + slope * slope));
}

double FlowCoefficient(double roughness, double flowLength, double slope) {
    return 1915.71 * roughness * flowLength / std::sqrt(slope);
}

int EquilibriumTime(double flowCoef, double excessIntensity) {
    const int minutes = nint(std::sqrt(flowCoef / excessIntensity));
    return minutes < 1 ? 1 : minutes;
}

double EquilibriumIntensity(double flowCoef, int equilibriumTime) {
    const auto square = static_cast<std::int64_t>(equilibriumTime) * equilibriumTime;
    return flowCoef / static_cast<double>(square);
}

} // namespace hydrim
