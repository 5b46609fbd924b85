#include "presentation/menu_window.h"

#include <algorithm>

#include "common/gdi_handles.h"
#include "menus/owner_draw_menu.h"
#include "menus/picture.h"
#include "model/menu_entry.h"
#include "presentation/menu_frame.h"
#include "presentation/menu_metrics.h"
#include "presentation/menu_window_rules.h"
#include "presentation/monitor_bounds.h"
#include "presentation/thumbnail_tip.h"
#include "presentation/tip_layout.h"
#include "presentation/tracking_state.h"

namespace trm {

namespace {

const char* const oldProcProperty = "TRM_OldWndProc";

std::vector<OpenMenuWindow>::iterator findOpen(HWND window) {
    auto& open = trackingState.openMenuWindows;
    return std::find_if(open.begin(), open.end(),
                        [window](const OpenMenuWindow& known) { return known.window == window; });
}

bool isMenuClass(HWND window) {
    char name[MAX_PATH + 1] = {};
    ::GetClassNameA(window, name, MAX_PATH);
    return ::lstrcmpiA(name, "#32768") == 0;
}

// The list keeps the procedure in the process; the property is read only
// for a window the list has lost, as reading it asks the wine server.
WNDPROC previousProcOf(HWND window) {
    const auto known = findOpen(window);
    if (known != trackingState.openMenuWindows.end()) return known->previousProc;
    return reinterpret_cast<WNDPROC>(::GetPropA(window, oldProcProperty));
}

bool pointerOverMenus() {
    POINT pointer{};
    ::GetCursorPos(&pointer);
    for (const OpenMenuWindow& open : trackingState.openMenuWindows) {
        RECT area{};
        if (!::GetWindowRect(open.window, &area)) continue;
        if (pointer.x >= area.left && pointer.x <= area.right && pointer.y >= area.top && pointer.y <= area.bottom)
            return true;
    }
    return false;
}

void watchPointer(HWND window, bool inside, const Settings& settings) {
    TimerRef& close = trackingState.closeTimer;
    switch (mouseOutStep(inside, trackingState.pointerHasEntered, settings.dieonmouseouttime, close.id != 0)) {
        case MouseOutStep::nothing: break;
        case MouseOutStep::cancelClose:
            if (close.id != 0 && ::KillTimer(close.window, close.id)) close = TimerRef();
            break;
        case MouseOutStep::closeNow: closeAllMenus(); break;
        case MouseOutStep::startClose:
            close.id = ::SetTimer(window, closeTimerId, static_cast<UINT>(settings.dieonmouseouttime), nullptr);
            close.window = close.id != 0 ? window : nullptr;
            break;
    }
}

void makeTranslucent(HWND window, const Settings& settings) {
    if (!settings.transparent || settings.transparentlevel == 0) return;
    SetLayeredWindowAttributesFn& setLayered = trackingState.setLayeredWindowAttributes;
    // Missing before Windows 2000; then the menus stay opaque.
    if (setLayered == nullptr)
        setLayered = reinterpret_cast<SetLayeredWindowAttributesFn>(
            reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("USER32.DLL"), "SetLayeredWindowAttributes")));
    if (setLayered == nullptr) return;
    ::SetWindowLongA(window, GWL_EXSTYLE, ::GetWindowLongA(window, GWL_EXSTYLE) | WS_EX_LAYERED);
    setLayered(window, 0, static_cast<BYTE>(200 - 2 * settings.transparentlevel), LWA_ALPHA);
}

// Where the system moves a sub-menu window, it goes a little further away
// from its parent.
void shiftSubMenu(HWND window, WINDOWPOS& position) {
    if (position.flags & SWP_NOMOVE) return;
    const auto& open = trackingState.openMenuWindows;
    const auto self = findOpen(window);
    if (self == open.end() || self == open.begin()) return;
    RECT parent{};
    if ((self - 1)->window == nullptr || !::GetWindowRect((self - 1)->window, &parent)) return;
    int width = position.cx;
    if (position.flags & SWP_NOSIZE) {
        RECT own{};
        ::GetWindowRect(window, &own);
        width = own.right - own.left;
    }
    const ScreenBounds monitor = monitorBounds({position.x, position.y});
    position.x = shiftedSubMenuLeft(position.x, width, parent.left, ::GetSystemMetrics(SM_CXEDGE), monitor);
}

void answerHoverTimer(HWND window, const HookApp& app) {
    ::KillTimer(window, trackingState.hoverTimer.id);
    trackingState.hoverTimer = TimerRef();
    MenuEntry* entry = trackingState.hoveredEntry;
    ThumbnailTip& tip = app.tip;
    const Settings& settings = app.settings;
    if (tip.image.empty() && entry != nullptr) {
        loadPicture(settings, entry->path, tip.image);
        const SIZE own = pixelSize(tip.image.picture.get());
        const PixelSize drawn = tipDrawingSize(settings.dothumbnailsontooltipsizex, settings.dothumbnailsontooltipsizey,
                                               static_cast<bool>(tip.image.picture), {own.cx, own.cy},
                                               settings.imagereductionx, settings.imagereductiony);
        tip.widthOverride = drawn.width;
        tip.heightOverride = drawn.height;
    }
    if (!tip.image.empty() && trackingState.hoveredEntry == entry) tip.showAtCursor();
}

