#include "presentation/menu_mouse.h"

#include <string>

#include "common/gdi_handles.h"
#include "launch/launch_policy.h"
#include "menus/owner_draw_menu.h"
#include "menus/run_menus.h"
#include "model/folder_node.h"
#include "presentation/hover_tip.h"
#include "presentation/menu_drawing.h"
#include "presentation/menu_item_info.h"
#include "presentation/menu_window.h"
#include "presentation/mouse_rules.h"
#include "presentation/tracking_state.h"

namespace trm {

namespace {

// One of our open menu windows under the pointer, and the menu it shows.
struct PointedMenu {
    HWND window = nullptr;
    HMENU menu = nullptr;
    POINT pointer{};  // screen coordinates
};

bool menuUnderPointer(OpenWindows& windows, POINT pointer, PointedMenu& found) {
    found.pointer = pointer;
    const OpenMenuWindow* open = openMenuWindowOf(windows, ::WindowFromPoint(pointer));
    if (open == nullptr) return false;
    found.window = open->window;
    found.menu = open->menuHandle;
    return true;
}

struct MenuItem {
    UINT id = 0;
    HMENU subMenu = nullptr;
};

bool readItem(HMENU menu, int position, MenuItem& item, bool& highlighted) {
    MENUITEMINFOA info;
    if (!readMenuItem(menu, position, MIIM_STATE | MIIM_ID | MIIM_SUBMENU, info)) return false;
    item.id = info.wID;
    item.subMenu = info.hSubMenu;
    highlighted = (info.fState & MFS_HILITE) != 0;
    return true;
}

// The menu's highlighted item. A menu lights one item at a time, and while
// the mouse moves it is the one under the pointer, which is read first: a
// menu of 10,000 items is read whole only when that one is not lit.
bool highlightedItem(const PointedMenu& pointed, MenuItem& item) {
    bool lit = false;
    const int under = ::MenuItemFromPoint(pointed.window, pointed.menu, pointed.pointer);
    if (under >= 0 && readItem(pointed.menu, under, item, lit) && lit) return true;
    const int count = ::GetMenuItemCount(pointed.menu);
    for (int position = 0; position < count; ++position)
        if (readItem(pointed.menu, position, item, lit) && lit) return true;
    return false;
}

MenuEntry* entryWithId(FolderNode& folder, UINT id) {
    for (MenuEntry& entry : folder.entries)
        if (entry.id >= 0 && static_cast<UINT>(entry.id) == id) return &entry;
    return nullptr;
}

bool pointerOnTitle(const PointedMenu& pointed, const OwnerDrawMenu& menu, const MenuLayout& layout) {
    if (!menu.hasTitle) return false;
    POINT client = pointed.pointer;
    ::ScreenToClient(pointed.window, &client);
    return ::PtInRect(&layout.titleRect, client) != FALSE;
}

// Paints the menu's title lit or plain, as the system would, and lets the
// painter remember which it is.
void repaintTitle(HWND window, const OwnerDrawMenu& menu, bool lit, const Settings& settings, MenuDrawing& drawing) {
    MenuLayout& layout = drawing.layoutOf(menu);
    MENUITEMINFOA title;
    if (!readMenuItem(menu.GetSafeHmenu(), 0, MIIM_DATA, title)) return;
    ClientDC dc(window);
    if (dc.get() == nullptr) return;
    DRAWITEMSTRUCT request = {};
    request.CtlType = ODT_MENU;
    request.CtlID = static_cast<UINT>(-1);
    request.itemID = 0;
    request.itemAction = ODA_DRAWENTIRE;
    request.itemState = lit ? ODS_SELECTED : 0;
    request.hwndItem = reinterpret_cast<HWND>(menu.GetSafeHmenu());
    request.hDC = dc.get();
    request.rcItem = layout.titleRect;
    // The painter widens an upright title by as much again.
    if (settings.dotitlesleft) request.rcItem.right -= layout.style->lengths.sideTitleWiden;
    request.itemData = title.dwItemData;
    // Not part of the system's drawing order: a column break drawn later
    // still fills below the item the system drew last.
    const RECT lastDrawn = layout.lastItemRect;
    drawing.DrawItem(&request);
    layout.lastItemRect = lastDrawn;
}

// The title under the pointer is lit, every other one plain; each is
// repainted only when that changes.
void lightTitles(const OpenWindows& windows, const PointedMenu& pointed, const HookApp& app) {
    const Settings& settings = app.settings;
    for (const OpenMenuWindow& open : windows.openMenuWindows) {
        const OwnerDrawMenu* menu = open.menu;
        if (menu == nullptr || !menu->hasTitle) continue;
        const MenuLayout& layout = app.drawing.layoutOf(*menu);
        const bool lit = open.window == pointed.window && pointerOnTitle(pointed, *menu, layout);
        if (lit != layout.titleHighlighted) repaintTitle(open.window, *menu, lit, settings, app.drawing);
    }
}

// The shell's context menu of the entry at `path`, owned by the menu window
// under the pointer; the command chosen is carried out for the host window.
void showShellMenu(TrackingState& state, const HookApp& app, HWND owner, const std::string& path, POINT at) {
    const ContextMenuMode mode = contextMenuModeFor(app.underWine);
    TrackingOutcome& outcome = state;
    const ShellMenuState& shell = state;
    ShellContextMenuCall call{owner,
                              app.commandWindow,
                              path,
                              at.x,
                              at.y,
                              mode.ownThread,
                              [mode, &outcome]() {
                                  // Keeps the process for the property sheet the command shows.
                                  if (mode.sheetOutlivesInvoke) outcome.sheetMayOutliveCommand = true;
                                  outcome.contextCommandDone = true;
                              },
                              [&shell] { return shell.launcherMenuCancelled; }};
    // Our hooks and menu windows leave the shell's menu and what its
    // command shows alone, also when they run inside our menu loop.
    state.shellMenuShown = true;
    state.launcherMenuCancelled = false;
    app.showShellMenu(call);
    state.shellMenuShown = false;
}

bool titlesOpenFolders(const Settings& settings) {
    return settings.dotitles && settings.dotitlesclicktoopenfolder;
}

// Opening is left to the popup run, once the menus have closed.
void openAfterTracking(TrackingState& state, const std::string& folderPath) {
    state.pendingOpenPath = folderPath;
    closeAllMenus(state);
}

void pointerMoved(TrackingState& state, HookApp& app, POINT pointer) {
    const Settings& settings = app.settings;
    PointedMenu pointed;
    const bool overMenu = menuUnderPointer(state, pointer, pointed);
    if (titlesOpenFolders(settings)) lightTitles(state, pointed, app);
    if (overMenu && settings.dothumbnailsontooltip) {
        MenuItem item;
        FolderNode* folder = nullptr;
        if (highlightedItem(pointed, item) && item.subMenu == nullptr &&
            (folder = app.menus.folderOf(pointed.menu)) != nullptr) {
            // An entry that stays under the pointer keeps its running timer.
            if (MenuEntry* entry = entryWithId(*folder, item.id)) {
                startHoverTimer(state, app.tip, pointed.window, *entry);
                return;
            }
        }
    }
    cancelHover(state, app.tip);
}

void primaryUp(TrackingState& state, HookApp& app, POINT pointer) {
    if (!titlesOpenFolders(app.settings)) return;
    PointedMenu pointed;
    if (!menuUnderPointer(state, pointer, pointed)) return;
    FolderNode* folder = app.menus.folderOf(pointed.menu);
    if (folder == nullptr || folder->menu == nullptr ||
        !pointerOnTitle(pointed, *folder->menu, app.drawing.layoutOf(*folder->menu)))
        return;
    openAfterTracking(state, folder->path);
}

void primaryDoubleClick(TrackingState& state, HookApp& app, POINT pointer) {
    PointedMenu pointed;
    MenuItem item;
    if (!menuUnderPointer(state, pointer, pointed) || !highlightedItem(pointed, item) || item.subMenu == nullptr)
        return;
    if (FolderNode* folder = app.menus.folderOf(item.subMenu)) openAfterTracking(state, folder->path);
}

void secondaryUp(TrackingState& state, HookApp& app, POINT pointer, bool menusOwnButton) {
    const Settings& settings = app.settings;
    PointedMenu pointed;
    MenuItem item;
    if (!menuUnderPointer(state, pointer, pointed) || !highlightedItem(pointed, item) || item.subMenu != nullptr)
        return;
    FolderNode* folder = app.menus.folderOf(pointed.menu);
    MenuEntry* entry = folder ? entryWithId(*folder, item.id) : nullptr;
    // The Open-all entry stands for no one file: the shell has no menu for it.
    if (entry == nullptr || entry->path.empty()) return;
    if (entry->isTitlePicture && settings.dotitleimages && settings.dotitleimagesnoclick) return;
    // No thumbnail over the shell's menu, nor one whose timer fires meanwhile.
    cancelHover(state, app.tip);
    state.clickWentToShellMenu = menusOwnButton;
    showShellMenu(state, app, pointed.window, entry->path, pointed.pointer);
}

MouseMessage mouseMessageOf(UINT message) {
    switch (message) {
        case WM_MOUSEMOVE: return MouseMessage::move;
        case WM_LBUTTONUP: return MouseMessage::leftUp;
        case WM_LBUTTONDBLCLK: return MouseMessage::leftDoubleClick;
        case WM_RBUTTONUP: return MouseMessage::rightUp;
        case WM_RBUTTONDBLCLK: return MouseMessage::rightDoubleClick;
        default: return MouseMessage::other;
    }
}

}  // namespace

void menuMouseMessage(TrackingState& state, UINT message, POINT pointer) {
    HookApp* app = state.hookApp;
    if (app == nullptr || state.shellMenuShown) return;
    const MouseMessage kind = mouseMessageOf(message);
    if (kind == MouseMessage::other) return;
    if (kind != MouseMessage::move) state.clickWentToShellMenu = false;
    // Read at every click: the user may swap the buttons while the menu is open.
    const bool swapped =
        kind != MouseMessage::move && launcherSwapsButtons(app->underWine, ::GetSystemMetrics(SM_SWAPBUTTON) != 0);
    switch (mouseRoleOf(kind, swapped)) {
        case MouseRole::move: pointerMoved(state, *app, pointer); break;
        case MouseRole::primaryUp: primaryUp(state, *app, pointer); break;
        case MouseRole::primaryDoubleClick: primaryDoubleClick(state, *app, pointer); break;
        case MouseRole::secondaryUp: secondaryUp(state, *app, pointer, kind == MouseMessage::leftUp); break;
        case MouseRole::none: break;
    }
}

}  // namespace trm
