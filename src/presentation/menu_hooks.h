// The thread hooks that watch the tracked menus: the creation hook (a CBT
// hook: menu windows as they are made and destroyed), the mouse hook, and
// the message filter of the menu loop that starts drags.
#pragma once

#include <windows.h>

#include "presentation/tracking_state.h"

namespace trm {

LRESULT CALLBACK MenuCreationHook(int code, WPARAM wParam, LPARAM lParam) noexcept;
LRESULT CALLBACK MenuMouseHook(int code, WPARAM wParam, LPARAM lParam) noexcept;
LRESULT CALLBACK MenuFilterHook(int code, WPARAM wParam, LPARAM lParam) noexcept;

// Hands the hooks the running application and installs them for one thread
// (kept in the tracking state), the filter only when items may be dragged;
// removes them, the creation hook last, at remove() or at the end of scope.
class MenuHooks {
public:
    MenuHooks(DWORD thread, HookApp& app);
    ~MenuHooks() { remove(); }
    MenuHooks(const MenuHooks&) = delete;
    MenuHooks& operator=(const MenuHooks&) = delete;

    void remove();
};

}  // namespace trm
