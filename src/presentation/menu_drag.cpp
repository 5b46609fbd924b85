#include "presentation/menu_drag.h"

#include <string>

#include "menus/run_menus.h"
#include "model/folder_node.h"
#include "presentation/drag_gesture.h"
#include "presentation/menu_item_info.h"
#include "presentation/menu_window.h"
#include "presentation/mouse_rules.h"
#include "presentation/tracking_state.h"

namespace trm {

namespace {

const MenuEntry* entryWithId(const FolderNode& folder, UINT id) {
    for (const MenuEntry& entry : folder.entries)
        if (entry.id >= 0 && static_cast<UINT>(entry.id) == id) return &entry;
    return nullptr;
}

// The path a press at `at` would drag: the item under the pointer in one of
// our menu windows, as the menu shows it (separator, disabled) and as the
// model knows it.
std::string pressedItemPath(OpenWindows& windows, const HookApp& app, POINT at) {
    const OpenMenuWindow* open = openMenuWindowOf(windows, ::WindowFromPoint(at));
    if (open == nullptr) return std::string();
    const int position = ::MenuItemFromPoint(open->window, open->menuHandle, at);
    MENUITEMINFOA info;
    if (position < 0 ||
        !readMenuItem(open->menuHandle, position, MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU, info))
        return std::string();
    PressedItem item;
    item.separator = (info.fType & MFT_SEPARATOR) != 0;
    item.disabled = (info.fState & MFS_DISABLED) != 0;
    if (info.hSubMenu != nullptr)
        item.subFolder = app.menus.folderOf(info.hSubMenu);
    else if (const FolderNode* folder = app.menus.folderOf(open->menuHandle))
        item.entry = entryWithId(*folder, info.wID);
    return draggedPath(item);
}

}  // namespace

bool menuDragMessage(TrackingState& state, const MSG& message) {
    const HookApp* app = state.hookApp;
    if (app == nullptr || state.shellMenuShown || !state.draggedPath.empty()) return false;
    if (message.message < WM_MOUSEFIRST || message.message > WM_MOUSELAST) return false;
    // The primary button, as the mouse hook tells it.
    const bool swapped = launcherSwapsButtons(app->underWine, ::GetSystemMetrics(SM_SWAPBUTTON) != 0);
    const UINT down = swapped ? WM_RBUTTONDOWN : WM_LBUTTONDOWN;
    const UINT up = swapped ? WM_RBUTTONUP : WM_LBUTTONUP;
    const DWORD held = swapped ? MK_RBUTTON : MK_LBUTTON;
    // The message's own point: in the menu loop mouse messages go to the
    // window that has the capture, not to the menu window under the pointer.
    const POINT at = message.pt;
    if (message.message == down) {
        state.pressedPath = pressedItemPath(state, *app, at);
        state.dragButton = held;
        state.drag.press(!state.pressedPath.empty(), at.x, at.y);
    } else if (message.message == up) {
        state.drag.release();
    } else if (message.message == WM_MOUSEMOVE) {
        const DragDistance distance{::GetSystemMetrics(SM_CXDRAG), ::GetSystemMetrics(SM_CYDRAG)};
        if (state.drag.move(at.x, at.y, (message.wParam & held) != 0, distance)) {
            state.draggedPath = state.pressedPath;
            ::EndMenu();
            return true;
        }
    }
    return false;
}

}  // namespace trm
