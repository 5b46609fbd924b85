// dieonmouseout: all menus close once the pointer, after having been over
// them, has stayed outside them for the delay.
#pragma once

#include <windows.h>

#include "common/settings.h"

namespace trm {

struct OpenMenuWindow;

const UINT_PTR closeTimerId = 9182;
// Looks at the pointer while dieonmouseout is on: the menu loop sends the
// menu windows nothing while the pointer moves outside them.
const UINT_PTR pointerWatchTimerId = 9181;
const UINT pointerWatchPeriod = 50;

// Whether the pointer is over one of the open menu windows.
bool pointerOverMenus();

// Starts the look at the pointer for a menu window just made.
void startPointerWatch(OpenMenuWindow& open);

// A message reached `window` with the pointer inside the menus or not:
// starts, calls off or carries out the close.
void watchPointer(HWND window, bool inside, const Settings& settings);

// The close timer fired on `window`.
void closeTimerFired(HWND window, bool inside, const Settings& settings);

}  // namespace trm
