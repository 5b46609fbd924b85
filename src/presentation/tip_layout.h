// The thumbnail tooltip's arithmetic: the size of what it shows and where
// it goes beside the pointer so that it stays on the pointer's monitor.
#pragma once

#include "common/menu_lengths.h"
#include "common/screen_geometry.h"

namespace trm {

struct PixelSize {
    int width = 0;
    int height = 0;
};

// What the tip holds when it is shown.
struct TipContent {
    bool hasThumbnail = false;
    PixelSize thumbnail;  // the bitmap's own size
    bool hasPicture = false;
    PixelSize picture;  // the OLE picture in screen pixels
    int widthOverride = 0;
    int heightOverride = 0;
};

// The content box: the picture's (or thumbnail's) size plus its margins,
// replaced by the overrides where they are set; at least 1 wide.
PixelSize tipContentSize(const TipContent& content, const MenuLengths& lengths);

struct TipPlacement {
    int x = 0;
    int y = 0;
    int width = 0;  // the window, border and margins included
    int height = 0;
};

// Beside (x, y), flipped to the left or above when the box would cross the
// monitor's right or bottom edge.
TipPlacement placeTip(ScreenPoint at, PixelSize content, ScreenBounds monitor, const MenuLengths& lengths);

// The size a hovered entry's picture is drawn at: the configured tooltip
// size when either side is set, else the picture's reduced pixel size, else
// the box of a shell thumbnail.
PixelSize tipDrawingSize(int sizeX, int sizeY, bool hasPicture, PixelSize picture, int reductionX, int reductionY,
                         const MenuLengths& lengths);

}  // namespace trm
