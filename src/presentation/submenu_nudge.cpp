#include "presentation/submenu_nudge.h"

#include "common/display_dpi.h"
#include "presentation/menu_window.h"
#include "presentation/menu_window_rules.h"
#include "presentation/monitor_bounds.h"
#include "presentation/tracking_state.h"

namespace trm {

void nudgeSubMenu(HWND window, WINDOWPOS& position, const MenuStyle& style) {
    if (position.flags & SWP_NOMOVE) return;
    const OpenMenuWindow* self = openMenuWindowOf(window);
    if (self == nullptr || self == &tracking().openMenuWindows.front()) return;
    RECT parent{};
    if ((self - 1)->window == nullptr || !::GetWindowRect((self - 1)->window, &parent)) return;
    int width = position.cx;
    if (position.flags & SWP_NOSIZE) {
        RECT own{};
        ::GetWindowRect(window, &own);
        width = own.right - own.left;
    }
    const ScreenBounds monitor = monitorBounds({position.x, position.y});
    position.x = shiftedSubMenuLeft(position.x, width, parent.left, systemMetricForDpi(SM_CXEDGE, style.dpi),
                                    style.lengths.subMenuShift, monitor);
}

}  // namespace trm
