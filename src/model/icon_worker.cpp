#include "model/icon_worker.h"

#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <set>
#include <thread>

#include "common/thread_apartment.h"
#include "common/user_handles.h"
#include "common/win_text.h"
#include "model/folder_icons.h"

namespace trm {

namespace {

struct Queued {
    IconRequest request;
    unsigned session;
    HWND window;
    UINT message;
    IconSource source;
};

// The process's one icon thread, started by the first run that wants it
// and kept, parked, between runs: a thread of its own per run would set up
// and tear down the shell's per-thread state each time beside the UI
// thread. Never destroyed: the thread waits on it until the process ends.
struct Thread {
    std::mutex lock;
    std::condition_variable changed;
    std::deque<Queued> queue;
    std::set<unsigned> open;  // the runs still taking icons
    unsigned lastSession = 0;
    unsigned inShell = 0;  // the run whose request is in the shell; 0 for none
    bool started = false;
};

Thread& iconThread() {
    static Thread* const made = new Thread;
    return *made;
}

void serve() noexcept {
    Thread& thread = iconThread();
    // Entered for good: the thread is never done with it.
    const ThreadApartment apartment;
    std::unique_lock<std::mutex> held(thread.lock);
    for (;;) {
        thread.changed.wait(held, [&] { return !thread.queue.empty(); });
        Queued item = std::move(thread.queue.front());
        thread.queue.pop_front();
        thread.inShell = item.session;
        held.unlock();
        IconHandle icon(item.source(item.request));
        item.source = nullptr;
        held.lock();
        thread.inShell = 0;
        thread.changed.notify_all();
        // Posted under the lock: once stop() has it, nothing more comes for
        // that run, and an icon that came too late is destroyed here.
        if (thread.open.count(item.session) == 0) continue;
        std::unique_ptr<IconArrival> arrival(new (std::nothrow) IconArrival);
        if (!arrival) continue;
        arrival->key = std::move(item.request.key);
        arrival->icon = icon.get();
        if (::PostMessageA(item.window, item.message, 0, reinterpret_cast<LPARAM>(arrival.get()))) {
            icon.detach();
            arrival.release();
        }
    }
}

}  // namespace

int IconWorker::alive() {
    Thread& thread = iconThread();
    std::lock_guard<std::mutex> held(thread.lock);
    return thread.inShell != 0 && thread.open.count(thread.inShell) == 0 ? 1 : 0;
}

HICON shellIconOf(const IconRequest& request) {
    switch (request.kind) {
        case IconRequest::Kind::fileInfo: {
            SHFILEINFOA info = {};
            if (!::SHGetFileInfoA(request.source.c_str(), request.attributes, &info, sizeof info, request.flags))
                return nullptr;
            return info.hIcon;
        }
        case IconRequest::Kind::extract: {
            const std::wstring wide = wideOf(request.source);
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
                                        request.kind == IconRequest::Kind::folderOpen);
    }
    return nullptr;
}

bool IconWorker::start(HWND toWindow, UINT asMessage, IconSource iconSource) {
    if (session != 0) return true;
    Thread& thread = iconThread();
    std::lock_guard<std::mutex> held(thread.lock);
    if (!thread.started) {
        try {
            std::thread(serve).detach();
        } catch (const std::exception&) {
            return false;
        }
        thread.started = true;
    }
    session = ++thread.lastSession;
    thread.open.insert(session);
    window = toWindow;
    message = asMessage;
    source = std::move(iconSource);
    return true;
}

void IconWorker::add(IconRequest request, bool first) {
    if (session == 0) return;
    Thread& thread = iconThread();
    {
        std::lock_guard<std::mutex> held(thread.lock);
        Queued item{std::move(request), session, window, message, source};
        if (first)
            thread.queue.push_front(std::move(item));
        else
            thread.queue.push_back(std::move(item));
    }
    thread.changed.notify_all();
}

void IconWorker::putFirst(const std::string& group) {
    if (session == 0) return;
    Thread& thread = iconThread();
    std::lock_guard<std::mutex> held(thread.lock);
    std::stable_partition(thread.queue.begin(), thread.queue.end(), [&](const Queued& item) {
        return item.session == session && item.request.group == group;
    });
}

void IconWorker::stop(std::chrono::milliseconds bound) {
    if (session == 0) return;
    Thread& thread = iconThread();
    std::unique_lock<std::mutex> held(thread.lock);
    const unsigned ending = session;
    thread.open.erase(ending);
    thread.queue.erase(std::remove_if(thread.queue.begin(), thread.queue.end(),
                                      [ending](const Queued& item) { return item.session == ending; }),
                       thread.queue.end());
    // A shell call that hangs keeps the thread, never the process.
    thread.changed.wait_for(held, bound, [&] { return thread.inShell != ending; });
    session = 0;
    source = nullptr;
}

void dropPostedIcons(HWND window, UINT message) {
    MSG posted;
    while (::PeekMessageA(&posted, window, message, message, PM_REMOVE)) {
        std::unique_ptr<IconArrival> arrival(reinterpret_cast<IconArrival*>(posted.lParam));
        const IconHandle dropped(arrival ? arrival->icon : nullptr);
    }
}

}  // namespace trm
