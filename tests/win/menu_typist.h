// Types keys into a menu of this process from a thread of its own, as a
// user would: the Windows tests' way of answering a tracked menu.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "wait_for.h"

namespace wintest {

struct Found {
    DWORD process;
    HWND window;
};

inline BOOL CALLBACK findMenuWindow(HWND window, LPARAM lParam) {
    Found& found = *reinterpret_cast<Found*>(lParam);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    char name[32] = {};
    ::GetClassNameA(window, name, sizeof name);
    if (process != found.process || !::IsWindowVisible(window) || ::lstrcmpiA(name, "#32768") != 0) return TRUE;
    found.window = window;
    return FALSE;
}

// Types keys into the first menu window this process shows within
// `waitMs`, as a user would, from a thread of its own; then closes
// `closeWindow` (a caption) once it appears, when given. `menuSeen` tells
// whether a menu came up.
class MenuTypist {
public:
    explicit MenuTypist(std::vector<UINT> keys, std::string closeWindow = std::string(), int waitMs = 5000)
        : worker([this, keys, closeWindow, waitMs]() { run(keys, closeWindow, waitMs); }) {}
    ~MenuTypist() { worker.join(); }

    std::atomic<bool> menuSeen{false};
    std::atomic<bool> windowClosed{false};

private:
    void run(const std::vector<UINT>& keys, const std::string& closeWindow, int waitMs) {
        Found found{::GetCurrentProcessId(), nullptr};
        waitFor(static_cast<DWORD>(waitMs), [&found]() {
            ::EnumWindows(findMenuWindow, reinterpret_cast<LPARAM>(&found));
            return found.window != nullptr;
        });
        if (found.window == nullptr) return;
        menuSeen = true;
        // The menu loop takes what is queued in turn: a sub-menu opened by one
        // key gets the next.
        for (UINT key : keys) {
            ::PostMessageA(found.window, WM_KEYDOWN, key, 0);
            ::PostMessageA(found.window, WM_KEYUP, key, 0xC0000000);
        }
        if (closeWindow.empty()) return;
        HWND shown = nullptr;
        if (!waitFor(10000, [&]() {
                shown = ::FindWindowA(nullptr, closeWindow.c_str());
                return shown != nullptr && ::IsWindowVisible(shown);
            }))
            return;
        ::PostMessageA(shown, WM_CLOSE, 0, 0);
        windowClosed = true;
    }

    std::thread worker;
};

// The first visible menu window of this process, or null.
inline HWND shownMenuWindow() {
    Found found{::GetCurrentProcessId(), nullptr};
    ::EnumWindows(findMenuWindow, reinterpret_cast<LPARAM>(&found));
    return found.window;
}

}  // namespace wintest
