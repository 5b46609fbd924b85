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
// press and the steps after it (m a move with the button held, u one with
// it up, r the release, t a press on a title), and which step starts the
// drag (-1: none).
TEST(DragGesture, StartsOnceWhenTheHeldButtonMovesPastTheDistance) {
    struct Step {
        char kind;
        int x, y;
    };
    const struct {
        bool draggable;
        std::vector<Step> steps;
        int starts;
    } cases[] = {
        {true, {{'m', 105, 100}}, 0},
        {true, {{'m', 100, 96}}, 0},
        {true, {{'m', 104, 103}, {'m', 96, 97}}, -1},  // to the edge on either side
        {true, {{'m', 102, 100}, {'m', 99, 104}, {'m', 120, 100}}, 1},
        {false, {{'m', 150, 150}}, -1},
        {true, {{'u', 102, 100}, {'m', 150, 100}}, -1},  // released outside the menus
        {true, {{'m', 110, 100}, {'m', 130, 100}}, 0},   // once
        {true, {{'r', 0, 0}, {'m', 150, 100}}, -1},
        {true, {{'t', 100, 100}, {'m', 150, 100}}, -1},
    };
    for (const auto& c : cases) {
        trm::DragGesture gesture;
        gesture.press(c.draggable, 100, 100);
        int started = -1;
        for (size_t i = 0; i < c.steps.size(); ++i) {
            const Step& step = c.steps[i];
            if (step.kind == 'r') gesture.release();
            if (step.kind == 't') gesture.press(false, step.x, step.y);
            const bool moves = step.kind == 'm' || step.kind == 'u';
            if (moves && gesture.move(step.x, step.y, step.kind == 'm', {4, 3})) started = static_cast<int>(i);
        }
        EXPECT_EQ(started, c.starts) << c.draggable << " " << c.steps.size() << c.steps[0].kind;
    }
}

}  // namespace
