// Owners of window-system objects other than windows: destroyed exactly once.
#pragma once

#include <windows.h>

namespace trm {

// A popup menu made with CreatePopupMenu and never attached to another menu.
class PopupMenuHandle {
public:
    explicit PopupMenuHandle(HMENU menu) : menu(menu) {}
    ~PopupMenuHandle() {
        if (menu) ::DestroyMenu(menu);
    }
    PopupMenuHandle(const PopupMenuHandle&) = delete;
    PopupMenuHandle& operator=(const PopupMenuHandle&) = delete;

    HMENU get() const { return menu; }

private:
    HMENU menu;
};

}  // namespace trm
