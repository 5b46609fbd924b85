// Pictures of files: an image decoded by the OLE picture loader, or else
// the shell's thumbnail of the file; and a picture's size on the screen.
#pragma once

#include <windows.h>
#include <ocidl.h>

#include <string>

#include "common/com_ptr.h"
#include "common/gdi_handles.h"
#include "common/settings.h"

namespace trm {

// At most one member is set after a load; both may be empty.
struct Picture {
    ComPtr<IPicture> picture;
    BitmapHandle thumbnail;

    bool empty() const { return !picture && !thumbnail; }
    void clear() {
        picture.reset();
        thumbnail.reset();
    }
};

// Fills `into` (left empty by the caller). Every failure is silent: a file
// that does not decode falls through to the shell's thumbnail, and a path
// without a dot loads nothing at all. Thumbnails are asked for at the
// tooltip size of the settings on a monitor of `dpi`.
void loadPicture(const Settings& settings, const std::string& path, int dpi, Picture& into);

// The OLE picture of an image file of a type the loader decodes, or null;
// never the shell's thumbnail. The caller releases it.
IPicture* decodePicture(const std::string& path);

// An OLE picture's size in screen pixels; (0, 0) for none.
SIZE pixelSize(IPicture* picture);

// The whole picture, upright, scaled to the rectangle.
void renderPicture(IPicture* picture, HDC dc, int x, int y, int width, int height);

}  // namespace trm
