// The rectangle of the monitor that shows a point.
#pragma once

#include "common/screen_geometry.h"

namespace trm {

// The monitor holding the point, or the nearest one to it.
ScreenBounds monitorBounds(ScreenPoint point);

}  // namespace trm
