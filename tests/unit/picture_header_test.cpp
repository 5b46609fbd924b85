// The size a picture's header claims, read before the picture is decoded:
// the 20,000 x 20,000-pixel JPEG header the soak found (title pictures that
// took the menu minutes to paint) is refused, real pictures pass.
#include "menus/picture_header.h"

#include <gtest/gtest.h>

#include <string>

namespace trm {
namespace {

std::string bytes(std::initializer_list<int> values) {
    std::string text;
    for (int value : values) text += static_cast<char>(value);
    return text;
}

// A JPEG start, an APP0 segment, a quantisation table and a baseline frame
// header of the given size.
std::string jpeg(int width, int height, int frameMarker = 0xC0) {
    return bytes({0xFF,       0xD8,         0xFF, 0xE0, 0x00, 0x06,        'J',  'F',  'I',  'F',         0xFF,
                  0xDB,       0x00,         0x03, 0x00, 0xFF, frameMarker, 0x00, 0x0B, 0x08, height >> 8, height & 0xFF,
                  width >> 8, width & 0xFF, 0x01, 0x01, 0x11, 0x00,        0xFF, 0xDA, 0x00, 0x02});
}

TEST(PictureHeader, JpegFrameHeaderAfterOtherSegments) {
    const PictureHeaderSize size = pictureHeaderSize(jpeg(640, 480));
    EXPECT_TRUE(size.known);
    EXPECT_EQ(640u, size.width);
    EXPECT_EQ(480u, size.height);
    EXPECT_FALSE(pictureTooLarge(jpeg(640, 480)));
    EXPECT_FALSE(pictureTooLarge(jpeg(6000, 4000)));
}

TEST(PictureHeader, TheSoaksHugeJpegIsRefused) {
    EXPECT_TRUE(pictureTooLarge(jpeg(20000, 20000)));
    EXPECT_TRUE(pictureTooLarge(jpeg(20000, 20000, 0xC2)));  // progressive
    EXPECT_TRUE(pictureTooLarge(jpeg(8193, 10)));
    EXPECT_TRUE(pictureTooLarge(jpeg(8000, 8000)));  // 64 megapixels
    EXPECT_TRUE(pictureTooLarge(jpeg(0, 100)));
}

TEST(PictureHeader, CutShortOrUnknownIsLeftToTheLoader) {
    const std::string whole = jpeg(20000, 20000);
    for (size_t length = 0; length < 22; ++length) {
        EXPECT_FALSE(pictureTooLarge(whole.substr(0, length))) << length;
        EXPECT_FALSE(pictureHeaderSize(whole.substr(0, length)).known) << length;
    }
    EXPECT_FALSE(pictureHeaderSize("").known);
    EXPECT_FALSE(pictureHeaderSize("not a picture at all").known);
    // A segment whose length runs past the end, or is too short to be one.
    EXPECT_FALSE(pictureHeaderSize(bytes({0xFF, 0xD8, 0xFF, 0xE0, 0xFF, 0xFF, 0x00})).known);
    EXPECT_FALSE(pictureHeaderSize(bytes({0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x01, 0xFF, 0xC0})).known);
    // Not a marker where one must be.
    EXPECT_FALSE(pictureHeaderSize(bytes({0xFF, 0xD8, 0x12, 0x34, 0x00, 0x01})).known);
}

TEST(PictureHeader, JpegFillBytesAndRestartMarkersAreSkipped) {
    const std::string picture = bytes({0xFF, 0xD8, 0xFF, 0xFF, 0xFF, 0xD0, 0xFF, 0xC1, 0x00, 0x0B, 0x08, 0x00, 0x20,
                                       0x00, 0x40, 0x01, 0x01, 0x11, 0x00});
    const PictureHeaderSize size = pictureHeaderSize(picture);
    ASSERT_TRUE(size.known);
    EXPECT_EQ(64u, size.width);
    EXPECT_EQ(32u, size.height);
}

TEST(PictureHeader, Gif) {
    const std::string gif = std::string("GIF89a") + bytes({0x20, 0x4E, 0x20, 0x4E, 0x00});
    EXPECT_EQ(20000u, pictureHeaderSize(gif).width);
    EXPECT_TRUE(pictureTooLarge(gif));
    EXPECT_FALSE(pictureTooLarge(std::string("GIF87a") + bytes({16, 0, 16, 0})));
}

TEST(PictureHeader, BmpInfoAndCoreHeadersAndTopDownRows) {
    std::string info = "BM" + std::string(12, '\0') + bytes({40, 0, 0, 0, 0x20, 0x4E, 0, 0, 0x10, 0, 0, 0});
    EXPECT_EQ(20000u, pictureHeaderSize(info).width);
    EXPECT_TRUE(pictureTooLarge(info));
    // Height -16: a top-down bitmap of 16 rows.
    std::string topDown = "BM" + std::string(12, '\0') + bytes({40, 0, 0, 0, 16, 0, 0, 0, 0xF0, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(16u, pictureHeaderSize(topDown).height);
    EXPECT_FALSE(pictureTooLarge(topDown));
    // Height INT_MIN has no positive counterpart: refused, not overflowed.
    std::string lowest = "BM" + std::string(12, '\0') + bytes({40, 0, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0x80});
    EXPECT_TRUE(pictureTooLarge(lowest));
    std::string core = "BM" + std::string(12, '\0') + bytes({12, 0, 0, 0, 32, 0, 24, 0});
    EXPECT_EQ(32u, pictureHeaderSize(core).width);
    EXPECT_EQ(24u, pictureHeaderSize(core).height);
}

TEST(PictureHeader, Png) {
    std::string png =
        std::string("\x89PNG\r\n\x1a\n", 8) + bytes({0, 0, 0, 13}) + "IHDR" + bytes({0, 0, 0x4E, 0x20, 0, 0, 0, 1});
    EXPECT_EQ(20000u, pictureHeaderSize(png).width);
    EXPECT_TRUE(pictureTooLarge(png));
}

}  // namespace
}  // namespace trm
