#include "model/icon_worker.h"

#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "common/thread_apartment.h"
#include "common/user_handles.h"
#include "common/win_text.h"
#include "common/worker_signals.h"
#include "model/folder_icons.h"
#include "model/sized_icons.h"

namespace trm {

struct IconWorker::Shared : WorkerSignals {
    std::deque<IconRequest> queue;
    HWND window = nullptr;
    UINT message = 0;
    IconSource source;
};

HICON shellIconOf(const IconRequest& request) {
    switch (request.kind) {
        case IconRequest::Kind::fileInfo: {
            if (request.size > 0)
                if (HICON sized = shellIconOfSize(request.source, request.attributes, request.flags, request.size))
                    return sized;
            SHFILEINFOA info = {};
            if (!::SHGetFileInfoA(request.source.c_str(), request.attributes, &info, sizeof info, request.flags))
                return nullptr;
            return info.hIcon;
        }
        case IconRequest::Kind::extract: {
            const std::wstring wide = wideOf(request.source);
            if (request.size > 0)
                if (HICON sized = fileIconOfSize(wide, request.index, request.size)) return sized;
            HICON largeIcon = nullptr;
            HICON smallIcon = nullptr;
            if (wide.empty() || ::ExtractIconExW(wide.c_str(), request.index, &largeIcon, &smallIcon, 1) == 0)
                return nullptr;
            const IconHandle other(request.large ? smallIcon : largeIcon);
            return request.large ? largeIcon : smallIcon;
        }
        case IconRequest::Kind::folderClosed:
        case IconRequest::Kind::folderOpen:
            // No owner window: one of another thread would tie this one to it.
            return desktopDirectoryIcon(nullptr, request.large, request.shellIconSize,
                                        request.kind == IconRequest::Kind::folderOpen, request.size);
    }
    return nullptr;
}

bool IconWorker::start(HWND window, UINT message, IconSource source) {
    if (shared) return true;
    auto made = std::make_shared<Shared>();
    made->window = window;
    made->message = message;
    made->source = std::move(source);
    if (!WorkerSignals::start(thread, [made] { work(made); })) return false;
    shared = std::move(made);
    return true;
}

void IconWorker::add(IconRequest request, bool first) {
    if (!shared) return;
    {
        std::lock_guard<std::mutex> held(shared->lock);
        if (first)
            shared->queue.push_front(std::move(request));
        else
            shared->queue.push_back(std::move(request));
    }
    shared->changed.notify_all();
}

void IconWorker::putFirst(const std::string& group) {
    if (!shared) return;
    std::lock_guard<std::mutex> held(shared->lock);
    std::deque<IconRequest> ahead;
    std::deque<IconRequest> rest;
    for (IconRequest& request : shared->queue) (request.group == group ? ahead : rest).push_back(std::move(request));
    for (IconRequest& request : rest) ahead.push_back(std::move(request));
    shared->queue.swap(ahead);
}

void IconWorker::stop(std::chrono::milliseconds bound) {
    if (!shared) return;
    // A shell call that hangs keeps its thread, never the process.
    shared->stop(thread, bound, [this] { shared->queue.clear(); });
    shared.reset();
}

void IconWorker::work(std::shared_ptr<Shared> shared) {
    {
        // The thread's own apartment, left only by the thread itself.
        ThreadApartment apartment;
        serve(*shared);
    }
    shared->markFinished();
}

void IconWorker::serve(Shared& shared) {
    std::unique_lock<std::mutex> held(shared.lock);
    for (;;) {
        shared.changed.wait(held, [&] { return shared.stopping || !shared.queue.empty(); });
        if (shared.stopping) return;
        auto next = std::find_if(shared.queue.begin(), shared.queue.end(),
                                 [](const IconRequest& waiting) { return !waiting.whenIdle; });
        if (next == shared.queue.end()) next = shared.queue.begin();
        IconRequest request = std::move(*next);
        shared.queue.erase(next);
        held.unlock();
        IconHandle icon(shared.source(request));
        held.lock();
        // Posted under the lock: once stop() has it, nothing more comes.
        if (shared.stopping) return;
        std::unique_ptr<IconArrival> arrival(new (std::nothrow) IconArrival);
        if (!arrival) continue;
        arrival->key = std::move(request.key);
        arrival->icon = icon.get();
        if (::PostMessageA(shared.window, shared.message, 0, reinterpret_cast<LPARAM>(arrival.get()))) {
            icon.detach();
            arrival.release();
        }
    }
}

void dropPostedIcons(HWND window, UINT message) {
    MSG posted;
    while (::PeekMessageA(&posted, window, message, message, PM_REMOVE)) {
        std::unique_ptr<IconArrival> arrival(reinterpret_cast<IconArrival*>(posted.lParam));
        const IconHandle dropped(arrival ? arrival->icon : nullptr);
    }
}

}  // namespace trm
