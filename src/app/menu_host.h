// What the host window asks of the run whose menus it owns: the items
// measured and painted, a folder's menu filled as it opens, the menu being
// opened and a cancel noted for the hooks, the records typed characters are
// matched against, and what keeps the process once the menus have closed.
#pragma once

#include <windows.h>

#include "menus/menu_item_data.h"
#include "model/icon_worker.h"

namespace trm {

class MenuHost {
public:
    virtual void measureItem(MEASUREITEMSTRUCT* request) = 0;
    virtual void drawItem(DRAWITEMSTRUCT* request) = 0;
    // WM_INITMENU, WM_INITMENUPOPUP (a sub-menu, not the window menu) and
    // WM_CANCELMODE as the host window gets them.
    virtual void menuStarting(HMENU menu) = 0;
    virtual void menuOpening(HMENU popup) = 0;
    virtual void menuCancelled() = 0;
    // The run's records when `menu` is one of its menus, else null.
    virtual const ItemDataList* recordsFor(HMENU menu) const = 0;
    // A command of the shell's context menu was carried out.
    virtual bool shellCommandDone() const = 0;
    // The thumbnail tip's window, which is no shell window.
    virtual HWND tipWindow() const = 0;
    // An icon the worker brought, taken over; true when an item now has it.
    virtual bool acceptIcon(IconArrival* arrival) = 0;
    // The items whose icons came since the last time, painted.
    virtual void paintLateIcons() = 0;

protected:
    ~MenuHost() = default;
};

}  // namespace trm
