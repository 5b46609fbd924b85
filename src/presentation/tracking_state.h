// The process-wide state shared by the popup run, the host window, the menu
// hooks, the menu windows and the launcher while one menu is tracked.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "common/settings.h"

namespace trm {

struct FolderNode;
struct MenuEntry;
class ThumbnailTip;

// What the hooks and the menu windows read of the running application.
struct HookApp {
    // Shows the shell's context menu for a file at a screen point, owned by
    // the menu window under the pointer, and carries out the command chosen.
    using ShowContextMenu = std::function<void(HWND owner, const std::string& path, int x, int y)>;

    const Settings& settings;
    bool underWine;
    FolderNode& root;
    ThumbnailTip& tip;
    ShowContextMenu showContextMenu;
};

struct OpenMenuWindow {
    HWND window;
    HMENU menuHandle;      // currentMenu when the window was created
    WNDPROC previousProc;  // also kept in the window's "TRM_OldWndProc" property
};

struct TimerRef {
    UINT_PTR id = 0;  // 0 = none
    HWND window = nullptr;
};

using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

struct TrackingState {
    HookApp* hookApp = nullptr;                   // set while the hooks are installed
    HHOOK creationHook = nullptr;                 // WH_CBT: menu windows as they are made and destroyed
    HHOOK mouseHook = nullptr;                    // WH_MOUSE
    HMENU currentMenu = nullptr;                  // the menu whose window is created next
    std::vector<OpenMenuWindow> openMenuWindows;  // from the root to the deepest sub-menu
    bool pointerHasEntered = false;               // the pointer has been over a menu window; never cleared
    TimerRef closeTimer;                          // dieonmouseout's delay
    TimerRef hoverTimer;                          // the thumbnail's hover delay
    MenuEntry* hoveredEntry = nullptr;            // the entry whose thumbnail is pending or shown
    std::string pendingOpenPath;                  // a folder to open once the menus have closed; never cleared
    SetLayeredWindowAttributesFn setLayeredWindowAttributes = nullptr;  // looked up on first use
    bool contextCommandDone = false;                                    // a shell context menu command was carried out
    // The shell's context menu is tracked on this thread (inside our menu
    // loop): its windows and its mouse messages are not ours to handle.
    bool shellMenuShown = false;
    // The system cancelled our menu (WM_CANCELMODE) while the shell's was
    // shown: the shell's menu is closed too.
    bool launcherMenuCancelled = false;
    // The last click was the menu's own button and showed the shell's
    // context menu (under Wine with swapped buttons, where the menu picks
    // with the left button, the user's secondary): the item the menu chose
    // with that same click is not opened as well.
    bool clickWentToShellMenu = false;
};

extern TrackingState trackingState;

}  // namespace trm
