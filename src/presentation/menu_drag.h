// Dragging an item out of the tracked menus: the menu loop's presses and
// moves, seen by the message-filter hook, start the drag; the menus then end
// and the popup run drags the item.
#pragma once

#include <windows.h>

namespace trm {

struct TrackingState;

// Looks at one message of the menu loop. True when it started the drag: the
// menus are ending, and the message is not the menu's.
bool menuDragMessage(TrackingState& state, const MSG& message);

}  // namespace trm
