#include "menus/menu_system_metrics.h"

#include <windows.h>

#include "common/display_dpi.h"

namespace trm {

MenuSystemSizes menuSystemSizesAt(int dpi) {
    return {systemMetricForDpi(SM_CXMENUCHECK, dpi), systemMetricForDpi(SM_CYMENUCHECK, dpi),
            systemMetricForDpi(SM_CYMENU, dpi)};
}

const MenuSystemSizes& menuSystemSizes() {
    static const MenuSystemSizes sizes = menuSystemSizesAt(displayDpi());
    return sizes;
}

}  // namespace trm
