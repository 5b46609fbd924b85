// The process-wide state shared by the popup run, the host window, the menu
// hooks and the launcher while one menu is tracked, gathered in one place.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace trm {

class LauncherApp;
struct MenuEntry;

struct OpenMenuWindow {
    HWND window;
    HMENU menuHandle;  // currentMenu when the window was created
};

struct TimerRef {
    UINT_PTR id = 0;  // 0 = none
    HWND window = nullptr;
};

using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

struct TrackingState {
    LauncherApp* hookApp = nullptr;
    HHOOK callWndProcHook = nullptr;  // the creation hook (WH_CBT)
    HHOOK mouseHook = nullptr;
    HMENU currentMenu = nullptr;
    std::vector<OpenMenuWindow> openMenuWindows;
    bool pointerHasEntered = false;
    TimerRef closeTimer;
    TimerRef hoverTimer;
    MenuEntry* hoveredEntry = nullptr;
    std::string pendingOpenPath;  // never cleared once set
    SetLayeredWindowAttributesFn setLayeredWindowAttributes = nullptr;
    bool contextCommandDone = false;
    HWND propertySheetWindow = nullptr;
};

extern TrackingState trackingState;

}  // namespace trm
