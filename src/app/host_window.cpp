#include "app/host_window.h"

#include <objbase.h>

#include <vector>

#include "app/launcher_app.h"
#include "app/shell_windows.h"
#include "common/command_ids.h"
#include "common/stage_clock.h"
#include "menus/menu_builder.h"
#include "model/folder_scanner.h"
#include "presentation/menu_metrics.h"
#include "presentation/tracking_state.h"

namespace trm {

namespace {

bool menuHoldsPlaceholder(HMENU menu) {
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i)
        if (::GetMenuItemID(menu, i) == static_cast<UINT>(placeholderCommandId)) return true;
    return false;
}

std::string classNameOf(HWND window) {
    char name[100] = {};
    ::GetClassNameA(window, name, 99);
    return name;
}

}  // namespace

HostWindow::~HostWindow() = default;

bool HostWindow::create() {
    return CreateEx(WS_EX_WINDOWEDGE, AfxRegisterWndClass(0, nullptr, nullptr, nullptr), "invisible",
                    WS_POPUP | WS_BORDER | WS_SYSMENU, 0, 0, 10, 10, nullptr, nullptr) != FALSE;
}

LRESULT HostWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DRAWITEM:
            markStageOnce("measure");
            MenuMetrics::Instance().DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
            return 1;
        case WM_MEASUREITEM:
            markStageOnce("track");
            MenuMetrics::Instance().MeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
            return 1;
        case WM_TIMER: onTimer(wParam); break;
        case WM_INITMENU: trackingState.currentMenu = reinterpret_cast<HMENU>(wParam); break;
        case WM_CANCELMODE: trackingState.launcherMenuCancelled = true; break;
        case WM_MENUCHAR: return answerTypedCharacter(wParam, reinterpret_cast<HMENU>(lParam));
        case typeAheadCheck: typeAhead.confirmSelection(m_hWnd); return 0;
        case WM_INITMENUPOPUP:
            if (HIWORD(lParam) == 0) fillOpeningMenu(reinterpret_cast<HMENU>(wParam));
            break;
        default: break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

LRESULT HostWindow::answerTypedCharacter(WPARAM wParam, HMENU menu) {
    const UINT character = LOWORD(wParam);
    // Window menus, and characters beyond one byte, are the system's.
    if (character > 0xFF || MenuMetrics::Instance().FindMenuByHandle(menu) == nullptr)
        return CWnd::WindowProc(WM_MENUCHAR, wParam, reinterpret_cast<LPARAM>(menu));
    const LRESULT answer = typeAhead.answer(menu, static_cast<char>(character), MenuMetrics::Instance().itemDataList);
    if (HIWORD(answer) == MNC_SELECT) PostMessage(typeAheadCheck);
    return answer;
}

void HostWindow::onTimer(UINT_PTR id) {
    const int fired = static_cast<int>(id);
    if (fired != exitTimer && fired != sheetCheckTimer) return;
    if (fired == exitTimer) {
        KillTimer(static_cast<UINT_PTR>(exitTimer));
        exitTimer = -1;
    }
    if (trackingState.contextCommandDone && shellWindowOpen()) {
        // Check again every second while the shell's windows are on screen.
        if (sheetCheckTimer == -1) sheetCheckTimer = static_cast<int>(SetTimer(sheetCheckTimerId, 1000));
        return;
    }
    if (sheetCheckTimer != -1) KillTimer(static_cast<UINT_PTR>(sheetCheckTimer));
    sheetCheckTimer = -1;
    ::CoUninitialize();
    PostMessage(WM_CLOSE);
}

namespace {

struct OwnWindowSearch {
    DWORD process;
    HWND host;
    HWND tip;
    bool found;
};

BOOL CALLBACK findShellWindow(HWND window, LPARAM lParam) noexcept {
    OwnWindowSearch& search = *reinterpret_cast<OwnWindowSearch*>(lParam);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process != search.process) return TRUE;
    try {
        search.found = keepsProcessAlive(
            {classNameOf(window), ::IsWindowVisible(window) != FALSE, window == search.host || window == search.tip});
    } catch (...) {
        // Out of memory for a class name: better to stay than to take a sheet along.
        search.found = true;
    }
    return search.found ? FALSE : TRUE;
}

}  // namespace

bool HostWindow::shellWindowOpen() const {
    OwnWindowSearch search{::GetCurrentProcessId(), m_hWnd, app.thumbnailTip.m_hWnd, false};
    ::EnumWindows(findShellWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void HostWindow::fillOpeningMenu(HMENU popup) {
    trackingState.currentMenu = popup;
    if (MenuMetrics::Instance().FindMenuByHandle(popup) == nullptr) return;
    if (!menuHoldsPlaceholder(popup)) return;
    FolderNode* folder = findFolderByMenu(app.root, popup);
    if (folder == nullptr) return;

    ScanPlatform& platform = app.scanPlatform;
    const std::string saved = platform.currentDirectory();
    ::DeleteMenu(popup, placeholderCommandId, MF_BYCOMMAND);
    // A folder that cannot be entered is not read at all (reading the
    // directory we are in instead would show the wrong files).
    if (platform.setCurrentDirectory(folder->path)) scanFolder(*folder, platform);
    app.builder.fillMenu(*folder);
    platform.setCurrentDirectory(saved);

    if (menuHoldsPlaceholder(popup)) {
        // An empty folder offers one entry that opens the folder itself.
        ::DeleteMenu(popup, placeholderCommandId, MF_BYCOMMAND);
        MenuEntry entry;
        entry.id = nextCommandId++;
        entry.isCommand = true;
        entry.displayName = app.settings.addexploretext;
        entry.path = folder->path;
        folder->entries.push_back(std::move(entry));
        app.builder.fillMenu(*folder);
    }
}

}  // namespace trm