bool ownFrame(const Settings& settings) {
    return menuFrameOf(settings.displayoutline, settings.displayrounded, settings.displayflat,
                       settings.displaybackground) != MenuFrame::system;
}

// Draws our frame over the whole window; false when the system's own is wanted.
bool paintFrame(HWND window, const Settings& settings) {
    RECT area{};
    if (!ownFrame(settings) || !::GetWindowRect(window, &area)) return false;
    WindowDC dc(window);
    return dc.get() != nullptr && paintMenuFrame(dc.get(), area.right - area.left, area.bottom - area.top, settings);
}

// The four strips along the window's edges, as wide as the system's edge plus one.
void fillBand(HDC dc, int width, int height, COLORREF colour) {
    const int cx = ::GetSystemMetrics(SM_CXEDGE) + 1;
    const int cy = ::GetSystemMetrics(SM_CYEDGE) + 1;
    BrushHandle brush(::CreateSolidBrush(colour));
    const RECT strips[] = {
        {0, 0, width, cy}, {0, 0, cx, height}, {width - cx, 0, width, height}, {0, height - cy, width, height}};
    for (const RECT& strip : strips) ::FillRect(dc, &strip, brush.get());
}

void drawLine(HDC dc, HPEN pen, int fromX, int fromY, int toX, int toY) {
    SelectedObject selected(dc, pen);
    ::MoveToEx(dc, fromX, fromY, nullptr);
    ::LineTo(dc, toX, toY);
}

void paintRounded(HDC dc, int width, int height, const Settings& settings) {
    PenHandle fill(::CreatePen(PS_SOLID, 1, ::GetSysColor(settings.displayxp ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE)));
    PenHandle light(
        ::CreatePen(PS_SOLID, 1, ::GetSysColor(settings.displayflat ? COLOR_MENUTEXT : COLOR_BTNHIGHLIGHT)));
    PenHandle dark(::CreatePen(PS_SOLID, 1, ::GetSysColor(settings.displayflat ? COLOR_MENUTEXT : COLOR_BTNSHADOW)));
    const int cxEdge = ::GetSystemMetrics(SM_CXEDGE);
    const int cyEdge = ::GetSystemMetrics(SM_CYEDGE);
    for (const FrameLine& line : roundedFrameLines(width, height, cxEdge, cyEdge, settings.displaybackground)) {
        HPEN pen = line.pen == FramePen::fill ? fill.get() : line.pen == FramePen::light ? light.get() : dark.get();
        drawLine(dc, pen, line.fromX, line.fromY, line.toX, line.toY);
    }
}

void paintFlat(HDC dc, int width, int height, const Settings& settings) {
    if (settings.displaybackground)
        fillBand(dc, width, height, ::GetSysColor(settings.displayxp ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE));
    const RECT whole{0, 0, width, height};
    ::FrameRect(dc, &whole, ::GetSysColorBrush(COLOR_MENUTEXT));
}

void paintRaisedLine(HDC dc, int width, int height) {
    PenHandle light(::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT)));
    PenHandle dark(::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW)));
    {
        SelectedObject selected(dc, light.get());
        ::MoveToEx(dc, 0, height, nullptr);
        ::LineTo(dc, 0, 0);
        ::LineTo(dc, width, 0);
    }
    SelectedObject selected(dc, dark.get());
    ::MoveToEx(dc, 0, height - 1, nullptr);
    ::LineTo(dc, width - 1, height - 1);
    ::LineTo(dc, width - 1, 0);
}

}  // namespace

void menuWindowCreated(HWND window) {
    if (!isMenuClass(window)) return;
    WNDPROC previous = reinterpret_cast<WNDPROC>(::GetPropA(window, oldProcProperty));
    if (previous == nullptr) {
        previous = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(window, GWLP_WNDPROC));
        ::SetPropA(window, oldProcProperty, reinterpret_cast<HANDLE>(previous));
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MenuWindowProc));
    }
    if (findOpen(window) != trackingState.openMenuWindows.end()) return;
    trackingState.openMenuWindows.push_back({window, trackingState.currentMenu, previous});
    if (OwnerDrawMenu* menu = MenuMetrics::Instance().FindMenuByHandle(trackingState.currentMenu))
        menu->menuWindow = window;
}

void menuWindowDestroyed(HWND window) {
    // Timers die with their window: one that ran here is no longer pending.
    if (trackingState.hoverTimer.id != 0 && trackingState.hoverTimer.window == window) {
        ::KillTimer(window, trackingState.hoverTimer.id);
        trackingState.hoverTimer = TimerRef();
    }
    if (trackingState.closeTimer.window == window) trackingState.closeTimer = TimerRef();

    HANDLE saved = ::GetPropA(window, oldProcProperty);
    if (saved == nullptr) return;
    ::RemovePropA(window, oldProcProperty);
    ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(saved));
    auto& open = trackingState.openMenuWindows;
    for (const OpenMenuWindow& gone : open) {
        if (gone.window != window) continue;
        OwnerDrawMenu* menu = MenuMetrics::Instance().FindMenuByHandle(gone.menuHandle);
        if (menu != nullptr && menu->menuWindow == window) menu->menuWindow = nullptr;
    }
    open.erase(std::remove_if(open.begin(), open.end(),
                              [window](const OpenMenuWindow& gone) { return gone.window == window; }),
               open.end());
}

