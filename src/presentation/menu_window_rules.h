// Rules of the subclassed menu windows that need no window: when the
// pointer's leaving closes the menus, and where a sub-menu is nudged to.
#pragma once

#include "common/screen_geometry.h"

namespace trm {

enum class MouseOutStep {
    nothing,      // the pointer has never been over a menu, or a close is pending
    cancelClose,  // inside: a pending close is called off
    closeNow,     // outside with no delay
    startClose,   // outside: the delay starts
};

// What dieonmouseout does on a menu window's message, given whether the
// pointer is over any menu window and whether a delayed close is already
// running (it is not restarted: the menus close once the pointer has been
// outside for the whole delay). Being inside sets hasEntered for good.
MouseOutStep mouseOutStep(bool inside, bool& hasEntered, int delay, bool closePending);

// The left edge of a sub-menu window moved a little away from its parent:
// cxEdge + shift further right when it opened to the right of the parent's
// left edge, cxEdge further left otherwise; left where it is when the move
// would take it over an edge of its monitor.
int shiftedSubMenuLeft(int left, int width, int parentLeft, int cxEdge, int shift, ScreenBounds monitor);

}  // namespace trm
