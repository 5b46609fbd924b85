// Points and rectangles on the screen, in the core's own terms.
#pragma once

namespace trm {

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// A monitor's rectangle (right and bottom exclusive).
struct ScreenBounds {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

}  // namespace trm
