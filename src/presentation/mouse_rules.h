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

// With swapped buttons the right button's messages are the primary ones and
// the left button's up the secondary one.
MouseRole mouseRoleOf(MouseMessage message, bool buttonsSwapped);

}  // namespace trm
