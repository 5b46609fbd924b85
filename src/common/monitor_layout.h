// The monitors of the desktop, each with its own scaling, in the core's terms.
#pragma once

#include <vector>

#include "common/screen_geometry.h"

namespace trm {

struct MonitorArea {
    ScreenBounds bounds;
    int dpi = 96;
};

using MonitorLayout = std::vector<MonitorArea>;

}  // namespace trm
