// Whole-minute arithmetic of the computations. Times are 32-bit integers; the
// sums and differences below saturate at the 32-bit range instead of
// overflowing, so even a nonsensical input cannot cause undefined behaviour.
#pragma once

#include <climits>

namespace hydrim {

inline int SaturatedMinutes(long long minutes) {
    if (minutes > INT_MAX) {
        return INT_MAX;
    }
    if (minutes < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(minutes);
}

// a - b [min]
inline int MinutesBetween(int a, int b) {
    return SaturatedMinutes(static_cast<long long>(a) - b);
}

// a + b [min]
inline int AddMinutes(int a, int b) {
    return SaturatedMinutes(static_cast<long long>(a) + b);
}

} // namespace hydrim
