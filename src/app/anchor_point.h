// Where the menu is anchored on the screen.
#pragma once

#include "common/screen_geometry.h"
#include "common/settings.h"

namespace trm {

// The pointer now (or at start with appearwhererun), overridden per axis by
// appearatx/appearaty.
ScreenPoint chosenAnchor(ScreenPoint atStart, ScreenPoint now, const Settings& settings);

// A point within 32 pixels of an edge of its monitor snaps to that edge.
ScreenPoint snapToScreenEdges(ScreenPoint point, ScreenBounds monitor);

}  // namespace trm
