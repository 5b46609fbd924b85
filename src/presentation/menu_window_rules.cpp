#include "presentation/menu_window_rules.h"

namespace trm {

MouseOutStep mouseOutStep(bool inside, bool& hasEntered, int delay, bool closePending) {
    if (inside) {
        hasEntered = true;
        return MouseOutStep::cancelClose;
    }
    if (!hasEntered) return MouseOutStep::nothing;
    // A negative delay (quoted on the command line) would be a timer of weeks.
    if (delay <= 0) return MouseOutStep::closeNow;
    return closePending ? MouseOutStep::nothing : MouseOutStep::startClose;
}

int shiftedSubMenuLeft(int left, int width, int parentLeft, int cxEdge, int shift, ScreenBounds monitor) {
    const int moved = left > parentLeft ? left + cxEdge + shift : left - cxEdge;
    // The system has fitted the window to the monitor; a nudge must not undo that.
    if (moved < monitor.left || moved + width > monitor.right) return left;
    return moved;
}

}  // namespace trm
