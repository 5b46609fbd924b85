#include "presentation/menu_hooks.h"

#include "presentation/menu_mouse.h"
#include "presentation/menu_window.h"

namespace trm {

LRESULT CALLBACK MenuCreationHook(int code, WPARAM wParam, LPARAM lParam) noexcept {
    // The shell's context menu, tracked on this thread, keeps its own look.
    if (code == HCBT_CREATEWND && !trackingState.shellMenuShown)
        menuWindowCreated(reinterpret_cast<HWND>(wParam));
    else if (code == HCBT_DESTROYWND)
        menuWindowDestroyed(reinterpret_cast<HWND>(wParam));
    return ::CallNextHookEx(trackingState.creationHook, code, wParam, lParam);
}

// Looks at each mouse message as the menu loop takes it from the queue
// (HC_ACTION; HC_NOREMOVE is the same message being peeked at) and always
// passes it on. The message's own point stands for the pointer: asking for
// the cursor costs a round trip to the X server under Wine.
LRESULT CALLBACK MenuMouseHook(int code, WPARAM wParam, LPARAM lParam) noexcept {
    if (code == HC_ACTION && lParam != 0)
        menuMouseMessage(static_cast<UINT>(wParam), reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam)->pt);
    return ::CallNextHookEx(trackingState.mouseHook, code, wParam, lParam);
}

MenuHooks::MenuHooks(DWORD thread, HookApp& app) {
    trackingState.hookApp = &app;
    // A CBT hook sees every window created and destroyed, as the menus'
    // creation hook needs, without a call per message: under Wine each
    // message sent while a WH_CALLWNDPROC hook exists asks the wine server
    // for the hook chain, which made a 10,000-file menu seconds slower.
    trackingState.creationHook = ::SetWindowsHookExA(WH_CBT, MenuCreationHook, nullptr, thread);
    trackingState.mouseHook = ::SetWindowsHookExA(WH_MOUSE, MenuMouseHook, nullptr, thread);
}

void MenuHooks::remove() {
    if (trackingState.mouseHook) ::UnhookWindowsHookEx(trackingState.mouseHook);
    if (trackingState.creationHook) ::UnhookWindowsHookEx(trackingState.creationHook);
    trackingState.mouseHook = nullptr;
    trackingState.creationHook = nullptr;
    trackingState.hookApp = nullptr;
}

}  // namespace trm
