#include "presentation/submenu_nudge.h"

#include "common/display_dpi.h"
#include "presentation/menu_window_rules.h"
#include "presentation/monitor_bounds.h"

namespace trm {

void nudgeSubMenu(const OpenMenuWindow& self, const OpenMenuWindow& parentWindow, WINDOWPOS& position,
                  const MenuStyle& style) {
    if (position.flags & SWP_NOMOVE) return;
    RECT parent{};
    if (parentWindow.window == nullptr || !::GetWindowRect(parentWindow.window, &parent)) return;
    int width = position.cx;
    if (position.flags & SWP_NOSIZE) {
        RECT own{};
        ::GetWindowRect(self.window, &own);
        width = own.right - own.left;
    }
    const ScreenBounds monitor = monitorBounds({position.x, position.y});
    position.x = shiftedSubMenuLeft(position.x, width, parent.left, systemMetricForDpi(SM_CXEDGE, style.dpi),
                                    style.lengths.subMenuShift, monitor);
}

}  // namespace trm
