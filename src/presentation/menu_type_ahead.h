// The host window's answer to characters typed into an open menu
// (WM_MENUCHAR): the item whose shown name begins with the typed text is
// selected, never opened.
#pragma once

#include <windows.h>

#include "menus/menu_item_data.h"
#include "presentation/type_ahead.h"

namespace trm {

class MenuTypeAhead {
public:
    // The answer to WM_MENUCHAR for the character `typed` into `menu`:
    // MNC_SELECT with the item's position, or MNC_IGNORE when no item
    // matches. Items are known by their records in `records`.
    LRESULT answer(HMENU menu, char typed, const ItemDataList& records);

    // Wine ignores MNC_SELECT. Called once the menu loop has taken the
    // answer (from a message posted meanwhile), this selects the item
    // through the owner window when the system has not.
    void confirmSelection(HWND owner);

private:
    TypedPrefix prefix;
    HMENU pendingMenu = nullptr;
    int pendingPosition = -1;
};

}  // namespace trm
