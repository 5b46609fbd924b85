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

PixelSize tipContentSize(const TipContent& content, const MenuLengths& at) {
    PixelSize size;
    if (content.hasThumbnail)
        size = {content.thumbnail.width + at.tipPictureRight, content.thumbnail.height + at.tipPictureBelow};
    if (content.hasPicture)
        size = {content.picture.width + at.tipPictureRight, content.picture.height + at.tipPictureBelow};
    if (content.widthOverride != 0) size.width = content.widthOverride;
    if (content.heightOverride != 0) size.height = content.heightOverride;
    return {windowSide(size.width, 1), windowSide(size.height, 0)};
}

TipPlacement placeTip(ScreenPoint at, PixelSize content, ScreenBounds monitor, const MenuLengths& lengths) {
    TipPlacement placed{at.x, at.y, content.width + lengths.tipFrameWidth, content.height + lengths.tipFrameHeight};
    if (at.x + content.width > monitor.right) placed.x = at.x - content.width - lengths.tipFlipX;
    if (at.y + content.height + lengths.tipInset > monitor.bottom) placed.y = at.y - content.height - lengths.tipFlipY;
    return placed;
}

PixelSize tipDrawingSize(int sizeX, int sizeY, bool hasPicture, PixelSize picture, int reductionX, int reductionY,
                         const MenuLengths& lengths) {
    if (sizeX != 0 || sizeY != 0) return {windowSide(sizeX, 0), windowSide(sizeY, 0)};
    if (!hasPicture) return {lengths.thumbnailWidth, lengths.thumbnailHeight};
    const TextSize reduced = reducedPictureSize(picture.width, picture.height, reductionX, reductionY);
    return {reduced.width, reduced.height};
}

}  // namespace trm
