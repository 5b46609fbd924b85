// The state one popup run shares between its host window, the menu hooks,
// the menu windows and the shell's context menu while its menu is tracked.
// Each run owns one, fresh; hook and window procedures reach it through
// tracking(), which the run points at its own for its lifetime.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "common/settings.h"
#include "common/user_handles.h"
#include "launch/shell_context_menu.h"
#include "presentation/drag_gesture.h"
#include "presentation/open_menu_window.h"

namespace trm {

struct MenuEntry;
class MenuDrawing;
class RunMenus;
class ThumbnailTip;

// What the hooks and the menu windows read of the running popup run.
struct HookApp {
    using ShowShellMenu = std::function<bool(const ShellContextMenuCall& call)>;

    const Settings& settings;
    bool underWine;
    RunMenus& menus;
    ThumbnailTip& tip;
    MenuDrawing& drawing;  // the run's measuring and painting, with its styles
    HWND commandWindow;    // the shell's commands are carried out for it (the host window)
    // Shows the shell's context menu; the tests put a recorder here.
    ShowShellMenu showShellMenu = showShellContextMenu;
};

struct TrackingState {
    HookApp* hookApp = nullptr;                   // set while the hooks are installed
    HHOOK creationHook = nullptr;                 // WH_CBT: menu windows as they are made and destroyed
    HHOOK mouseHook = nullptr;                    // WH_MOUSE
    HHOOK filterHook = nullptr;                   // WH_MSGFILTER: the menu loop's presses and moves, for dragging
    HMENU currentMenu = nullptr;                  // the menu whose window is created next
    std::vector<OpenMenuWindow> openMenuWindows;  // from the root to the deepest sub-menu
    bool pointerHasEntered = false;               // the pointer has been over a menu window
    WindowTimer closeTimer;                       // dieonmouseout's delay
    WindowTimer hoverTimer;                       // the thumbnail's hover delay
    MenuEntry* hoveredEntry = nullptr;            // the entry whose thumbnail is pending or shown
    std::string pendingOpenPath;                  // a folder to open once the menus have closed
    bool contextCommandDone = false;              // a shell context menu command was carried out
    // The shell's last command (Properties) was chosen where its sheet
    // outlives the command: the process waits for it.
    bool sheetMayOutliveCommand = false;
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
    // A press on an item that may become a drag of it: the gesture, the
    // item's path and the button (MK_LBUTTON or MK_RBUTTON) pressed.
    DragGesture drag;
    std::string pressedPath;
    DWORD dragButton = MK_LBUTTON;
    // The drag started and the menus were ended for it: the popup run drags
    // this item once tracking has returned, and opens nothing.
    std::string draggedPath;
};

// The state of the run on now; between runs an idle one, so that a stray
// message never finds none.
TrackingState& tracking();

// Makes `state` the one tracking() gives, for the scope's lifetime.
class TrackingScope {
public:
    explicit TrackingScope(TrackingState& state);
    ~TrackingScope();
    TrackingScope(const TrackingScope&) = delete;
    TrackingScope& operator=(const TrackingScope&) = delete;

private:
    TrackingState* previous;
};

}  // namespace trm
