// The native menu windows ("#32768") while they are open: subclassed,
// listed from the root down, paired with their menus, and their messages
// handed to the jobs done on them (frame, translucency, the sub-menu nudge,
// the mouse-out close, the hover tip).
#pragma once

#include <windows.h>

namespace trm {

struct OpenMenuWindow;
struct OpenWindows;
struct TrackingState;

// The creation hook's work: a window of the menu class is subclassed,
// listed as open and paired with the menu being opened (currentMenu).
void menuWindowCreated(TrackingState& state, HWND window);
// The window is put back as it was and leaves the list.
void menuWindowDestroyed(TrackingState& state, HWND window);

LRESULT CALLBACK MenuWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

// Posts WM_CLOSE to every open menu window, from the root down.
void closeAllMenus(const OpenWindows& windows);

// The open menu window `window` is, with its menu; null for any other window.
const OpenMenuWindow* openMenuWindowOf(OpenWindows& windows, HWND window);

}  // namespace trm
