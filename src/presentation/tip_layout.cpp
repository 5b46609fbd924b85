#include "presentation/tip_layout.h"

#include <algorithm>

#include "presentation/item_geometry.h"

namespace trm {

namespace {

// No window is larger, and keeping to it leaves the placing arithmetic room
// for any size the options ask for.
const int largestWindow = 32767;

int windowSide(int side, int least) {
    return std::min(std::max(side, least), largestWindow);
}

}  // namespace

PixelSize tipContentSize(const TipContent& content) {
    PixelSize size;
    if (content.hasThumbnail) size = {content.thumbnail.width + 1, content.thumbnail.height + 3};
    if (content.hasPicture) size = {content.picture.width + 1, content.picture.height + 3};
    if (content.widthOverride != 0) size.width = content.widthOverride;
    if (content.heightOverride != 0) size.height = content.heightOverride;
    return {windowSide(size.width, 1), windowSide(size.height, 0)};
}

TipPlacement placeTip(ScreenPoint at, PixelSize content, ScreenBounds monitor) {
    TipPlacement placed{at.x, at.y, content.width + 7, content.height + 8};
    if (at.x + content.width > monitor.right) placed.x = at.x - content.width - 32;
    if (at.y + content.height + 2 > monitor.bottom) placed.y = at.y - content.height - 34;
    return placed;
}

PixelSize tipDrawingSize(int sizeX, int sizeY, bool hasPicture, PixelSize picture, int reductionX, int reductionY) {
    if (sizeX != 0 || sizeY != 0) return {windowSide(sizeX, 0), windowSide(sizeY, 0)};
    if (!hasPicture) return {160, 120};
    const TextSize reduced = reducedPictureSize(picture.width, picture.height, reductionX, reductionY);
    return {reduced.width, reduced.height};
}

}  // namespace trm
