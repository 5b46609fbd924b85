// The one popup run: scan the folder, build the menus, track the root menu
// at the anchor point, carry out the choice, release everything.
#include <windows.h>

#include "app/anchor_point.h"
#include "app/launcher_app.h"
#include "common/stage_clock.h"
#include "menus/menu_teardown.h"
#include "menus/owner_draw_menu.h"
#include "model/folder_scanner.h"
#include "presentation/menu_hooks.h"
#include "presentation/monitor_bounds.h"
#include "presentation/mouse_rules.h"
#include "presentation/tracking_state.h"

namespace trm {

void LauncherApp::runPopup() {
    POINT atStart = {};
    ::GetCursorPos(&atStart);
    hostWindow.create();
    // Made only when thumbnails are asked for: a window costs start-up time.
    if (settings.dothumbnailsontooltip) thumbnailTip.create();
    markStage("host-window");

    scanRoot();
    markStage("scan");

    HookApp running{settings, underWine, root, thumbnailTip, [this](HWND owner, const std::string& path, int x, int y) {
                        showShellContextMenu(owner, path, x, y);
                    }};
    MenuHooks hooks(::GetWindowThreadProcessId(hostWindow.m_hWnd, nullptr), running);

    builder.buildMenu(root);
    markStage("build");
    ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
    const UINT command = trackRootMenu(atStart);
    hostWindow.PostMessage(WM_NULL);

    hooks.remove();
    if (trackingState.hoverTimer.id != 0) {
        ::KillTimer(trackingState.hoverTimer.window, trackingState.hoverTimer.id);
        trackingState.hoverTimer = TimerRef();
    }
    // A thumbnail shown when the menus closed would stay on screen while
    // the process waits to end.
    thumbnailTip.hide();

    bool handled = false;
    const auto open = [this](const std::string& path) { return openItem(hostWindow, path); };
    if (command != 0 && !trackingState.clickWentToShellMenu)
        handled = builder.runCommand(root, static_cast<int>(command), open);
    if (!trackingState.pendingOpenPath.empty() && !handled && !trackingState.contextCommandDone)
        openItem(hostWindow, trackingState.pendingOpenPath);

    writeStageMarks();
    tearDownRoot(root);
    iconCache.clear();
    scanPlatform.shortcuts.reset();
    folderIcons.destroy();
    settings.clearFilterLists();
}

void LauncherApp::scanRoot() {
    const std::string started = scanPlatform.currentDirectory();
    root.path = started;
    bool entered = true;
    if (!settings.startdirectory.empty()) {
        entered = scanPlatform.setCurrentDirectory(settings.startdirectory);
        root.path = settings.startdirectory;
    }
    // A start directory that cannot be entered is not read: reading the one
    // we are in would list another folder's files under its title.
    if (entered) scanFolder(root, scanPlatform);
    if (!settings.startdirectory.empty()) scanPlatform.setCurrentDirectory(started);
    if (!settings.previousdirectory.empty()) scanPlatform.setCurrentDirectory(settings.previousdirectory);
}

UINT LauncherApp::trackRootMenu(POINT atStart) {
    if (root.menu == nullptr || root.menu->GetSafeHmenu() == nullptr) return 0;
    POINT now = {};
    ::GetCursorPos(&now);
    const ScreenPoint chosen = chosenAnchor({atStart.x, atStart.y}, {now.x, now.y}, settings);
    const ScreenPoint anchor = snapToScreenEdges(chosen, monitorBounds(chosen));
    ::SetForegroundWindow(hostWindow.m_hWnd);
    trackingState.currentMenu = root.menu->GetSafeHmenu();
    UINT flags = static_cast<UINT>(settings.menuyalignment | settings.menuxalignment) | TPM_RETURNCMD;
    // Where the launcher swaps the buttons itself (under Wine), the right
    // button, the user's primary, picks items too.
    if (launcherSwapsButtons(underWine, ::GetSystemMetrics(SM_SWAPBUTTON) != 0)) flags |= TPM_RIGHTBUTTON;
    return static_cast<UINT>(
        ::TrackPopupMenu(root.menu->GetSafeHmenu(), flags, anchor.x, anchor.y, 0, hostWindow.m_hWnd, nullptr));
}

}  // namespace trm
