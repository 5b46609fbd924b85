#include "app/shell_windows.h"

#include "common/ascii.h"

namespace trm {

bool keepsProcessAlive(const TopWindowFacts& window) {
    return window.visible && !window.launchers && !equalsNoCase(window.className, "#32768") &&
           !equalsNoCase(window.className, "tooltips_class32");
}

}  // namespace trm
