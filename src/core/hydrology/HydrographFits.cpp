#include "core/hydrology/HydrographFits.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>

#ifdef __linux__
#include <sched.h>
#endif

namespace hydrim {

namespace {

// Cores this process may run on (a process pinned to one core gets one).
unsigned UsableCores() {
#ifdef __linux__
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0) {
        return static_cast<unsigned>(std::max(1, CPU_COUNT(&set)));
    }
#endif
    return std::max(1u, std::thread::hardware_concurrency());
}

} // namespace

void HydrographFits::Add(int rise, int plateau, double qmax, double volume, FittedHydrographFields out) {
    fits_.push_back(Fit{rise, plateau, qmax, volume, out});
}

void HydrographFits::Then(std::function<void()> step) {
    steps_.push_back(std::move(step));
}

void HydrographFits::Run() {
    // Workers take the next fit not yet taken; which worker fits which
    // hydrograph does not change any result.
    std::atomic<size_t> next{0};
    std::exception_ptr failure;
    std::mutex failureMutex;
    const auto work = [&] {
        try {
            for (size_t k = next++; k < fits_.size(); k = next++) {
                const Fit& f = fits_[k];
                const FittedHydrograph fitted = FitHydrographWithPlateau(f.rise, f.plateau, f.qmax, f.volume);
                *f.out.Numerator = fitted.Numerator;
                *f.out.Divisor = fitted.Divisor;
                *f.out.Fall = fitted.Fall;
                *f.out.Length = fitted.Length;
            }
        } catch (...) {
            const std::lock_guard<std::mutex> lock(failureMutex);
            failure = std::current_exception();
        }
    };
    std::vector<std::thread> helpers;
    const size_t wanted = std::min<size_t>(UsableCores(), fits_.size());
    for (size_t h = 1; h < wanted; ++h) {
        try {
            helpers.emplace_back(work);
        } catch (const std::system_error&) {
            break; // no more threads: the others share the fits
        }
    }
    work();
    for (std::thread& helper : helpers) {
        helper.join();
    }
    fits_.clear();
    if (failure) {
        steps_.clear();
        std::rethrow_exception(failure);
    }
    for (const auto& step : steps_) {
        step();
    }
    steps_.clear();
}

} // namespace hydrim
