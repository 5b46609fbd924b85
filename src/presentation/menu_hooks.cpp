#include "presentation/menu_hooks.h"

#include "presentation/tracking_state.h"

namespace trm {

// For now both only pass every call on; frames, translucency, hovering and
// clicks on titles attach here.
LRESULT CALLBACK MenuCreationHook(int code, WPARAM wParam, LPARAM lParam) noexcept {
    return ::CallNextHookEx(trackingState.callWndProcHook, code, wParam, lParam);
}

LRESULT CALLBACK MenuMouseHook(int code, WPARAM wParam, LPARAM lParam) noexcept {
    return ::CallNextHookEx(trackingState.mouseHook, code, wParam, lParam);
}

MenuHooks::MenuHooks(DWORD thread) {
    // A CBT hook sees every window created and destroyed, as the menus'
    // creation hook needs, without a call per message: under Wine each
    // message sent while a WH_CALLWNDPROC hook exists asks the wine server
    // for the hook chain, which made a 10,000-file menu seconds slower.
    trackingState.callWndProcHook = ::SetWindowsHookExA(WH_CBT, MenuCreationHook, nullptr, thread);
    trackingState.mouseHook = ::SetWindowsHookExA(WH_MOUSE, MenuMouseHook, nullptr, thread);
}

void MenuHooks::remove() {
    if (trackingState.mouseHook) ::UnhookWindowsHookEx(trackingState.mouseHook);
    if (trackingState.callWndProcHook) ::UnhookWindowsHookEx(trackingState.callWndProcHook);
    trackingState.mouseHook = nullptr;
    trackingState.callWndProcHook = nullptr;
}

}  // namespace trm
