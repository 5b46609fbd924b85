#include "presentation/tip_picture.h"

#include <algorithm>

#include "menus/picture.h"
#include "presentation/tip_layout.h"

namespace trm {

namespace {

// The picture drawn on the background into a bitmap of its own: the OLE
// picture stays on the thread that loaded it.
BitmapHandle drawnPicture(IPicture* picture, int width, int height, COLORREF background) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    MemoryDC dc(nullptr);
    void* bits = nullptr;
    BitmapHandle bitmap(::CreateDIBSection(dc.get(), &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (dc.get() == nullptr || !bitmap) return BitmapHandle();
    SelectedObject selected(dc.get(), bitmap.get());
    const RECT all{0, 0, width, height};
    ::SetBkColor(dc.get(), background);
    ::ExtTextOutA(dc.get(), 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    renderPicture(picture, dc.get(), 0, 0, width, height);
    return bitmap;
}

}  // namespace

PictureArrival loadTipPicture(const TipPictureRequest& request) {
    PictureArrival loaded;
    Picture picture;
    loadPicture(request.settings, request.path, request.dpi, picture);
    if (picture.empty()) return loaded;
    const Settings& settings = request.settings;
    const SIZE own = pixelSize(picture.picture.get());
    // The tooltip's sizes are pixels at 100 % scaling, like every length;
    // a picture shown at its own size keeps it.
    const PixelSize drawn = tipDrawingSize(scaledLength(settings.dothumbnailsontooltipsizex, request.dpi),
                                           scaledLength(settings.dothumbnailsontooltipsizey, request.dpi),
                                           static_cast<bool>(picture.picture), {own.cx, own.cy},
                                           settings.imagereductionx, settings.imagereductiony, request.lengths);
    loaded.width = drawn.width;
    loaded.height = drawn.height;
    if (picture.picture)
        loaded.bitmap = drawnPicture(picture.picture.get(), std::max(1, drawn.width - request.lengths.tipPictureRight),
                                     std::max(1, drawn.height), request.background);
    else
        loaded.bitmap = std::move(picture.thumbnail);
    return loaded;
}

}  // namespace trm
