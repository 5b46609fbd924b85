// The menu styles of one run, one for each DPI a menu is shown at: each
// made when first needed and kept for the run, so that every menu measured
// at a DPI shares its fonts.
#pragma once

#include <memory>
#include <vector>

#include "presentation/menu_style.h"
#include "presentation/palette.h"

namespace trm {

class MenuStyles {
public:
    // The palette is the run's: the same colours at every DPI.
    explicit MenuStyles(Palette palette = Palette());
    MenuStyles(const MenuStyles&) = delete;
    MenuStyles& operator=(const MenuStyles&) = delete;

    MenuStyle& at(int dpi);
    // At the display's DPI, where the system-aware program shows every menu.
    MenuStyle& shown();

    const Palette& palette() const { return colours; }

private:
    Palette colours;
    // A run meets one DPI, or one per monitor: a search beats a map.
    std::vector<std::unique_ptr<MenuStyle>> made;
};

}  // namespace trm
