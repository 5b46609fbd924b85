// The picture loader on files written here: each picture type decodes at
// its own size, everything else fails quietly.
#include "menus/picture.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "fixture_folder.h"
#include "picture_files.h"

namespace {

class PictureTest : public ::testing::Test {
protected:
    PictureTest() : tree("pictures") { ::CoInitialize(nullptr); }
    ~PictureTest() override { ::CoUninitialize(); }

    trm::Picture load(const std::string& name) {
        trm::Picture loaded;
        trm::loadPicture(settings, tree.at(name), 96, loaded);
        return loaded;
    }

    wintest::FixtureFolder tree;
    trm::Settings settings;
};

TEST_F(PictureTest, EveryPictureTypeDecodesAtItsPixelSize) {
    const struct {
        const char* name;
        std::string bytes;
        LONG width;
        LONG height;
    } files[] = {
        {"photo.JPG", wintest::jpegFile(), 40, 30},  // the type test ignores case
        {"anim.gif", wintest::gifFile(), 24, 16},
        {"plain.bmp", wintest::bmpFile(20, 10, RGB(1, 2, 3)), 20, 10},
        {"small.ico", wintest::icoFile(24, RGB(4, 5, 6)), 24, 24},
    };
    for (const auto& file : files) {
        tree.file(file.name, file.bytes);
        const trm::Picture loaded = load(file.name);
        ASSERT_TRUE(loaded.picture) << file.name;
        EXPECT_FALSE(loaded.thumbnail) << file.name;
        const SIZE size = trm::pixelSize(loaded.picture.get());
        EXPECT_EQ(size.cx, file.width) << file.name;
        EXPECT_EQ(size.cy, file.height) << file.name;
    }
}

TEST_F(PictureTest, WhatDoesNotDecodeFailsQuietly) {
    tree.file("corrupt.jpg", "this is no picture at all");
    tree.file("notes.txt", "some text");
    tree.file("empty.gif", "");
    for (const char* name : {"corrupt.jpg", "notes.txt", "empty.gif", "missing.bmp"}) {
        const trm::Picture loaded = load(name);
        EXPECT_FALSE(loaded.picture) << name;
        // Only the shell's thumbnail may stand in, and only as a real bitmap.
        BITMAP facts{};
        if (loaded.thumbnail) {
            EXPECT_NE(::GetObjectA(loaded.thumbnail.get(), sizeof facts, &facts), 0) << name;
        }
    }
}

TEST_F(PictureTest, APathWithoutADotLoadsNothing) {
    tree.folder("Pictures");
    tree.file("Picture", wintest::bmpFile(20, 10, RGB(1, 2, 3)));  // a picture inside, but no extension
    EXPECT_TRUE(load("Pictures").empty());
    EXPECT_TRUE(load("Picture").empty());
    EXPECT_EQ(trm::pixelSize(nullptr).cx, 0);
}

}  // namespace
