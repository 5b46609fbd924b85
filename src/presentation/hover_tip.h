// The thumbnail of the entry under the pointer: shown once the pointer has
// rested on it for the system's hover time, hidden when it moves on.
#pragma once

#include <windows.h>

namespace trm {

struct HookApp;
struct HoverState;
struct MenuEntry;
struct OpenMenuWindow;
class ThumbnailTip;

const UINT_PTR hoverTimerId = 9283;

// The entry now under the pointer: its thumbnail shows once the system's
// hover time has passed, unless another entry has been hovered meanwhile.
// The timer runs on the menu window that shows the entry.
void startHoverTimer(HoverState& state, ThumbnailTip& tip, HWND menuWindow, MenuEntry& entry);
// Nothing with a thumbnail is under the pointer: the tip goes and a pending
// hover timer is stopped.
void cancelHover(HoverState& state, ThumbnailTip& tip);
// A timer fired on the open window: if it is the hover timer, loads the
// entry's picture, sized for the window's DPI, and shows it beside the pointer.
void hoverTimerFired(HoverState& state, const OpenMenuWindow& open, const HookApp& app);

}  // namespace trm
