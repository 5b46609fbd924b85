// The state one popup run shares between its host window, the menu hooks,
// the menu windows and the shell's context menu while its menu is tracked,
// in one part per concern: the hooks, the open windows, the hover, the
// shell's menu, a drag, and the outcome the run carries out. Each run owns
// one, fresh; only the hook and menu window procedures reach it through
// tracking(), which the run points at its own for its lifetime, and hand
// each job the part it works on.
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

// The hooks installed while the run's root menu is tracked, and the
// application they hand on.
struct TrackingHooks {
    HookApp* hookApp = nullptr;    // set while the hooks are installed
    HHOOK creationHook = nullptr;  // WH_CBT: menu windows as they are made and destroyed
    HHOOK mouseHook = nullptr;     // WH_MOUSE
    HHOOK filterHook = nullptr;    // WH_MSGFILTER: the menu loop's presses and moves, for dragging
};

// The menu windows open now, and dieonmouseout's watch over them.
struct OpenWindows {
    HMENU currentMenu = nullptr;                  // the menu whose window is created next
    std::vector<OpenMenuWindow> openMenuWindows;  // from the root to the deepest sub-menu
    bool pointerHasEntered = false;               // the pointer has been over a menu window
    WindowTimer closeTimer;                       // dieonmouseout's delay
};

// The thumbnail pending or shown.
struct HoverState {
    WindowTimer hoverTimer;             // the thumbnail's hover delay
    MenuEntry* hoveredEntry = nullptr;  // the entry whose thumbnail is pending or shown
};

// The shell's context menu, tracked on this thread (inside our menu loop):
// while it is shown, its windows and its mouse messages are not ours to
// handle.
struct ShellMenuState {
    bool shellMenuShown = false;
    // The system cancelled our menu (WM_CANCELMODE) while the shell's was
    // shown: the shell's menu is closed too.
    bool launcherMenuCancelled = false;
};

// A press on an item that may become a drag of it: the gesture and the
// item's path.
struct DragState {
    DragGesture drag;
    std::string pressedPath;
};

// What tracking leaves the run to carry out once the menus have closed.
struct TrackingOutcome {
    std::string pendingOpenPath;      // a folder to open
    bool contextCommandDone = false;  // a shell context menu command was carried out
    // The shell's last command (Properties) was chosen where its sheet
    // outlives the command: the process waits for it.
    bool sheetMayOutliveCommand = false;
    // The last click was the menu's own button and showed the shell's
    // context menu (under Wine with swapped buttons, where the menu picks
    // with the left button, the user's secondary): the item the menu chose
    // with that same click is not opened as well.
    bool clickWentToShellMenu = false;
    // The drag started and the menus were ended for it: the popup run drags
    // this item, with this button (MK_LBUTTON or MK_RBUTTON) held, and opens
    // nothing.
    std::string draggedPath;
    DWORD dragButton = MK_LBUTTON;
};

// One run's tracking, each concern a part of its own; the code of each
// concern is handed its part.
struct TrackingState : TrackingHooks, OpenWindows, HoverState, ShellMenuState, DragState, TrackingOutcome {};

// The state of the run on now, for the hook and menu window procedures,
// which the system calls without any of ours; between runs an idle one, so
// that a stray message never finds none.
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
