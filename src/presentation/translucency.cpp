#include "presentation/translucency.h"

namespace trm {

namespace {

using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

SetLayeredWindowAttributesFn setLayeredWindowAttributes() {
    static const SetLayeredWindowAttributesFn found = reinterpret_cast<SetLayeredWindowAttributesFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("USER32.DLL"), "SetLayeredWindowAttributes")));
    return found;
}

}  // namespace

void makeTranslucent(const OpenMenuWindow& open, const Settings& settings) {
    const HWND window = open.window;
    if (!settings.transparent || settings.transparentlevel == 0) return;
    const SetLayeredWindowAttributesFn setLayered = setLayeredWindowAttributes();
    if (setLayered == nullptr) return;
    ::SetWindowLongA(window, GWL_EXSTYLE, ::GetWindowLongA(window, GWL_EXSTYLE) | WS_EX_LAYERED);
    setLayered(window, 0, static_cast<BYTE>(200 - 2 * settings.transparentlevel), LWA_ALPHA);
}

}  // namespace trm
