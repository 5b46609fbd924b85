// dieonmouseout: all menus close once the pointer, after having been over
// them, has stayed outside them for the delay.
#pragma once

#include <windows.h>

#include "common/settings.h"
#include "presentation/open_menu_window.h"
#include "presentation/tracking_state.h"

namespace trm {

const UINT_PTR closeTimerId = 9182;
// Looks at the pointer while dieonmouseout is on: the menu loop sends the
// menu windows nothing while the pointer moves outside them.
const UINT_PTR pointerWatchTimerId = 9181;
const UINT pointerWatchPeriod = 50;

// Whether the pointer is over one of the open menu windows.
bool pointerOverMenus(const OpenWindows& windows);

// Starts the look at the pointer for a menu window just made.
void startPointerWatch(OpenMenuWindow& open);

// A message reached the open window with the pointer inside the menus or
// not: starts, calls off or carries out the close.
void watchPointer(OpenWindows& windows, const OpenMenuWindow& open, bool inside, const Settings& settings);

// A timer fired on the open window: the close, if it is the close timer.
void closeTimerFired(const OpenWindows& windows, const OpenMenuWindow& open, bool inside, const Settings& settings);

}  // namespace trm
