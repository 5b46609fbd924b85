// The size a picture file says it has, read from its header before anything
// is decoded, so that a file claiming 20,000 x 20,000 pixels is never handed
// to the picture loader (which would allocate and paint all of them).
#pragma once

#include <cstdint>
#include <string_view>

namespace trm {

struct PictureHeaderSize {
    bool known = false;  // a JPEG, GIF, BMP or PNG header with its size was found
    uint32_t width = 0;
    uint32_t height = 0;
};

// JPEG (the first frame header before the scan), GIF (the logical screen),
// BMP (the core or info header; a negative height counts by its size) and
// PNG (IHDR). Anything else, or a header cut short, is not known.
PictureHeaderSize pictureHeaderSize(std::string_view bytes);

// The largest picture decoded: at most this many pixels a side, and at most
// kLargestPicturePixels in all (a 24-megapixel camera's 6000 x 4000 passes).
constexpr uint32_t kLargestPictureSide = 8192;
constexpr uint64_t kLargestPicturePixels = 32ull * 1024 * 1024;

// True when the header gives a size beyond those limits (or of 0 pixels).
// The first bytes of a file will do: a header cut short is not judged.
bool pictureTooLarge(std::string_view bytes);

// The largest picture file read: an uncompressed picture of the most pixels
// allowed, at four bytes a pixel, with room for its headers. A larger file
// is never read, whatever its header says.
constexpr uint64_t kLargestPictureFile = 4 * kLargestPicturePixels + 1024 * 1024;

}  // namespace trm
