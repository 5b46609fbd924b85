#include "presentation/menu_frame.h"

namespace trm {

MenuFrame menuFrameOf(bool outline, bool rounded, bool flat, bool background) {
    if (!outline) return MenuFrame::none;
    if (rounded) return MenuFrame::rounded;
    if (flat) return MenuFrame::flat;
    return background ? MenuFrame::system : MenuFrame::raisedLine;
}

MenuCorners menuCornersOf(MenuFrame frame, bool xp, bool dark) {
    return frame == MenuFrame::system && !xp && !dark ? MenuCorners::round : MenuCorners::square;
}

std::vector<FrameLine> roundedFrameLines(int width, int height, int cxEdge, int cyEdge, bool background) {
    const int ex = cxEdge + 1;
    const int ey = cyEdge + 1;
    std::vector<FrameLine> lines;
    for (int i = 0; i < ey; ++i) {
        const bool outermost = i == ey - 1;
        const int yT = cyEdge - i;
        const int xL = cxEdge - i;
        const int yB = height - ey + i;
        const int xR = width - ex + i;
        const int t = i * (i + 1);        // this ring's cut at each corner
        const int u = (i + 1) * (i + 2);  // the next ring's
        if (outermost || background) {
            const FramePen topLeft = outermost ? FramePen::light : FramePen::fill;
            const FramePen bottomRight = outermost ? FramePen::dark : FramePen::fill;
            lines.push_back({topLeft, t + ex, yT, width - t - ex, yT});
            lines.push_back({topLeft, xL, t + ey, xL, height - t - ey});
            lines.push_back({bottomRight, t + ex, yB, width - t - ex, yB});
            lines.push_back({bottomRight, xR, t + ey, xR, height - t - ey});
        }
        if (!outermost) {
            // The steps that join this ring to the next one out.
            lines.push_back({FramePen::light, t + ex, yT, u + ex, yT});
            lines.push_back({FramePen::light, width - u - ex, yT, width - t - ex, yT});
            lines.push_back({FramePen::light, xL, t + ey, xL, u + ey});
            lines.push_back({FramePen::light, xL, height - u - ey, xL, height - t - ey});
            lines.push_back({FramePen::dark, xR, t + ey, xR, u + ey});
            lines.push_back({FramePen::dark, xR, height - t - ey - 1, xR, height - u - ey - 1});
            lines.push_back({FramePen::dark, t + ex, yB, u + ex, yB});
            lines.push_back({FramePen::dark, width - t - ex - 1, yB, width - u - ex - 1, yB});
        }
    }
    return lines;
}

}  // namespace trm
