#include "menus/picture_path.h"

#include <gtest/gtest.h>

namespace {

TEST(PicturePath, TheLastDotChoosesTheRouteAndSplitsThePath) {
    const struct {
        const char* path;
        bool loadable;
        bool decodable;
        const char* directory;
        const char* fileName;
    } cases[] = {
        {"C:\\Photos\\photo.JPG", true, true, "C:\\Photos\\", "photo.JPG"},
        {"C:\\Photos\\scan.jpeg", true, true, "C:\\Photos\\", "scan.jpeg"},
        {"C:\\a\\b.gif", true, true, "C:\\a\\", "b.gif"},
        {"C:\\a\\b.Bmp", true, true, "C:\\a\\", "b.Bmp"},
        {"C:\\a\\b.ico", true, true, "C:\\a\\", "b.ico"},
        {"C:\\a\\b.jpgz", true, true, "C:\\a\\", "b.jpgz"},  // four characters compared
        {"C:\\a\\b.jpe", true, false, "C:\\a\\", "b.jpe"},
        {"C:\\a\\notes.txt", true, false, "C:\\a\\", "notes.txt"},
        {"photo.jpg", true, true, "", "photo.jpg"},
        {"C:\\My.Pictures\\readme", true, false, "C:\\", "My.Pictures\\readme"},
        {"C:\\Data", false, false, "", ""},
    };
    for (const auto& c : cases) {
        const trm::PicturePath split = trm::splitPicturePath(c.path);
        EXPECT_EQ(split.loadable, c.loadable) << c.path;
        EXPECT_EQ(split.decodable, c.decodable) << c.path;
        EXPECT_EQ(split.directory, c.directory) << c.path;
        EXPECT_EQ(split.fileName, c.fileName) << c.path;
    }
}

TEST(PicturePath, ThumbnailsAreAskedForAtTheTooltipSize) {
    EXPECT_EQ(trm::thumbnailRequestSize(320, 240, trm::MenuLengths{}).width, 320);
    EXPECT_EQ(trm::thumbnailRequestSize(0, 90, trm::MenuLengths{}).height, 90);
    EXPECT_EQ(trm::thumbnailRequestSize(0, 0, trm::MenuLengths{}).width, 160);
    EXPECT_EQ(trm::thumbnailRequestSize(0, 0, trm::MenuLengths{}).height, 120);
}

}  // namespace
