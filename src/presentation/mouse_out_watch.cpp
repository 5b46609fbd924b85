#include "presentation/mouse_out_watch.h"

#include "presentation/menu_window.h"
#include "presentation/menu_window_rules.h"
#include "presentation/tracking_state.h"

namespace trm {

bool pointerOverMenus() {
    POINT pointer{};
    ::GetCursorPos(&pointer);
    for (const OpenMenuWindow& open : tracking().openMenuWindows) {
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

void watchPointer(const OpenMenuWindow& open, bool inside, const Settings& settings) {
    TrackingState& state = tracking();
    WindowTimer& close = state.closeTimer;
    switch (mouseOutStep(inside, state.pointerHasEntered, settings.dieonmouseouttime, close.running())) {
        case MouseOutStep::nothing: break;
        case MouseOutStep::cancelClose: close.stop(); break;
        case MouseOutStep::closeNow: closeAllMenus(); break;
        case MouseOutStep::startClose:
            close.start(open.window, closeTimerId, static_cast<UINT>(settings.dieonmouseouttime));
            break;
    }
}

void closeTimerFired(const OpenMenuWindow& open, bool inside, const Settings& settings) {
    const TrackingState& state = tracking();
    if (state.closeTimer.fired(open.window, closeTimerId) && settings.dieonmouseout && !inside &&
        state.pointerHasEntered)
        closeAllMenus();
}

}  // namespace trm
