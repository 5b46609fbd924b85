// What a worker thread and the thread that owns it share to end it: the
// owner never waits for ever, since a worker may hang inside a shell call.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace trm {

// The process's worker threads that have not ended yet, those left behind
// inside a shell call included: the run's apartment stays while any does.
inline std::atomic<int>& workerThreadsAlive() {
    static std::atomic<int> alive{0};
    return alive;
}

struct WorkerSignals {
    std::mutex lock;
    std::condition_variable changed;
    bool stopping = false;  // set by the owner; the worker posts nothing after
    bool finished = false;  // set by the worker as it ends

    // Called by the worker, last.
    void markFinished() {
        {
            std::lock_guard<std::mutex> held(lock);
            finished = true;
        }
        changed.notify_all();
        --workerThreadsAlive();
    }

    // Starts `worker` running `work`; false when no thread could be made.
    template <typename Work>
    static bool start(std::thread& worker, Work work) {
        ++workerThreadsAlive();
        try {
            worker = std::thread(std::move(work));
        } catch (const std::exception&) {
            --workerThreadsAlive();
            return false;
        }
        return true;
    }

    // Called by the owner: `dropWork` runs under the lock with `stopping`
    // set, then the worker gets at most `bound` to end. It is joined when it
    // has (its apartment and the thread are gone), else left to end with
    // the process.
    template <typename DropWork>
    void stop(std::thread& worker, std::chrono::milliseconds bound, DropWork dropWork) {
        std::unique_lock<std::mutex> held(lock);
        stopping = true;
        dropWork();
        changed.notify_all();
        const bool ended = changed.wait_for(held, bound, [this] { return finished; });
        held.unlock();
        if (ended)
            worker.join();
        else
            worker.detach();
    }
};

}  // namespace trm
