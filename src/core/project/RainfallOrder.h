// The order of the 1-day rainfall over the return periods: a longer return
// period never has less rain than a shorter one. Input that breaks the order
// (N = 5: 75 mm, N = 10: 50 mm) is not refused, but it gives a smaller
// discharge for the rarer event, so the input window warns when such a
// field is left.
#pragma once

#include <array>
#include <string>

namespace hydrim {

// The warning for leaving rainfall field EditK (Edit8 for N = 5, Edit24,
// Edit25, Edit26 for N = 10, 20, 50, Edit9 for N = 100) of Variant I when
// its value and that of another filled rainfall field fall as N grows;
// "" when the order holds, for other fields and for the other variants.
std::string FallingRainfallWarning(const std::array<std::string, 27>& edit, int variant, int k);

} // namespace hydrim
