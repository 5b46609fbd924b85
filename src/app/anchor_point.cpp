#include "app/anchor_point.h"

namespace trm {

namespace {
int snap(int value, int nearEdge, int farEdge) {
    if (value < nearEdge + 32) return nearEdge;
    if (value > farEdge - 32) return farEdge;
    return value;
}
}  // namespace

ScreenPoint chosenAnchor(ScreenPoint atStart, ScreenPoint now, const Settings& settings) {
    ScreenPoint point = settings.appearwhererun ? atStart : now;
    if (settings.appearatxset) point.x = settings.appearatx;
    if (settings.appearatyset) point.y = settings.appearaty;
    return point;
}

ScreenPoint snapToScreenEdges(ScreenPoint point, ScreenBounds monitor) {
    return {snap(point.x, monitor.left, monitor.right), snap(point.y, monitor.top, monitor.bottom)};
}

}  // namespace trm
