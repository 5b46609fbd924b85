#include "common/menu_lengths.h"

namespace trm {

int scaledLength(int length, int dpi) {
    if (dpi <= 0 || dpi == 96) return length;
    const long long scaled = (static_cast<long long>(length) * dpi + (length >= 0 ? 48 : -48)) / 96;
    if (length > 0 && scaled < 1) return 1;
    // Option values scaled here are clamped by their users; this only keeps
    // the product inside an int.
    if (scaled > 0x3FFFFFFF) return 0x3FFFFFFF;
    if (scaled < -0x3FFFFFFF) return -0x3FFFFFFF;
    return static_cast<int>(scaled);
}

MenuLengths menuLengthsAt(int dpi) {
    MenuLengths at;
    int* const all[] = {&at.iconInset,
                        &at.textGap,
                        &at.labelPadding,
                        &at.itemEndGap,
                        &at.rowGap,
                        &at.iconRowPadding,
                        &at.pictureMargin,
                        &at.minimumWidthGap,
                        &at.widthLimitSlack,
                        &at.emptyLabelWidth,
                        &at.separatorHeight,
                        &at.separatorInset,
                        &at.line,
                        &at.columnGap,
                        &at.titlePadding,
                        &at.titleTextInset,
                        &at.sideTitleTrim,
                        &at.sideTitleWiden,
                        &at.sideTitleTextLeft,
                        &at.subMenuShift,
                        &at.tipOffset,
                        &at.tipPictureRight,
                        &at.tipPictureBelow,
                        &at.tipFrameWidth,
                        &at.tipFrameHeight,
                        &at.tipInset,
                        &at.tipFlipX,
                        &at.tipFlipY,
                        &at.thumbnailWidth,
                        &at.thumbnailHeight};
    static_assert(sizeof all / sizeof all[0] * sizeof(int) == sizeof(MenuLengths), "every length is scaled");
    for (int* length : all) *length = scaledLength(*length, dpi);
    return at;
}

}  // namespace trm
