#include "presentation/menu_window.h"

#include <algorithm>

#include "menus/owner_draw_menu.h"
#include "menus/run_menus.h"
#include "presentation/frame_painter.h"
#include "presentation/hover_tip.h"
#include "presentation/menu_drawing.h"
#include "presentation/mouse_out_watch.h"
#include "presentation/submenu_nudge.h"
#include "presentation/thumbnail_tip.h"
#include "presentation/tracking_state.h"
#include "presentation/translucency.h"
#include "presentation/window_corners.h"

namespace trm {

namespace {

const char* const oldProcProperty = "TRM_OldWndProc";

OpenMenuWindow* findOpen(OpenWindows& windows, HWND window) {
    auto& open = windows.openMenuWindows;
    const auto found = std::find_if(open.begin(), open.end(),
                                    [window](const OpenMenuWindow& known) { return known.window == window; });
    return found == open.end() ? nullptr : &*found;
}

bool isMenuClass(HWND window) {
    char name[MAX_PATH + 1] = {};
    ::GetClassNameA(window, name, MAX_PATH);
    return ::lstrcmpiA(name, "#32768") == 0;
}

// Our handling of one message to an open window; true when it is answered
// (in `result`) and the system's procedure is not to see it again.
bool handle(TrackingState& state, OpenMenuWindow& open, UINT message, WPARAM wParam, LPARAM lParam, const HookApp& app,
            LRESULT& result) {
    const Settings& settings = app.settings;
    const MenuStyle& style = app.drawing.styleAt(open.dpi);
    bool inside = true;
    if (settings.dieonmouseout || settings.dothumbnailsontooltip) {
        // The shell's context menu, open over ours, counts as ours.
        inside = state.shellMenuShown || pointerOverMenus(state);
        if (settings.dieonmouseout) watchPointer(state, open, inside, settings);
        if (settings.dothumbnailsontooltip && !inside) app.tip.hide();
    }
    switch (message) {
        case WM_CREATE:
            makeTranslucent(open, settings);
            setMenuWindowCorners(open, settings, style.palette);
            break;
        case WM_WINDOWPOSCHANGING: {
            WINDOWPOS& position = *reinterpret_cast<WINDOWPOS*>(lParam);
            // Again as it is shown, over whatever the system's menu code chose meanwhile.
            if (position.flags & SWP_SHOWWINDOW) setMenuWindowCorners(open, settings, style.palette);
            const auto& windows = state.openMenuWindows;
            if (windows.size() >= 2 && &open != &windows.front()) nudgeSubMenu(open, *(&open - 1), position, style);
            break;
        }
        case WM_CANCELMODE: state.launcherMenuCancelled = true; break;
        case WM_ERASEBKGND: result = 1; return !settings.displaybackground || settings.displayxp;
        case WM_NCPAINT:
            makeTranslucent(open, settings);
            result = 0;
            return paintWindowFrame(open, settings, style);
        case WM_PAINT:
            // Under Wine menu windows have no non-client area: the system
            // draws its edge inside the client area while painting, and our
            // frame goes over it.
            result = ::CallWindowProcA(open.previousProc, open.window, message, wParam, lParam);
            paintWindowFrame(open, settings, style);
            return true;
        case WM_TIMER:
            if (wParam == pointerWatchTimerId) {
                result = 0;
                return true;
            }
            closeTimerFired(state, open, inside, settings);
            hoverTimerFired(state, open, app);
            break;
        default: break;
    }
    return false;
}

}  // namespace

void menuWindowCreated(TrackingState& state, HWND window) {
    if (!isMenuClass(window)) return;
    WNDPROC previous = reinterpret_cast<WNDPROC>(::GetPropA(window, oldProcProperty));
    if (previous == nullptr) {
        previous = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(window, GWLP_WNDPROC));
        ::SetPropA(window, oldProcProperty, reinterpret_cast<HANDLE>(previous));
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MenuWindowProc));
    }
    if (findOpen(state, window) != nullptr) return;
    const HookApp* app = state.hookApp;
    OwnerDrawMenu* menu = app != nullptr ? app->menus.menuOf(state.currentMenu) : nullptr;
    // A menu shows at the DPI its style was made for.
    int dpi = 0;
    if (app != nullptr) dpi = menu != nullptr ? app->drawing.layoutOf(*menu).style->dpi : app->drawing.style().dpi;
    state.openMenuWindows.push_back({window, state.currentMenu, menu, dpi, previous, WindowTimer()});
    if (app != nullptr && app->settings.dieonmouseout) startPointerWatch(state.openMenuWindows.back());
    if (menu != nullptr) menu->menuWindow = window;
}

void menuWindowDestroyed(TrackingState& state, HWND window) {
    // Timers die with their window: one that ran here is no longer pending.
    if (state.hoverTimer.owner() == window) state.hoverTimer.stop();
    if (state.closeTimer.owner() == window) state.closeTimer.forget();

    HANDLE saved = ::GetPropA(window, oldProcProperty);
    if (saved == nullptr) return;
    ::RemovePropA(window, oldProcProperty);
    ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(saved));
    OpenMenuWindow* gone = findOpen(state, window);
    if (gone == nullptr) return;
    OwnerDrawMenu* menu = gone->menu;
    if (menu != nullptr && menu->menuWindow == window) menu->menuWindow = nullptr;
    auto& open = state.openMenuWindows;
    open.erase(open.begin() + (gone - open.data()));
}

LRESULT CALLBACK MenuWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    TrackingState& state = tracking();
    OpenMenuWindow* open = findOpen(state, window);
    // The list keeps the procedure in the process; the property is read
    // only for a window the list has lost, as reading it asks the wine server.
    const WNDPROC previous =
        open != nullptr ? open->previousProc : reinterpret_cast<WNDPROC>(::GetPropA(window, oldProcProperty));
    const auto passOn = [&]() { return ::CallWindowProcA(previous, window, message, wParam, lParam); };
    const HookApp* app = state.hookApp;
    if (app == nullptr || open == nullptr || previous == nullptr)
        return previous ? passOn() : ::DefWindowProcA(window, message, wParam, lParam);
    LRESULT result = 0;
    try {
        if (handle(state, *open, message, wParam, lParam, *app, result)) return result;
    } catch (...) {
        // Out of memory for a picture or the window list: the system's own
        // handling goes on without ours.
    }
    return passOn();
}

const OpenMenuWindow* openMenuWindowOf(OpenWindows& windows, HWND window) {
    return window == nullptr ? nullptr : findOpen(windows, window);
}

void closeAllMenus(const OpenWindows& windows) {
    for (const OpenMenuWindow& open : windows.openMenuWindows) ::PostMessageA(open.window, WM_CLOSE, 0, 0);
}

}  // namespace trm
