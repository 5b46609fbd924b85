#include "menus/picture_header.h"

namespace trm {

namespace {

uint32_t byteAt(std::string_view bytes, size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}
uint32_t bigEndian16(std::string_view bytes, size_t at) {
    return byteAt(bytes, at) << 8 | byteAt(bytes, at + 1);
}
uint32_t littleEndian16(std::string_view bytes, size_t at) {
    return byteAt(bytes, at) | byteAt(bytes, at + 1) << 8;
}
uint32_t bigEndian32(std::string_view bytes, size_t at) {
    return bigEndian16(bytes, at) << 16 | bigEndian16(bytes, at + 2);
}
uint32_t littleEndian32(std::string_view bytes, size_t at) {
    return littleEndian16(bytes, at) | littleEndian16(bytes, at + 2) << 16;
}

PictureHeaderSize sized(uint32_t width, uint32_t height) {
    PictureHeaderSize size;
    size.known = true;
    size.width = width;
    size.height = height;
    return size;
}

bool isFrameMarker(uint32_t marker) {
    // SOF0-SOF15 but DHT (C4), JPG (C8) and DAC (CC).
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

PictureHeaderSize jpegSize(std::string_view bytes) {
    size_t at = 2;
    while (at + 4 <= bytes.size()) {
        if (byteAt(bytes, at) != 0xFF) return {};
        const uint32_t marker = byteAt(bytes, at + 1);
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // no length
            at += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA) return {};  // end, or the scan before any frame
        const uint32_t length = bigEndian16(bytes, at + 2);
        if (length < 2) return {};
        if (isFrameMarker(marker)) {
            if (at + 9 > bytes.size()) return {};
            return sized(bigEndian16(bytes, at + 7), bigEndian16(bytes, at + 5));
        }
        at += 2 + length;
    }
    return {};
}

PictureHeaderSize bmpSize(std::string_view bytes) {
    if (bytes.size() < 18) return {};
    const uint32_t headerSize = littleEndian32(bytes, 14);
    if (headerSize == 12) {
        if (bytes.size() < 22) return {};
        return sized(littleEndian16(bytes, 18), littleEndian16(bytes, 20));
    }
    if (bytes.size() < 26) return {};
    const uint32_t width = littleEndian32(bytes, 18);
    const uint32_t height = littleEndian32(bytes, 22);
    // Signed 32-bit values: a negative height means top-down rows.
    const auto magnitude = [](uint32_t value) { return value & 0x80000000u ? 0u - value : value; };
    return sized(magnitude(width), magnitude(height));
}

}  // namespace

PictureHeaderSize pictureHeaderSize(std::string_view bytes) {
    if (bytes.size() >= 4 && byteAt(bytes, 0) == 0xFF && byteAt(bytes, 1) == 0xD8) return jpegSize(bytes);
    if (bytes.size() >= 10 && (bytes.compare(0, 6, "GIF87a") == 0 || bytes.compare(0, 6, "GIF89a") == 0))
        return sized(littleEndian16(bytes, 6), littleEndian16(bytes, 8));
    if (bytes.size() >= 2 && bytes.compare(0, 2, "BM") == 0) return bmpSize(bytes);
    if (bytes.size() >= 24 && bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0 && bytes.compare(12, 4, "IHDR") == 0)
        return sized(bigEndian32(bytes, 16), bigEndian32(bytes, 20));
    return {};
}

bool pictureTooLarge(std::string_view bytes) {
    const PictureHeaderSize size = pictureHeaderSize(bytes);
    if (!size.known) return false;
    if (size.width == 0 || size.height == 0) return true;
    if (size.width > kLargestPictureSide || size.height > kLargestPictureSide) return true;
    return static_cast<uint64_t>(size.width) * size.height > kLargestPicturePixels;
}

}  // namespace trm
