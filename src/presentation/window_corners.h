// Windows 11's corners on the menu windows: the desktop window manager's
// corner preference, looked up at run time, as systems before Vista have
// no dwmapi.dll and those before Windows 11 no such preference.
#pragma once

#include <windows.h>

#include "common/settings.h"
#include "presentation/open_menu_window.h"
#include "presentation/palette.h"

namespace trm {

// Asks for round corners where the system draws the window's frame and for
// square ones where the launcher draws its own; nothing where the system
// cannot.
void setMenuWindowCorners(const OpenMenuWindow& open, const Settings& settings, const Palette& palette);

}  // namespace trm
