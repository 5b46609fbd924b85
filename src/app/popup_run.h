// One popup run and everything it owns, in the order it is made (and the
// reverse of the order it is released in): the apartment with OLE, the menu
// styles with the item records and the drawing over them, the host window
// with its exit timers, the thumbnail tip, the shell's shortcuts and icons,
// the folder tree, its menus, the tracking state the hooks and menu windows
// share (fresh for each run, with the pending open), and the hooks while
// the menu is tracked.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>

#include "app/host_window.h"
#include "app/menu_host.h"
#include "common/com_apartment.h"
#include "common/command_ids.h"
#include "common/monitor_layout.h"
#include "common/settings.h"
#include "menus/menu_builder.h"
#include "menus/run_menus.h"
#include "model/folder_node.h"
#include "model/icon_service.h"
#include "model/win_scan_platform.h"
#include "model/win_shortcut_platform.h"
#include "presentation/menu_drawing.h"
#include "presentation/menu_styles.h"
#include "presentation/thumbnail_tip.h"
#include "presentation/tracking_state.h"

namespace trm {

class PopupRun : private MenuHost {
public:
    PopupRun(const Settings& settings, bool underWine);
    ~PopupRun();
    PopupRun(const PopupRun&) = delete;
    PopupRun& operator=(const PopupRun&) = delete;

    // Shows the folder's menu once at the anchor point and carries out what
    // was chosen; everything built for the menu is released before it
    // returns. The host window stays for the exit timers.
    void show();

    // After show(): how long the process is to stay, in milliseconds; 0 when
    // it may end at once. A property sheet the shell's last command put up
    // keeps it at least 10 s, and then while the sheet is open.
    int waitToDie() const;

    // After show(): the host window, its exit timer started, when the
    // process is to stay (waitToDie() above 0); else null.
    CWnd* windowToStay();

private:
    // The Windows tests drive a run piece by piece through its parts.
    friend struct PopupRunParts;

    // Opens path through the shell (the one way any item is opened).
    bool openItem(const std::string& path);

    // The steps of show().
    void scanRoot();
    void tearDown();

    const Settings& settings;
    const bool underWine;
    ComApartment com;
    // The styles (with the palette, whose brush the menus are filled with)
    // and the item records outlive every menu of the run.
    MenuStyles styles;
    ItemDataList records;
    MenuDrawing drawing;
    HostWindow hostWindow;
    ThumbnailTip thumbnailTip;
    WinShortcutPlatform shortcuts;
    IconService icons;
    WinScanPlatform scanPlatform;
    CommandIds ids;
    FolderNode root;
    RunMenus menus;
    MenuBuilder builder;
    TrackingState tracking;
    HookApp hookApp;
    // The desktop's monitors as the run started.
    MonitorLayout monitors;
    // Where show() has the worker get icons; the shell when empty.
    IconSource iconSource;
    // How long the end of the run waits for a worker inside a shell call.
    std::chrono::milliseconds workerWait{500};

    // What tracking the root menu ended with: the command the menu chose
    // (0 for none) and what the hooks left for the run.
    struct Tracked {
        UINT command = 0;
        TrackingOutcome outcome;
    };
    Tracked trackRootMenu(POINT atStart);
    void takeArrivedIcons();
    // The item or folder chosen in the menus, opened.
    void carryOut(UINT command, const TrackingOutcome& outcome);

    // What the host window asks of the run.
    void measureItem(MEASUREITEMSTRUCT* request) override;
    void drawItem(DRAWITEMSTRUCT* request) override;
    void menuStarting(HMENU menu) override;
    void menuOpening(HMENU popup) override;
    void menuCancelled() override;
    const ItemDataList* recordsFor(HMENU menu) const override;
    bool shellCommandDone() const override;
    HWND tipWindow() const override;
    bool acceptIcon(IconArrival* arrival) override;
    void paintLateIcons() override;

    TrackingScope tracked;
};

}  // namespace trm
