#include "app/launcher_app.h"

#include <objbase.h>

#include "app/option_parser.h"
#include "app/options_file_text.h"
#include "app/options_file_tokenizer.h"
#include "app/startup_choice.h"
#include "app/win_path_probe.h"
#include "common/stage_clock.h"
#include "common/win_text.h"
#include "framework/cfile.h"
#include "launch/item_launcher.h"
#include "launch/launch_policy.h"
#include "launch/shell_context_menu.h"
#include "menus/menu_teardown.h"
#include "presentation/menu_metrics.h"
#include "presentation/tracking_state.h"

namespace trm {

LauncherApp::LauncherApp()
    : builder(settings, MenuMetrics::Instance().itemDataList, iconCache, folderIcons.icons()), hostWindow(*this) {
    builder.fetchFolderIcon = [this](const std::string& path) { scanPlatform.icons.fetchIcon(path, path, true); };
    builder.needFolderIcons = [this](bool withOpen) {
        if (displaysIcons(settings))
            folderIcons.loadOnce(hostWindow.m_hWnd, displaysShellSizeIcons(settings), readShellIconSize(), withOpen);
    };
    MenuMetrics::Instance().lateSelectedIcon = [this] {
        builder.needFolderIcons(true);
        return folderIcons.icons().open;
    };
}

// A run releases what it built; this only matters when one never finished.
// MenuMetrics is made while this object is constructed, so its registry
// outlives this destructor.
LauncherApp::~LauncherApp() {
    MenuMetrics::Instance().lateSelectedIcon = nullptr;
    tearDownRoot(root);
}

BOOL LauncherApp::InitInstance() {
    // Sampled before anything else: the state at the moment of starting counts.
    const bool shiftHeld = (::GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0;
    markStage("start");
    ::CoInitialize(nullptr);
    markStage("com");
    ::SetCursor(::LoadCursorA(nullptr, IDC_APPSTARTING));
    underWine = runningUnderWine();
    settings.textIsUtf8 = ::GetACP() == CP_UTF8;

    WinPathProbe paths;
    OptionParser commandLine(settings, paths, false);
    ParseCommandLine(commandLine);
    if (settings.useinifile && !settings.useinifilename.empty()) readOptionsFile();

    markStage("options");
    MenuMetrics& metrics = MenuMetrics::Instance();
    metrics.SetImageReduction(settings.imagereductionx, settings.imagereductiony);
    metrics.SetGradientTitles(settings.dotitlesgradient);
    metrics.SetPaintBackgrounds(settings.displaybackground);

    const std::string& direct = itemToOpenDirectly(settings, shiftHeld);
    if (!direct.empty())
        openItem(hostWindow, direct);
    else
        runPopup();

    hostWindow.exitTimer = -1;
    // Without a native host window (an item opened directly) no timer could
    // ever end the process, so it ends now as with waittodietime 0.
    // A negative time (quoted on the command line) is none: as a timer it
    // would keep an invisible process for weeks.
    if (settings.waittodietime > 0 && hostWindow.m_hWnd != nullptr) {
        hostWindow.exitTimer =
            static_cast<int>(hostWindow.SetTimer(HostWindow::exitTimerId, static_cast<UINT>(settings.waittodietime)));
        m_pMainWnd = &hostWindow;
        hostWindow.ShowWindow(SW_HIDE);
        hostWindow.UpdateWindow();
        return TRUE;
    }
    ::CoUninitialize();
    return FALSE;
}

void LauncherApp::readOptionsFile() {
    CFile file;
    if (!file.Open(settings.useinifilename, CFile::modeRead)) return;
    WinPathProbe paths;
    OptionParser optionsFile(settings, paths, true);
    const UINT active = ::GetACP();
    const OptionsFileText read = optionsFileText(file.ReadAll(), active, systemLocaleCodePage());
    tokenizeOptionsFile(read.codePage == active ? read.text : convertCodePage(read.text, read.codePage, active),
                        optionsFile);
}

bool LauncherApp::openItem(CWnd& owner, std::string path) {
    return launchItem(owner.m_hWnd, path, trackingState.pendingOpenPath, underWine);
}

}  // namespace trm

namespace trm {

bool LauncherApp::showShellContextMenu(HWND owner, const std::string& path, int x, int y) {
    const ContextMenuMode mode = contextMenuModeFor(underWine);
    ShellContextMenuCall call{owner,
                              hostWindow.m_hWnd,
                              path,
                              x,
                              y,
                              mode.ownThread,
                              [this, mode]() {
                                  // Keeps the process for the property sheet the command shows.
                                  if (mode.sheetOutlivesInvoke)
                                      settings.waittodietime = waitToDieAfterLastCommand(settings.waittodietime);
                                  trackingState.contextCommandDone = true;
                              },
                              [] { return trackingState.launcherMenuCancelled; }};
    // Our hooks and menu windows leave the shell's menu and what its
    // command shows alone, also when they run inside our menu loop.
    trackingState.shellMenuShown = true;
    trackingState.launcherMenuCancelled = false;
    const bool done = trm::showShellContextMenu(call);
    trackingState.shellMenuShown = false;
    return done;
}

}  // namespace trm
