// The frames drawn around the menu windows in the style the options ask
// for, in the colours and at the DPI of the menu's style.
#pragma once

#include <windows.h>

#include "common/settings.h"
#include "presentation/menu_style.h"
#include "presentation/open_menu_window.h"

namespace trm {

// Draws the frame into a DC of the whole window (width x height); false when
// the system's own frame is wanted.
bool paintMenuFrame(HDC dc, int width, int height, const Settings& settings, const MenuStyle& style);

// The same over the whole of the open window.
bool paintWindowFrame(const OpenMenuWindow& open, const Settings& settings, const MenuStyle& style);

// An outline `width` pixels wide along the inside of `area`.
void paintOutline(HDC dc, const RECT& area, int width, COLORREF colour);

}  // namespace trm
