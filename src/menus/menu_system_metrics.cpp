#include "menus/menu_system_metrics.h"

#include <windows.h>

#include "common/display_dpi.h"

namespace trm {

const MenuSystemSizes& menuSystemSizes() {
    const int dpi = displayDpi();
    static const MenuSystemSizes sizes{systemMetricForDpi(SM_CXMENUCHECK, dpi), systemMetricForDpi(SM_CYMENUCHECK, dpi),
                                       systemMetricForDpi(SM_CYMENU, dpi)};
    return sizes;
}

}  // namespace trm
