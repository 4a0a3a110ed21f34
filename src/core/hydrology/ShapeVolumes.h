// Hydrograph volumes of one rise time, peak and target, for the many shape
// exponents the fitting tries, answered fast and exactly as the plain
// minute-by-minute sum of HydrographVolume would answer them.
#pragma once

#include "core/hydrology/Hydrograph.h"

#include <vector>

namespace hydrim {

// Per ordinate k = 1..M the part of the exponent that does not depend on the
// shape exponent m: c(k) = ln(k / tr) + 1 - k / tr, so that an ordinate costs
// one exponential, q(k) = Qmax exp(m c(k)), instead of a power and an
// exponential. That form rounds differently from the plain formula; every
// answer below therefore carries a bound of that difference, and an answer the
// bound cannot settle (a volume within it of the target, an ordinate within it
// of the 0.005 m3/s end of the falling limb) is taken from the plain formula.
// So every answer, and every length, is exactly the plain formula's.
class ShapeVolumes {
public:
    ShapeVolumes(int tr, int M, double qmax, double target);

    // Whether HydrographVolume(m, tr, M, Qmax) exceeds the target.
    bool Exceeds(double m);
    // Whether |target - HydrographVolume(m, ...)| <= tolerance.
    bool WithinTolerance(double m, double tolerance);
    // Length of the hydrograph with exponent m, as HydrographVolume gives it.
    int Length(double m);
    // Volume at m, accurate to the bound (for choosing where to look next).
    double ApproximateVolume(double m);

private:
    struct Sum {
        double m = 0;
        double volume = 0; // [m3], the fast sum, or the plain one when exact
        double bound = 0;  // |plain - volume| <= bound [m3]
        int length = 0;
        bool exact = false;
    };

    Sum& At(double m);
    // The plain volume at m, which then replaces the fast one.
    double PlainVolume(double m);
    Sum FastSum(double m) const;
    Sum PlainSum(double m) const;
    // Adds ordinates first..first+count-1 of a block (with their sum and
    // least value) to s; true when the falling limb ended in it (s.length set).
    bool AddBlock(Sum& s, int first, int count, const double* q, double blockSum, double blockLeast) const;
    bool EndsHere(double m, int k, double q) const;

    int tr_;
    int M_;
    double qmax_;
    double target_;
    bool fast_ = true; // false when the inputs leave the fast form no bound
    const std::vector<double>* exponentParts_ = nullptr;
    std::vector<Sum> sums_; // every exponent asked about so far
};

} // namespace hydrim
