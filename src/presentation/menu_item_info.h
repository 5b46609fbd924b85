// One item of a native menu, read back by position.
#pragma once

#include <windows.h>

namespace trm {

// Reads the fields named by `mask` of the item at `position`. False, with
// every field zero, when the menu has no such item.
inline bool readMenuItem(HMENU menu, int position, UINT mask, MENUITEMINFOA& info) {
    info = MENUITEMINFOA{};
    info.cbSize = sizeof info;
    info.fMask = mask;
    if (::GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) return true;
    info = MENUITEMINFOA{};
    return false;
}

}  // namespace trm
