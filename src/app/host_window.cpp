#include "app/host_window.h"

#include "app/shell_windows.h"
#include "common/stage_clock.h"

namespace trm {

namespace {

std::string classNameOf(HWND window) {
    char name[100] = {};
    ::GetClassNameA(window, name, 99);
    return name;
}

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

HostWindow::~HostWindow() = default;

bool HostWindow::create() {
    return CreateEx(WS_EX_WINDOWEDGE, AfxRegisterWndClass(0, nullptr, nullptr, nullptr), "invisible",
                    WS_POPUP | WS_BORDER | WS_SYSMENU, 0, 0, 10, 10, nullptr, nullptr) != FALSE;
}

void HostWindow::startExitTimer(int milliseconds) {
    exitTimer.start(m_hWnd, exitTimerId, static_cast<UINT>(milliseconds));
}

LRESULT HostWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DRAWITEM:
            markStageOnce("measure");
            run.drawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
            return 1;
        case WM_MEASUREITEM:
            markStageOnce("track");
            run.measureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
            return 1;
        case WM_TIMER: onTimer(wParam); break;
        case WM_INITMENU: run.menuStarting(reinterpret_cast<HMENU>(wParam)); break;
        case WM_CANCELMODE: run.menuCancelled(); break;
        case WM_MENUCHAR: return answerTypedCharacter(wParam, reinterpret_cast<HMENU>(lParam));
        case typeAheadCheck: typeAhead.confirmSelection(m_hWnd); return 0;
        case iconArrived:
            // The first icon is painted at once; those that come within the
            // next 50 ms wait to be painted together.
            if (run.acceptIcon(reinterpret_cast<IconArrival*>(lParam))) iconsToPaint = true;
            if (iconsToPaint && !iconRepaintTimer.running()) paintArrivedIcons();
            return 0;
        case WM_INITMENUPOPUP:
            if (HIWORD(lParam) == 0) run.menuOpening(reinterpret_cast<HMENU>(wParam));
            break;
        default: break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

LRESULT HostWindow::answerTypedCharacter(WPARAM wParam, HMENU menu) {
    const UINT character = LOWORD(wParam);
    // Window menus, and characters beyond one byte, are the system's.
    const ItemDataList* records = run.recordsFor(menu);
    if (character > 0xFF || records == nullptr)
        return CWnd::WindowProc(WM_MENUCHAR, wParam, reinterpret_cast<LPARAM>(menu));
    const LRESULT answer = typeAhead.answer(menu, static_cast<char>(character), *records);
    if (HIWORD(answer) == MNC_SELECT) PostMessage(typeAheadCheck);
    return answer;
}

void HostWindow::paintArrivedIcons() {
    iconsToPaint = false;
    run.paintLateIcons();
    iconRepaintTimer.start(m_hWnd, iconRepaintTimerId, 50);
}

void HostWindow::onTimer(UINT_PTR id) {
    if (iconRepaintTimer.fired(m_hWnd, id)) {
        if (iconsToPaint)
            paintArrivedIcons();
        else
            iconRepaintTimer.stop();
        return;
    }
    if (!exitTimer.fired(m_hWnd, id) && !sheetCheckTimer.fired(m_hWnd, id)) return;
    exitTimer.stop();
    if (run.shellCommandDone() && shellWindowOpen()) {
        if (!sheetCheckTimer.running()) sheetCheckTimer.start(m_hWnd, sheetCheckTimerId, 1000);
        return;
    }
    sheetCheckTimer.stop();
    PostMessage(WM_CLOSE);
}

bool HostWindow::shellWindowOpen() const {
    OwnWindowSearch search{::GetCurrentProcessId(), m_hWnd, run.tipWindow(), false};
    ::EnumWindows(findShellWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace trm
