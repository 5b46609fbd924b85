#include "menus/picture_worker.h"

#include "common/thread_apartment.h"
#include "common/worker_signals.h"

namespace trm {

struct PictureWorker::Shared : WorkerSignals {
    PictureJob waiting;
    int serial = 0;
    HWND window = nullptr;
    UINT message = 0;
};

bool PictureWorker::start(HWND window, UINT message) {
    if (shared) return true;
    auto made = std::make_shared<Shared>();
    made->window = window;
    made->message = message;
    if (!WorkerSignals::start(thread, [made] { work(made); })) return false;
    shared = std::move(made);
    return true;
}

void PictureWorker::ask(int serial, PictureJob job) {
    if (!shared) return;
    {
        std::lock_guard<std::mutex> held(shared->lock);
        shared->waiting = std::move(job);
        shared->serial = serial;
    }
    shared->changed.notify_all();
}

void PictureWorker::stop(std::chrono::milliseconds bound) {
    if (!shared) return;
    shared->stop(thread, bound, [this] { shared->waiting = nullptr; });
    shared.reset();
}

void PictureWorker::work(std::shared_ptr<Shared> shared) {
    {
        ThreadApartment apartment;
        std::unique_lock<std::mutex> held(shared->lock);
        for (;;) {
            shared->changed.wait(held, [&] { return shared->stopping || shared->waiting; });
            if (shared->stopping) break;
            PictureJob job = std::move(shared->waiting);
            shared->waiting = nullptr;
            const int serial = shared->serial;
            held.unlock();
            std::unique_ptr<PictureArrival> arrival(new (std::nothrow) PictureArrival);
            if (arrival) *arrival = job();
            job = nullptr;
            held.lock();
            // Posted under the lock: once stop() has it, nothing more comes.
            if (shared->stopping) break;
            if (!arrival || !arrival->bitmap) continue;
            arrival->serial = serial;
            if (::PostMessageA(shared->window, shared->message, 0, reinterpret_cast<LPARAM>(arrival.get())))
                arrival.release();
        }
    }
    shared->markFinished();
}

void dropPostedPictures(HWND window, UINT message) {
    MSG posted;
    while (::PeekMessageA(&posted, window, message, message, PM_REMOVE))
        delete reinterpret_cast<PictureArrival*>(posted.lParam);
}

}  // namespace trm
