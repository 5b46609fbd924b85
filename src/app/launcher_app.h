// The application object: the settings, the run state the subsystems share,
// and the whole life of the program from the Shift key at start to the
// decision to end.
#pragma once

#include <string>

#include "app/folder_icons.h"
#include "app/host_window.h"
#include "common/settings.h"
#include "framework/win_app.h"
#include "menus/menu_builder.h"
#include "model/folder_node.h"
#include "model/icon_cache.h"
#include "model/win_scan_platform.h"
#include "presentation/thumbnail_tip.h"

namespace trm {

class LauncherApp : public CWinApp {
public:
    LauncherApp();
    ~LauncherApp() override;

    BOOL InitInstance() override;

    // Opens path through the shell (the one way any item is opened).
    bool openItem(CWnd& owner, std::string path);

    // Shows the menu once and carries out what was chosen.
    void runPopup();

    // The shell's context menu for path at screen point (x, y), asked for by
    // the mouse hook while the menu is tracked; carries out the command
    // chosen. True only when one was chosen and carried out.
    bool showShellContextMenu(HWND owner, const std::string& path, int x, int y);

    Settings settings;
    bool underWine = false;  // detected once at start
    FolderNode root{settings};
    IconCache iconCache;
    FolderIconSet folderIcons;
    WinScanPlatform scanPlatform{settings, iconCache};
    MenuBuilder builder;
    HostWindow hostWindow;
    ThumbnailTip thumbnailTip;

private:
    void readOptionsFile();
    void scanRoot();
    UINT trackRootMenu(POINT atStart);
};

}  // namespace trm
