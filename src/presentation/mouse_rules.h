// Which role a mouse message plays on the menus, whatever the button layout.
#pragma once

namespace trm {

// The mouse messages the menu hook looks at, named after their button.
enum class MouseMessage { move, leftUp, leftDoubleClick, rightUp, rightDoubleClick, other };

enum class MouseRole {
    move,                // hover: thumbnails and the lit title
    primaryUp,           // a click on a title opens its folder
    primaryDoubleClick,  // a double click on a sub-folder's item opens that folder
    secondaryUp,         // the shell's context menu for the entry
    none,
};

// Whether the launcher must swap the buttons itself. Windows swaps them
// before any program sees them (hooks included), so there the left-button
// messages are always the primary ones. Wine hands programs the buttons as
// pressed, whatever the setting: there the launcher swaps them as Windows
// would.
bool launcherSwapsButtons(bool underWine, bool systemSwapped);

// With `swap` the right button's messages are the primary ones and the left
// button's up the secondary one.
MouseRole mouseRoleOf(MouseMessage message, bool swap);

}  // namespace trm
