// The size a picture's header claims, read before the picture is decoded:
// the 20,000 x 20,000-pixel JPEG header the soak found (title pictures that
// took the menu minutes to paint) is refused, real pictures pass, and a
// header cut short or unknown is left to the loader.
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

// A JPEG start, an APP0 segment, a quantisation table and a frame header.
std::string jpeg(int width, int height, int frameMarker = 0xC0) {
    return bytes({0xFF,       0xD8,         0xFF, 0xE0, 0x00, 0x06,        'J',  'F',  'I',  'F',         0xFF,
                  0xDB,       0x00,         0x03, 0x00, 0xFF, frameMarker, 0x00, 0x0B, 0x08, height >> 8, height & 0xFF,
                  width >> 8, width & 0xFF, 0x01, 0x01, 0x11, 0x00,        0xFF, 0xDA, 0x00, 0x02});
}
std::string bmp(std::initializer_list<int> header) {
    return "BM" + std::string(12, '\0') + bytes(header);
}

TEST(PictureHeader, SizesOfEachFormatAndWhatIsRefused) {
    struct Case {
        const char* name;
        std::string file;
        bool known;
        unsigned width, height;
        bool tooLarge;
    };
    const Case cases[] = {
        {"jpeg", jpeg(640, 480), true, 640, 480, false},
        {"jpeg 24 MP", jpeg(6000, 4000), true, 6000, 4000, false},
        {"the soak's jpeg", jpeg(20000, 20000), true, 20000, 20000, true},
        {"progressive", jpeg(20000, 20000, 0xC2), true, 20000, 20000, true},
        {"one side too long", jpeg(8193, 10), true, 8193, 10, true},
        {"64 MP", jpeg(8000, 8000), true, 8000, 8000, true},
        {"no width", jpeg(0, 100), true, 0, 100, true},
        {"fill bytes, restart marker",
         bytes({0xFF, 0xD8, 0xFF, 0xFF, 0xFF, 0xD0, 0xFF, 0xC1, 0x00, 0x0B, 0x08, 0x00, 0x20, 0x00, 0x40, 0x01}), true,
         64, 32, false},
        {"segment past the end", bytes({0xFF, 0xD8, 0xFF, 0xE0, 0xFF, 0xFF, 0x00}), false, 0, 0, false},
        {"segment too short", bytes({0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x01, 0xFF, 0xC0}), false, 0, 0, false},
        {"no marker", bytes({0xFF, 0xD8, 0x12, 0x34, 0x00, 0x01}), false, 0, 0, false},
        {"gif", "GIF89a" + bytes({0x20, 0x4E, 0x20, 0x4E, 0x00}), true, 20000, 20000, true},
        {"small gif", "GIF87a" + bytes({16, 0, 16, 0}), true, 16, 16, false},
        {"bmp", bmp({40, 0, 0, 0, 0x20, 0x4E, 0, 0, 0x10, 0, 0, 0}), true, 20000, 16, true},
        {"top-down bmp", bmp({40, 0, 0, 0, 16, 0, 0, 0, 0xF0, 0xFF, 0xFF, 0xFF}), true, 16, 16, false},
        // INT_MIN rows have no positive counterpart: refused, not overflowed.
        {"bmp of INT_MIN rows", bmp({40, 0, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0x80}), true, 16, 0x80000000u, true},
        {"core bmp", bmp({12, 0, 0, 0, 32, 0, 24, 0}), true, 32, 24, false},
        {"png",
         std::string("\x89PNG\r\n\x1a\n", 8) + bytes({0, 0, 0, 13}) + "IHDR" + bytes({0, 0, 0x4E, 0x20, 0, 0, 0, 1}),
         true, 20000, 1, true},
        {"text", "not a picture at all", false, 0, 0, false},
    };
    for (const Case& c : cases) {
        const PictureHeaderSize size = pictureHeaderSize(c.file);
        EXPECT_EQ(size.known, c.known) << c.name;
        if (c.known) {
            EXPECT_EQ(size.width, c.width) << c.name;
            EXPECT_EQ(size.height, c.height) << c.name;
        }
        EXPECT_EQ(pictureTooLarge(c.file), c.tooLarge) << c.name;
    }
    const std::string huge = jpeg(20000, 20000);
    for (size_t length = 0; length < 22; ++length)
        EXPECT_FALSE(pictureHeaderSize(huge.substr(0, length)).known) << "cut to " << length;
}

}  // namespace
}  // namespace trm
