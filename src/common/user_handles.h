// Owners of window-system objects other than windows.
#pragma once

#include <windows.h>

#include <utility>

#include "common/unique_handle.h"

namespace trm {

struct DestroyMenuCall {
    void operator()(HMENU menu) const { ::DestroyMenu(menu); }
};
struct DestroyIconCall {
    void operator()(HICON icon) const { ::DestroyIcon(icon); }
};

// A popup menu made with CreatePopupMenu and never attached to another menu.
using PopupMenuHandle = UniqueHandle<HMENU, DestroyMenuCall>;
using IconHandle = UniqueHandle<HICON, DestroyIconCall>;

// A timer of one window: the one convention for every timer of a run.
// Started, stopped, and stopped at the latest with its owner.
class WindowTimer {
public:
    WindowTimer() = default;
    ~WindowTimer() { stop(); }
    WindowTimer(WindowTimer&& other) noexcept
        : window(std::exchange(other.window, nullptr)), id(std::exchange(other.id, 0)) {}
    WindowTimer& operator=(WindowTimer&& other) noexcept {
        if (this != &other) {
            stop();
            window = std::exchange(other.window, nullptr);
            id = std::exchange(other.id, 0);
        }
        return *this;
    }
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

    // Stops the timer running now, if any, and starts this one.
    void start(HWND owner, UINT_PTR timerId, UINT milliseconds) {
        stop();
        id = ::SetTimer(owner, timerId, milliseconds, nullptr);
        window = id != 0 ? owner : nullptr;
    }
    void stop() {
        if (id != 0) ::KillTimer(window, id);
        forget();
    }
    // The window has gone, and its timers with it.
    void forget() {
        window = nullptr;
        id = 0;
    }
    bool running() const { return id != 0; }
    // Whether a WM_TIMER that `owner` got with `timerId` is this timer's.
    bool fired(HWND owner, UINT_PTR timerId) const { return id != 0 && timerId == id && owner == window; }
    HWND owner() const { return window; }

private:
    HWND window = nullptr;
    UINT_PTR id = 0;
};

}  // namespace trm
