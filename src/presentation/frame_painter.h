// The frames drawn around the menu windows in the style the options ask
// for, in the system's colours.
#pragma once

#include <windows.h>

#include "common/settings.h"

namespace trm {

// Draws the frame into a DC of the whole window (width x height); false when
// the system's own frame is wanted.
bool paintMenuFrame(HDC dc, int width, int height, const Settings& settings);

// The same over the whole of `window`.
bool paintWindowFrame(HWND window, const Settings& settings);

// An outline `width` pixels wide along the inside of `area`.
void paintOutline(HDC dc, const RECT& area, int width, COLORREF colour);

}  // namespace trm
