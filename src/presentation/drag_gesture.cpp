#include "presentation/drag_gesture.h"

#include <cstdlib>

#include "model/folder_node.h"
#include "model/menu_entry.h"

namespace trm {

std::string draggedPath(const PressedItem& item) {
    if (item.separator || item.disabled) return std::string();
    if (item.subFolder) return item.subFolder->linkPath.empty() ? item.subFolder->path : item.subFolder->linkPath;
    // Explore and Open all stand for no file of their own.
    if (item.entry == nullptr || item.entry->command != nullptr) return std::string();
    return item.entry->path;
}

void DragGesture::press(bool draggable, int x, int y) {
    armed = draggable;
    pressX = x;
    pressY = y;
}

bool DragGesture::move(int x, int y, bool buttonHeld, DragDistance distance) {
    if (!armed) return false;
    if (!buttonHeld) {
        armed = false;
        return false;
    }
    if (std::abs(x - pressX) <= distance.x && std::abs(y - pressY) <= distance.y) return false;
    armed = false;
    return true;
}

}  // namespace trm
