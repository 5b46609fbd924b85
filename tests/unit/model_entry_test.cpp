#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "common/command_ids.h"
#include "common/settings.h"
#include "model/folder_node.h"
#include "model/node_pool.h"

namespace {

int releases = 0;
void countRelease(void* handle) {
    ++releases;
    ++*static_cast<int*>(handle);
}

TEST(EntryPicture, ReleasedOnceByWhoeverHoldsItLast) {
    releases = 0;
    int picture = 0;
    {
        trm::Settings settings;
        trm::CommandIds ids;
        trm::FolderNode node(settings, ids);
        trm::MenuEntry made;
        made.loadedPicture = std::make_unique<trm::EntryPicture>();
        made.loadedPicture->picture.reset(&picture, countRelease);
        trm::MenuEntry& held = node.entries.push_back(std::move(made));
        EXPECT_FALSE(made.loadedPicture);
        EXPECT_EQ(held.loadedPicture->picture.get(), &picture);
        EXPECT_EQ(releases, 0);
    }
    EXPECT_EQ(picture, 1);

    trm::EntryPicture loaded;
    loaded.picture.reset(&picture, countRelease);
    loaded.picture.reset();
    loaded.picture.reset();  // already released: nothing more
    EXPECT_EQ(picture, 2);
    loaded.picture.reset(&picture, countRelease);
    EXPECT_EQ(loaded.picture.release(), &picture);  // the caller releases it itself
    EXPECT_EQ(releases, 2);
}

TEST(NodePool, ReusesFreedBlocksAndServesOneSizeOnly) {
    trm::NodePool pool;
    std::vector<void*> taken;
    for (int i = 0; i < 100; ++i) taken.push_back(pool.take(40, 8));  // several chunks
    for (void* block : taken) ASSERT_NE(block, nullptr);
    std::sort(taken.begin(), taken.end());
    for (size_t i = 1; i < taken.size(); ++i)
        EXPECT_GE(static_cast<char*>(taken[i]) - static_cast<char*>(taken[i - 1]), 40);  // no overlap
    pool.give(taken[7]);
    EXPECT_EQ(pool.take(40, 8), taken[7]);
    EXPECT_EQ(pool.take(48, 8), nullptr);  // another size goes to the heap
    EXPECT_TRUE(pool.serves(40, 8));
    EXPECT_FALSE(pool.serves(48, 8));
}

}  // namespace
