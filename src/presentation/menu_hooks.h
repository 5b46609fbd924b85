// The two thread hooks that watch the tracked menus: the creation hook (a
// CBT hook: menu windows as they are made and destroyed) and the mouse hook.
#pragma once

#include <windows.h>

namespace trm {

LRESULT CALLBACK MenuCreationHook(int code, WPARAM wParam, LPARAM lParam) noexcept;
LRESULT CALLBACK MenuMouseHook(int code, WPARAM wParam, LPARAM lParam) noexcept;

// Installs both hooks for one thread (kept in the tracking state) and
// removes them, the mouse hook first, at remove() or at the end of scope.
class MenuHooks {
public:
    explicit MenuHooks(DWORD thread);
    ~MenuHooks() { remove(); }
    MenuHooks(const MenuHooks&) = delete;
    MenuHooks& operator=(const MenuHooks&) = delete;

    void remove();
};

}  // namespace trm
