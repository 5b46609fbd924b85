// Translucent menu windows (transparent): the system's layered windows,
// looked up at run time, as systems before Windows 2000 have none.
#pragma once

#include <windows.h>

#include "common/settings.h"
#include "presentation/open_menu_window.h"

namespace trm {

// Makes the window as translucent as the settings ask; nothing where the
// system cannot.
void makeTranslucent(const OpenMenuWindow& open, const Settings& settings);

}  // namespace trm
