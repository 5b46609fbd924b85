// What the mouse hook adds to the tracked menus: the thumbnail's hover
// timer, the title strip as a button that opens its folder, a double click
// that opens a sub-folder, and the shell's context menu on an entry.
#pragma once

#include <windows.h>

namespace trm {

struct TrackingState;

// Acts on one mouse message the hook has seen being taken from the queue,
// with the pointer's screen position at that message. The message itself
// always goes on to the menu.
void menuMouseMessage(TrackingState& state, UINT message, POINT pointer);

}  // namespace trm
