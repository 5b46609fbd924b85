// Sub-menu windows a little further from their parents than the system
// puts them, on the same monitor.
#pragma once

#include <windows.h>

#include "presentation/menu_style.h"

namespace trm {

// Where the system moves the sub-menu window `window` (WM_WINDOWPOSCHANGING),
// it goes a little further away from the open menu before it.
void nudgeSubMenu(HWND window, WINDOWPOS& position, const MenuStyle& style);

}  // namespace trm
