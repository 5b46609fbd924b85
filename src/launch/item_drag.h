// Dragging a file or folder out of the launcher: the shell's own data object
// for the item, so that targets get what they get from Explorer and choose,
// with the modifier keys, to copy, move or link.
#pragma once

#include <windows.h>

#include <string>

namespace trm {

// Drags the item at `path` (a shortcut's .lnk file itself) while `button`
// (MK_LBUTTON or MK_RBUTTON) is held: released over a target it drops there,
// Escape cancels. Runs the system's drag loop on this thread, which must
// have OLE (the run's ComApartment); without it nothing is dragged. True
// when the item was dropped. Nothing is deleted here: a move is carried out
// by its target, as the shell's targets do.
bool dragItem(HWND owner, const std::string& path, DWORD button);

}  // namespace trm
