// Sub-menu windows a little further from their parents than the system
// puts them, on the same monitor.
#pragma once

#include <windows.h>

#include "presentation/menu_style.h"
#include "presentation/open_menu_window.h"

namespace trm {

// Where the system moves the sub-menu window `self` (WM_WINDOWPOSCHANGING),
// it goes a little further away from `parent`, the open menu before it.
void nudgeSubMenu(const OpenMenuWindow& self, const OpenMenuWindow& parent, WINDOWPOS& position,
                  const MenuStyle& style);

}  // namespace trm
