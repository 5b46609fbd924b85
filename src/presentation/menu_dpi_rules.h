// At which DPI each menu is measured when every monitor has a scaling of its
// own. Items are measured before their menu window exists, so the monitor is
// chosen from what is known then: the root's anchor point, or the window of
// the menu a sub-menu opens from.
#pragma once

#include "common/monitor_layout.h"

namespace trm {

// The DPI of the monitor under the anchor, or of the nearest one when the
// point lies off every monitor; `fallbackDpi` when there are none.
int rootMenuDpi(const MonitorLayout& monitors, ScreenPoint anchor, int fallbackDpi);

// The DPI of the monitor holding most of the parent menu's window, or of the
// nearest one when it overlaps none; `fallbackDpi` when there are none.
int subMenuDpi(const MonitorLayout& monitors, ScreenBounds parentWindow, int fallbackDpi);

// Whether a menu whose items were measured at `measuredDpi` (0: not yet) must
// be measured again before it shows at `dpi`. Windows keeps the sizes it was
// given once, so only the menu itself can ask again.
bool mustMeasureAgain(int measuredDpi, int dpi);

}  // namespace trm
