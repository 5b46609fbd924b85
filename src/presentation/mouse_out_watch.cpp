#include "presentation/mouse_out_watch.h"

#include "presentation/menu_window.h"
#include "presentation/menu_window_rules.h"
#include "presentation/tracking_state.h"

namespace trm {

bool pointerOverMenus(const OpenWindows& windows) {
    POINT pointer{};
    ::GetCursorPos(&pointer);
    for (const OpenMenuWindow& open : windows.openMenuWindows) {
        RECT area{};
        if (!::GetWindowRect(open.window, &area)) continue;
        if (pointer.x >= area.left && pointer.x <= area.right && pointer.y >= area.top && pointer.y <= area.bottom)
            return true;
    }
    return false;
}

void startPointerWatch(OpenMenuWindow& open) {
    open.pointerWatch.start(open.window, pointerWatchTimerId, pointerWatchPeriod);
}

void watchPointer(OpenWindows& windows, const OpenMenuWindow& open, bool inside, const Settings& settings) {
    WindowTimer& close = windows.closeTimer;
    switch (mouseOutStep(inside, windows.pointerHasEntered, settings.dieonmouseouttime, close.running())) {
        case MouseOutStep::nothing: break;
        case MouseOutStep::cancelClose: close.stop(); break;
        case MouseOutStep::closeNow: closeAllMenus(windows); break;
        case MouseOutStep::startClose:
            close.start(open.window, closeTimerId, static_cast<UINT>(settings.dieonmouseouttime));
            break;
    }
}

void closeTimerFired(const OpenWindows& windows, const OpenMenuWindow& open, bool inside, const Settings& settings) {
    if (windows.closeTimer.fired(open.window, closeTimerId) && settings.dieonmouseout && !inside &&
        windows.pointerHasEntered)
        closeAllMenus(windows);
}

}  // namespace trm
