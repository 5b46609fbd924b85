#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "common/settings.h"
#include "model/folder_node.h"

namespace {

int releases = 0;
void countRelease(void* handle) {
    ++releases;
    ++*static_cast<int*>(handle);
}

TEST(EntryPicture, ReleasedOnceByWhoeverHoldsItLast) {
    releases = 0;
    int picture = 0;
    int bitmap = 0;
    {
        trm::Settings settings;
        trm::FolderNode node(settings);
        trm::MenuEntry made;
        made.loadedPicture = std::make_unique<trm::EntryPicture>();
        made.loadedPicture->picture.reset(&picture, countRelease);
        trm::MenuEntry& held = node.entries.push_back(std::move(made));
        EXPECT_FALSE(made.loadedPicture);
        held.loadedPicture->bitmap.reset(&bitmap, countRelease);
        EXPECT_EQ(releases, 0);
    }
    EXPECT_EQ(picture, 1);
    EXPECT_EQ(bitmap, 1);

    trm::EntryPicture loaded;
    loaded.picture.reset(&picture, countRelease);
    loaded.picture.reset();
    loaded.picture.reset();  // already released: nothing more
    EXPECT_EQ(picture, 2);
    loaded.bitmap.reset(&bitmap, countRelease);
    EXPECT_EQ(loaded.bitmap.release(), &bitmap);  // the caller releases it itself
    EXPECT_EQ(releases, 3);
}

}  // namespace
