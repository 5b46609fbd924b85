// The frames drawn around the menu windows: which one the options ask for,
// and the lines of the rounded one.
#pragma once

#include <vector>

namespace trm {

enum class MenuFrame {
    none,        // nooutline: nothing at all
    rounded,     // rings with cut corners
    flat,        // border strips and a one-pixel text-coloured line
    system,      // the system's own frame
    raisedLine,  // no background: a one-pixel raised line
};

// In order of precedence: no outline, rounded, flat, the system's, the line.
MenuFrame menuFrameOf(bool outline, bool rounded, bool flat, bool background);

// Windows 11's corners for a menu window.
enum class MenuCorners { round, square };

// Round where the system draws the frame; square where the launcher draws
// its own (the options' frames, or the dark palette's outline round the
// system's), which round corners would cut off, and for the xp look, whose
// bands run into the corners.
MenuCorners menuCornersOf(MenuFrame frame, bool xp, bool dark);

enum class FramePen { fill, light, dark };

// A line from (fromX, fromY) up to, but not including, (toX, toY).
struct FrameLine {
    FramePen pen;
    int fromX;
    int fromY;
    int toX;
    int toY;
};

// The rounded frame of a window of width x height in window coordinates,
// in drawing order: cyEdge + 1 rings from the innermost out, each cut
// shorter at the corners than the one inside it. Inner rings' straight
// edges are drawn only over a background.
std::vector<FrameLine> roundedFrameLines(int width, int height, int cxEdge, int cyEdge, bool background);

}  // namespace trm
