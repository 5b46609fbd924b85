// Opens one item through the shell's default action and reports the shell's
// failure in the launcher's message box.
#pragma once

#include <windows.h>

#include <string>

namespace trm {

// True when the shell opened the item; false when it failed (its message then
// shown) or the item was refused because another path is pending.
bool launchItem(HWND owner, const std::string& path, const std::string& pendingOpenPath, bool underWine);

// True when this process runs under Wine (its ntdll exports wine_get_version).
bool runningUnderWine();

}  // namespace trm
