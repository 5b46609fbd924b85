// The thumbnail tip's picture of a file, loaded on the picture worker: the
// image decoded, or else the shell's thumbnail, as a bitmap and the size it
// is drawn at.
#pragma once

#include <windows.h>

#include <string>

#include "common/menu_lengths.h"
#include "common/settings.h"
#include "menus/picture_worker.h"

namespace trm {

// Copies only: a worker left behind by the end of a run outlives the run.
struct TipPictureRequest {
    Settings settings;
    std::string path;
    MenuLengths lengths;  // at the menus' DPI
    int dpi = 96;
    COLORREF background = 0;  // the tip's, under a picture's transparent parts
};

// No bitmap when the file has no picture.
PictureArrival loadTipPicture(const TipPictureRequest& request);

}  // namespace trm
