#include "menus/menu_system_metrics.h"

#include <windows.h>

namespace trm {

const MenuSystemSizes& menuSystemSizes() {
    static const MenuSystemSizes sizes{::GetSystemMetrics(SM_CXMENUCHECK), ::GetSystemMetrics(SM_CYMENUCHECK),
                                       ::GetSystemMetrics(SM_CYMENU)};
    return sizes;
}

}  // namespace trm
