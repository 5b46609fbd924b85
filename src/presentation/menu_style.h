// What the menus shown at one DPI are measured and painted with: the fonts,
// the launcher's lengths, the system's sizes at that DPI, the run's palette
// and the DC labels are measured on.
#pragma once

#include <windows.h>

#include "common/gdi_handles.h"
#include "common/menu_lengths.h"
#include "menus/menu_system_metrics.h"
#include "presentation/palette.h"

namespace trm {

class MenuStyle {
public:
    // The fonts come from the non-client metrics for `dpi` as they are now;
    // later changes of the system settings are not followed.
    MenuStyle(int dpi, const Palette& palette);
    MenuStyle(const MenuStyle&) = delete;
    MenuStyle& operator=(const MenuStyle&) = delete;

    const int dpi;
    const MenuLengths lengths;
    const MenuSystemSizes sizes;
    const Palette& palette;  // the run's, the same at every DPI
    FontHandle menuFont;
    FontHandle titleFont;
    FontHandle verticalTitleFont;  // Arial at the status font's height, running upwards
    // Where labels are measured: the screen's metrics, kept with the style.
    MemoryDC measuringDC{nullptr};
};

}  // namespace trm
