#include "app/anchor_point.h"

namespace trm {

namespace {
int snap(int value, int farEdge) {
    if (value < 32) return 0;
    if (value > farEdge - 32) return farEdge;
    return value;
}
}  // namespace

ScreenPoint anchorPoint(ScreenPoint atStart, ScreenPoint now, const Settings& settings, ScreenBounds screen) {
    ScreenPoint point = settings.appearwhererun ? atStart : now;
    if (settings.appearatxset) point.x = settings.appearatx;
    if (settings.appearatyset) point.y = settings.appearaty;
    point.y = snap(point.y, screen.bottom);
    point.x = snap(point.x, screen.right);
    return point;
}

}  // namespace trm
