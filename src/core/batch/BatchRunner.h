// Runs the catchments of a batch on several threads and hands their results
// back in input order, on the calling thread, whatever the number of jobs.
// Workers run at most a window of catchments ahead of the one handed back
// last, so memory stays flat however long the batch is.
#pragma once

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace hydrim {

// The number of jobs for "all cores" (jobs 0).
inline unsigned BatchJobs(unsigned jobs) {
    return jobs > 0 ? jobs : std::max(1u, std::thread::hardware_concurrency());
}

// Computes items 0..count-1 with compute (called on worker threads, so it
// must touch nothing shared) and passes each result to deliver in order.
// When stop becomes true no further item is started; the items finished in
// order until then are delivered. Returns the number delivered.
template <typename Result>
size_t RunInOrder(size_t count, unsigned jobs, const std::function<Result(size_t)>& compute,
                  const std::function<void(size_t, Result&&)>& deliver, const std::atomic<bool>& stop) {
    jobs = BatchJobs(jobs);
    const size_t window = 16 * static_cast<size_t>(jobs);
    std::mutex mutex;
    std::condition_variable changed;
    std::map<size_t, Result> finished;
    size_t next = 0, delivered = 0;
    unsigned running = jobs;

    const auto work = [&] {
        std::unique_lock lock(mutex);
        for (;;) {
            changed.wait(lock, [&] { return stop || next >= count || next < delivered + window; });
            if (stop || next >= count) {
                break;
            }
            const size_t index = next++;
            lock.unlock();
            Result result = compute(index);
            lock.lock();
            finished.emplace(index, std::move(result));
            changed.notify_all();
        }
        --running;
        changed.notify_all();
    };
    std::vector<std::thread> workers;
    for (unsigned j = 0; j < jobs; ++j) {
        workers.emplace_back(work);
    }
    std::unique_lock lock(mutex);
    while (delivered < count) {
        changed.wait(lock, [&] { return finished.count(delivered) != 0 || running == 0 || stop; });
        const auto found = finished.find(delivered);
        if (found == finished.end()) {
            if (running == 0) {
                break;
            }
            // Stopped: wait for the started items, which may finish the order.
            changed.wait(lock, [&] { return finished.count(delivered) != 0 || running == 0; });
            continue;
        }
        Result result = std::move(found->second);
        finished.erase(found);
        lock.unlock();
        deliver(delivered, std::move(result));
        lock.lock();
        ++delivered;
        changed.notify_all();
    }
    lock.unlock();
    changed.notify_all();
    for (std::thread& worker : workers) {
        worker.join();
    }
    return delivered;
}

} // namespace hydrim
