// How the picture loader reads a path: which route a file takes and the
// size a shell thumbnail is asked for.
#pragma once

#include <string>

#include "common/menu_lengths.h"

namespace trm {

struct PicturePath {
    bool loadable = false;   // the path has a dot; without one nothing is loaded
    bool decodable = false;  // the extension is one the OLE picture loader takes
    std::string directory;   // up to and including the last backslash before the dot
    std::string fileName;    // the rest
};

PicturePath splitPicturePath(const std::string& path);

struct ThumbnailSize {
    int width = 0;
    int height = 0;
};

// The configured tooltip size, or 160 x 120 when both sides are 0.
ThumbnailSize thumbnailRequestSize(int sizeX, int sizeY, const MenuLengths& lengths);

}  // namespace trm
