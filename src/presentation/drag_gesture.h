// Tells a drag of a menu item from a click on it: the primary button is
// pressed on a file or folder item, then the pointer moves, the button still
// held, further than the system's drag distance.
#pragma once

#include <string>

namespace trm {

struct FolderNode;
struct MenuEntry;

// What a press landed on, as the menu and the model tell it.
struct PressedItem {
    bool separator = false;
    bool disabled = false;
    const FolderNode* subFolder = nullptr;  // the folder a sub-menu item shows
    const MenuEntry* entry = nullptr;       // the entry of any other item
};

// What a press on the item would drag: a file's own path (a shortcut's is
// its .lnk file), a sub-folder's path, or the shortcut shown as that
// sub-folder; empty for titles, separators, disabled items, Explore and Open
// all.
std::string draggedPath(const PressedItem& item);

// SM_CXDRAG and SM_CYDRAG: how far the pointer may move on either side of
// the press before it drags.
struct DragDistance {
    int x = 0;
    int y = 0;
};

class DragGesture {
public:
    // A primary press at (x, y) on an item that drags or not; it replaces
    // any earlier press.
    void press(bool draggable, int x, int y);
    // A move to (x, y): true, once per press, when it starts the drag. A move
    // without the button forgets the press.
    bool move(int x, int y, bool buttonHeld, DragDistance distance);
    // The button came up before the drag started.
    void release() { armed = false; }

private:
    bool armed = false;
    int pressX = 0;
    int pressY = 0;
};

}  // namespace trm
