// The hydrograph fits of a computation, gathered while it runs and done
// together, side by side on the processor's cores, before anything reads
// them. Each fit depends only on its own inputs and writes only its own
// results, so the results are those of fitting one after the other.
#pragma once

#include "core/hydrology/Hydrograph.h"

#include <functional>
#include <vector>

namespace hydrim {

// Where a fitted hydrograph goes: shape numerator and divisor, falling limb
// and length [min].
struct FittedHydrographFields {
    int* Numerator;
    int* Divisor;
    int* Fall;
    int* Length;
};

class HydrographFits {
public:
    // Queues the fit of a hydrograph with rise, plateau [min], peak Qmax
    // [m3/s] and runoff volume [m3] (FitHydrographWithPlateau).
    void Add(int rise, int plateau, double qmax, double volume, FittedHydrographFields out);
    // Queues a step that reads fitted results; steps run after every fit, in
    // the order they were added.
    void Then(std::function<void()> step);
    // Does the queued fits, then the steps, and empties the queue.
    void Run();

private:
    struct Fit {
        int rise, plateau;
        double qmax, volume;
        FittedHydrographFields out;
    };
    std::vector<Fit> fits_;
    std::vector<std::function<void()>> steps_;
};

} // namespace hydrim
