// The colours of everything the launcher paints, chosen once per run: the
// system's colours (the light theme, and always while high contrast is on)
// or the dark ones. The painter asks it for every colour it uses.
#pragma once

#include <windows.h>

#include "common/gdi_handles.h"
#include "presentation/paint_roles.h"

namespace trm {

class Palette {
public:
    // The system's colours.
    Palette() = default;
    explicit Palette(bool dark);

    COLORREF colour(PaintRole role) const;
    bool dark() const { return isDark; }
    // The menus' own background: for the parts the items do not cover. Null
    // where the system's background is right.
    HBRUSH menuBackground() const { return background.get(); }

    // The palette -theme asks for, with the system's app theme and its high
    // contrast setting read now.
    static Palette chosen(Theme theme, bool underWine);

private:
    bool isDark = false;
    BrushHandle background;
};

// Windows' own settings, read from the registry and the system.
bool systemAppsUseLightTheme();
bool systemHighContrast(bool underWine);

}  // namespace trm
