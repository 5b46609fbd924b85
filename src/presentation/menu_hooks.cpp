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

}  // namespace trm
