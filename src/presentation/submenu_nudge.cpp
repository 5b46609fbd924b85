#include "presentation/submenu_nudge.h"

#include <algorithm>

#include "common/display_dpi.h"
#include "presentation/menu_metrics.h"
#include "presentation/menu_window_rules.h"
#include "presentation/monitor_bounds.h"
#include "presentation/tracking_state.h"

namespace trm {

void nudgeSubMenu(HWND window, WINDOWPOS& position) {
    if (position.flags & SWP_NOMOVE) return;
    const auto& open = tracking().openMenuWindows;
    const auto self = std::find_if(open.begin(), open.end(),
                                   [window](const OpenMenuWindow& known) { return known.window == window; });
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
    const MenuMetrics& metrics = MenuMetrics::Instance();
    position.x = shiftedSubMenuLeft(position.x, width, parent.left, systemMetricForDpi(SM_CXEDGE, metrics.dpi),
                                    metrics.lengths.subMenuShift, monitor);
}

}  // namespace trm
