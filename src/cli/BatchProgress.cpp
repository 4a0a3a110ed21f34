#include "cli/BatchProgress.h"

#include "core/batch/BatchSummary.h"

#include <csignal>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace hydrim::cli {
namespace {

std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the signal handler needs a lock-free flag");

// The first Ctrl+C asks the run to stop; a second one ends the process at once.
extern "C" void OnInterrupt(int) {
    interrupted = true;
    std::signal(SIGINT, SIG_DFL);
}

} // namespace

BatchProgress::BatchProgress(size_t total, bool show) : total_(total), show_(show) {}

void BatchProgress::Update(size_t done) {
    if (!show_) {
        return;
    }
    const Clock::time_point now = Clock::now();
    if (done < total_ && now - drawn_ < std::chrono::milliseconds(200)) {
        return;
    }
    drawn_ = now;
    const BatchPace pace = PaceOf(done, total_, std::chrono::duration<double>(now - start_).count());
    std::fprintf(stderr, "\r%zu/%zu povodí  %.0f/s  zbývá %s   ", done, total_, pace.Rate,
                 pace.TimeLeft.c_str());
    std::fflush(stderr);
}

void BatchProgress::Clear() {
    if (show_) {
        std::fputs("\r\033[K", stderr);
        drawn_ = {};
    }
}

void BatchProgress::Finish() {
    if (show_) {
        std::fputc('\n', stderr);
    }
}

InterruptRequest::InterruptRequest() {
    interrupted = false;
    std::signal(SIGINT, OnInterrupt);
}

InterruptRequest::~InterruptRequest() {
    std::signal(SIGINT, SIG_DFL);
}

const std::atomic<bool>& InterruptRequest::Requested() {
    return interrupted;
}

bool StderrIsTerminal() {
    return ::isatty(STDERR_FILENO) != 0;
}

} // namespace hydrim::cli
