// What a batch run shows and hears on the terminal: a progress line on
// standard error (done/total, rate, time left) and Ctrl+C, which asks the
// run to stop after the catchments under way.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>

namespace hydrim::cli {

class BatchProgress {
public:
    // show: standard error is a terminal and the run is not quiet.
    BatchProgress(size_t total, bool show);
    // Redraws the line, at most a few times a second and at the end.
    void Update(size_t done);
    // Clears the line, so that a message can take its place (the next
    // update draws it again).
    void Clear();
    // Ends the line.
    void Finish();

private:
    using Clock = std::chrono::steady_clock;
    size_t total_;
    bool show_;
    Clock::time_point start_ = Clock::now();
    Clock::time_point drawn_{};
};

// While it lives, a first Ctrl+C (SIGINT) sets Requested() instead of ending
// the process; a second one ends it.
class InterruptRequest {
public:
    InterruptRequest();
    ~InterruptRequest();
    InterruptRequest(const InterruptRequest&) = delete;
    InterruptRequest& operator=(const InterruptRequest&) = delete;
    static const std::atomic<bool>& Requested();
};

// Whether standard error is a terminal.
bool StderrIsTerminal();

} // namespace hydrim::cli
