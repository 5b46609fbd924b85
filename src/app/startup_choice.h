// What startup does once the options are read: open an item directly or
// show the menu.
#pragma once

#include <string>

#include "common/settings.h"

namespace trm {

// The item to open without a menu, or empty when the menu is to be shown.
// With Shift held at start revshiftrun stands in for shiftrun.
inline const std::string& itemToOpenDirectly(const Settings& settings, bool shiftHeld) {
    return shiftHeld ? settings.revshiftrun : settings.shiftrun;
}

}  // namespace trm
