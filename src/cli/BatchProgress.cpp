#include "cli/BatchProgress.h"

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

std::string MinutesSeconds(double seconds) {
    const long total = static_cast<long>(seconds + 0.5);
    char text[32];
    std::snprintf(text, sizeof text, "%ld:%02ld", total / 60, total % 60);
    return text;
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
    const double elapsed = std::chrono::duration<double>(now - start_).count();
    const double rate = elapsed > 0 ? static_cast<double>(done) / elapsed : 0.0;
    const std::string left = rate > 0 ? MinutesSeconds(static_cast<double>(total_ - done) / rate) : "?";
    std::fprintf(stderr, "\r%zu/%zu povodí  %.0f/s  zbývá %s   ", done, total_, rate, left.c_str());
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
