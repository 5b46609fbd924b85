#include "presentation/menu_hooks.h"

#include "presentation/menu_drag.h"
#include "presentation/menu_mouse.h"
#include "presentation/menu_window.h"

namespace trm {

LRESULT CALLBACK MenuCreationHook(int code, WPARAM wParam, LPARAM lParam) noexcept {
    // The shell's context menu, tracked on this thread, keeps its own look.
    TrackingState& state = tracking();
    try {
        if (code == HCBT_CREATEWND && !state.shellMenuShown)
            menuWindowCreated(state, reinterpret_cast<HWND>(wParam));
        else if (code == HCBT_DESTROYWND)
            menuWindowDestroyed(state, reinterpret_cast<HWND>(wParam));
    } catch (...) {
        // Out of memory for the window list: the window stays the system's.
    }
    return ::CallNextHookEx(state.creationHook, code, wParam, lParam);
}

// Looks at each mouse message as the menu loop takes it from the queue
// (HC_ACTION; HC_NOREMOVE is the same message being peeked at) and always
// passes it on. The message's own point stands for the pointer: asking for
// the cursor costs a round trip to the X server under Wine.
LRESULT CALLBACK MenuMouseHook(int code, WPARAM wParam, LPARAM lParam) noexcept {
    TrackingState& state = tracking();
    try {
        if (code == HC_ACTION && lParam != 0)
            menuMouseMessage(state, static_cast<UINT>(wParam), reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam)->pt);
    } catch (...) {
        // Out of memory for a path or a picture: the click or the hover does
        // nothing more than the menu's own.
    }
    return ::CallNextHookEx(state.mouseHook, code, wParam, lParam);
}

// Sees every message of the menu loop before the menu does, on Windows as
// under Wine (which sends no WM_MENUDRAG): a message that started a drag is
// kept from the menu.
LRESULT CALLBACK MenuFilterHook(int code, WPARAM wParam, LPARAM lParam) noexcept {
    TrackingState& state = tracking();
    try {
        if (code == MSGF_MENU && lParam != 0 && menuDragMessage(state, *reinterpret_cast<const MSG*>(lParam)))
            return TRUE;
    } catch (...) {
        // Out of memory for the item's path: the press stays a click.
    }
    return ::CallNextHookEx(state.filterHook, code, wParam, lParam);
}

MenuHooks::MenuHooks(DWORD thread, HookApp& app) {
    TrackingState& state = tracking();
    state.hookApp = &app;
    // A CBT hook sees every window created and destroyed, as the menus'
    // creation hook needs, without a call per message: under Wine each
    // message sent while a WH_CALLWNDPROC hook exists asks the wine server
    // for the hook chain, which made large menus much slower.
    state.creationHook = ::SetWindowsHookExA(WH_CBT, MenuCreationHook, nullptr, thread);
    state.mouseHook = ::SetWindowsHookExA(WH_MOUSE, MenuMouseHook, nullptr, thread);
    if (!app.settings.nodrag) state.filterHook = ::SetWindowsHookExA(WH_MSGFILTER, MenuFilterHook, nullptr, thread);
}

void MenuHooks::remove() {
    TrackingState& state = tracking();
    if (state.filterHook) ::UnhookWindowsHookEx(state.filterHook);
    if (state.mouseHook) ::UnhookWindowsHookEx(state.mouseHook);
    if (state.creationHook) ::UnhookWindowsHookEx(state.creationHook);
    state.filterHook = nullptr;
    state.mouseHook = nullptr;
    state.creationHook = nullptr;
    state.hookApp = nullptr;
}

}  // namespace trm
