#include "presentation/drag_gesture.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/command_ids.h"
#include "common/settings.h"
#include "model/folder_node.h"

namespace {

TEST(DraggedPath, FilesFoldersAndShortcutsDragTheRestDoNot) {
    trm::Settings settings;
    trm::CommandIds ids;
    trm::FolderNode sub(settings, ids);
    sub.path = "C:\\Stuff\\Sub";
    trm::FolderNode linked(settings, ids);
    linked.path = "D:\\Work";
    linked.linkPath = "C:\\Stuff\\Work.lnk";
    trm::MenuEntry file;
    file.path = "C:\\Stuff\\a.txt";
    trm::MenuEntry explore;
    explore.path = "C:\\Stuff";
    explore.command = trm::exploreMarker;
    trm::MenuEntry openAll;
    openAll.command = trm::openAllMarker;

    const struct {
        bool separator, disabled;
        const trm::FolderNode* subFolder;
        const trm::MenuEntry* entry;
        const char* dragged;
    } cases[] = {
        {false, false, nullptr, &file, "C:\\Stuff\\a.txt"},
        {false, false, &sub, nullptr, "C:\\Stuff\\Sub"},
        {false, false, &linked, nullptr, "C:\\Stuff\\Work.lnk"},  // a shortcut shown as its folder
        {false, false, nullptr, nullptr, ""},                     // a title: no entry
        {true, false, nullptr, nullptr, ""},
        {false, true, nullptr, &file, ""},  // disabled: an unavailable shortcut, a title picture
        {false, true, &sub, nullptr, ""},
        {false, false, nullptr, &explore, ""},
        {false, false, nullptr, &openAll, ""},
    };
    for (const auto& c : cases) {
        trm::PressedItem item;
        item.separator = c.separator;
        item.disabled = c.disabled;
        item.subFolder = c.subFolder;
        item.entry = c.entry;
        EXPECT_EQ(trm::draggedPath(item), c.dragged) << c.separator << c.disabled << (c.entry ? c.entry->path : "");
    }
}

// Pressed at (100, 100) with a drag distance of 4 by 3 pixels; each row a
// press and the moves after it, and which move starts the drag (-1: none).
TEST(DragGesture, StartsOnceWhenTheHeldButtonMovesPastTheDistance) {
    struct Move {
        int x, y;
        bool held;
    };
    const struct {
        bool draggable;
        std::vector<Move> moves;
        int starts;
    } cases[] = {
        {true, {{105, 100, true}}, 0},
        {true, {{100, 96, true}}, 0},
        {true, {{104, 103, true}, {96, 97, true}}, -1},  // to the edge on either side
        {true, {{102, 100, true}, {99, 104, true}, {120, 100, true}}, 1},
        {false, {{150, 150, true}}, -1},
        {true, {{102, 100, false}, {150, 100, true}}, -1},  // released outside the menus
        {true, {{110, 100, true}, {130, 100, true}}, 0},    // once
    };
    for (const auto& c : cases) {
        trm::DragGesture gesture;
        gesture.press(c.draggable, 100, 100);
        int started = -1;
        for (size_t i = 0; i < c.moves.size(); ++i)
            if (gesture.move(c.moves[i].x, c.moves[i].y, c.moves[i].held, {4, 3})) started = static_cast<int>(i);
        EXPECT_EQ(started, c.starts) << c.draggable << " " << c.moves.size();
    }
    trm::DragGesture released;
    released.press(true, 100, 100);
    released.release();
    EXPECT_FALSE(released.move(150, 100, true, {4, 3}));
    trm::DragGesture pressedAgain;
    pressedAgain.press(true, 100, 100);
    pressedAgain.press(false, 100, 100);  // on a title
    EXPECT_FALSE(pressedAgain.move(150, 100, true, {4, 3}));
}

}  // namespace
