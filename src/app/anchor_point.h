// Where the menu is anchored on the screen.
#pragma once

#include "common/settings.h"

namespace trm {

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

struct ScreenBounds {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The pointer now (or at start with appearwhererun), overridden per axis by
// appearatx/appearaty; a point within 32 pixels of an edge snaps to it
// (towards 0 on the low side, to the screen's far edge on the high side).
ScreenPoint anchorPoint(ScreenPoint atStart, ScreenPoint now, const Settings& settings, ScreenBounds screen);

}  // namespace trm