LRESULT CALLBACK MenuWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    const WNDPROC previous = previousProcOf(window);
    const auto passOn = [&]() { return ::CallWindowProcA(previous, window, message, wParam, lParam); };
    const HookApp* app = trackingState.hookApp;
    if (app == nullptr || previous == nullptr)
        return previous ? passOn() : ::DefWindowProcA(window, message, wParam, lParam);
    const Settings& settings = app->settings;

    bool inside = true;
    if (settings.dieonmouseout || settings.dothumbnailsontooltip) {
        // The shell's context menu, open over ours, counts as ours.
        inside = trackingState.shellMenuShown || pointerOverMenus();
        if (settings.dieonmouseout) watchPointer(window, inside, settings);
        if (settings.dothumbnailsontooltip && !inside) app->tip.hide();
    }

    switch (message) {
        case WM_CREATE:
            makeTranslucent(window, settings);
            if (settings.dieonmouseout) ::SetTimer(window, pointerWatchTimerId, pointerWatchPeriod, nullptr);
            break;
        case WM_WINDOWPOSCHANGING:
            if (trackingState.openMenuWindows.size() >= 2) shiftSubMenu(window, *reinterpret_cast<WINDOWPOS*>(lParam));
            break;
        case WM_CANCELMODE: trackingState.launcherMenuCancelled = true; break;
        case WM_ERASEBKGND:
            if (!settings.displaybackground || settings.displayxp) return 1;
            break;
        case WM_NCPAINT:
            makeTranslucent(window, settings);
            if (paintFrame(window, settings)) return 0;
            break;
        case WM_PAINT: {
            // Under Wine menu windows have no non-client area: the system
            // draws its edge inside the client area while painting, and our
            // frame goes over it.
            const LRESULT result = passOn();
            paintFrame(window, settings);
            return result;
        }
        case WM_TIMER:
            if (wParam == pointerWatchTimerId) return 0;
            if (wParam == trackingState.closeTimer.id && trackingState.closeTimer.id != 0 && settings.dieonmouseout &&
                !inside && trackingState.pointerHasEntered)
                closeAllMenus();
            if (wParam == trackingState.hoverTimer.id && trackingState.hoverTimer.id != 0 &&
                trackingState.hoverTimer.window == window)
                answerHoverTimer(window, *app);
            break;
        default: break;
    }
    return passOn();
}

bool paintMenuFrame(HDC dc, int width, int height, const Settings& settings) {
    const MenuFrame frame =
        menuFrameOf(settings.displayoutline, settings.displayrounded, settings.displayflat, settings.displaybackground);
    if (frame == MenuFrame::system) return false;
    // What the band showed before (the system's edge) goes first: the frames
    // below draw only some of its pixels, and no frame at all draws none.
    fillBand(dc, width, height,
             ::GetSysColor(settings.displayxp && settings.displaybackground ? COLOR_BTNHIGHLIGHT : COLOR_MENU));
    switch (frame) {
        case MenuFrame::rounded: paintRounded(dc, width, height, settings); break;
        case MenuFrame::flat: paintFlat(dc, width, height, settings); break;
        case MenuFrame::raisedLine: paintRaisedLine(dc, width, height); break;
        case MenuFrame::none:
        case MenuFrame::system: break;
    }
    return true;
}

void startHoverTimer(HWND menuWindow, MenuEntry& entry) {
    const HookApp* app = trackingState.hookApp;
    TimerRef& hover = trackingState.hoverTimer;
    if (&entry != trackingState.hoveredEntry) {
        if (app != nullptr) app->tip.hide();
        if (hover.id != 0) ::KillTimer(hover.window, hover.id);
        hover = TimerRef();
        UINT time = 200;
        ::SystemParametersInfoA(SPI_GETMOUSEHOVERTIME, 0, &time, 0);
        hover.id = ::SetTimer(menuWindow, hoverTimerId, time, nullptr);
        hover.window = hover.id != 0 ? menuWindow : nullptr;
    }
    trackingState.hoveredEntry = &entry;
}

void cancelHover() {
    if (const HookApp* app = trackingState.hookApp) app->tip.hide();
    TimerRef& hover = trackingState.hoverTimer;
    if (hover.id != 0) ::KillTimer(hover.window, hover.id);
    hover = TimerRef();
    trackingState.hoveredEntry = nullptr;
}

const OpenMenuWindow* openMenuWindowOf(HWND window) {
    if (window == nullptr) return nullptr;
    const auto open = findOpen(window);
    return open == trackingState.openMenuWindows.end() ? nullptr : &*open;
}

void closeAllMenus() {
    for (const OpenMenuWindow& open : trackingState.openMenuWindows) ::PostMessageA(open.window, WM_CLOSE, 0, 0);
}

}  // namespace trm
