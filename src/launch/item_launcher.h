// Opens one item through the shell's default action and reports the shell's
// failure in the launcher's message box.
#pragma once

#include <windows.h>

#include <string>

namespace trm {

// True when the shell opened the item; false when it failed (its message then
// shown) or the item was refused because another path is pending.
bool launchItem(HWND owner, const std::string& path, const std::string& pendingOpenPath, bool underWine);

// Shows the launcher's message for a shell error code (SE_ERR_*), if it has
// one, in the launcher's message box.
void showLauncherMessage(int code) noexcept;

// True when this process runs under Wine (its ntdll exports wine_get_version).
bool runningUnderWine();

}  // namespace trm
