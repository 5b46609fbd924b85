// How one menu was measured and is painted: the style it was measured in,
// the widths its items share, and what painting one item leaves for the
// next (a column break fills below the item drawn before it) and for the
// hover repaint of its title. Kept by the run's drawing, not by the menu.
#pragma once

#include <windows.h>

#include "menus/owner_draw_menu.h"
#include "presentation/menu_style.h"

namespace trm {

struct MenuLayout {
    const MenuStyle* style = nullptr;
    HMENU handle = nullptr;  // the native menu this was made for
    int measuredDpi = 0;     // the DPI its items were last measured at, 0 before
    // maxmenuwidth as measuring settled it (never narrower than an icon
    // and a little text), -1 for none; and the width labels are cut to.
    int maxWidth = -1;
    int clampedTextWidth = -1;
    RECT lastItemRect{};
    RECT titleRect{};  // the title strip as last painted
    bool titleHighlighted = false;

    // The icon column: the widest and tallest icon of `menu`, or the style's
    // check mark where that is larger. Icons may be set after the first
    // request, so it is worked out each time.
    int iconColumnWidth(const OwnerDrawMenu& menu) const;
    int iconColumnHeight(const OwnerDrawMenu& menu) const;
};

}  // namespace trm
