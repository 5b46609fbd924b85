// The native menu windows ("#32768") while they are open: paired with their
// menus, framed in the chosen style, translucent, nudged away from their
// parents, closed when the pointer has left them, and showing the thumbnail
// tooltip when the hover timer fires.
#pragma once

#include <windows.h>

#include "common/settings.h"

namespace trm {

struct MenuEntry;
struct OpenMenuWindow;

const UINT_PTR closeTimerId = 9182;
const UINT_PTR hoverTimerId = 9283;
// Looks at the pointer while dieonmouseout is on: the menu loop sends the
// menu windows nothing while the pointer moves outside them.
const UINT_PTR pointerWatchTimerId = 9181;
const UINT pointerWatchPeriod = 50;

// The creation hook's work: a window of the menu class is subclassed,
// listed as open and paired with the menu being opened (currentMenu).
void menuWindowCreated(HWND window);
// The window is put back as it was and leaves the list.
void menuWindowDestroyed(HWND window);

LRESULT CALLBACK MenuWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

// Draws the frame the settings ask for into a DC of the whole window
// (width x height); false when the system's own frame is wanted.
bool paintMenuFrame(HDC dc, int width, int height, const Settings& settings);

// The entry now under the pointer: its thumbnail shows once the system's
// hover time has passed, unless another entry has been hovered meanwhile.
// The timer runs on the menu window that shows the entry.
void startHoverTimer(HWND menuWindow, MenuEntry& entry);
// Nothing with a thumbnail is under the pointer: the tip goes and a pending
// hover timer is stopped.
void cancelHover();

// Posts WM_CLOSE to every open menu window, from the root down.
void closeAllMenus();

// The open menu window `window` is, with its menu; null for any other window.
const OpenMenuWindow* openMenuWindowOf(HWND window);

}  // namespace trm
