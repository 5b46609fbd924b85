// The launcher's taskbar identity on Windows: the folder named as the
// system names it, and the process's explicit AppUserModel ID.
#pragma once

#include <string>

#include "common/settings.h"

namespace trm {

// The path in full as the system has it: relative parts resolved against
// the current directory, 8.3 names made long (where the path exists).
std::wstring fullLongPath(const std::wstring& path);

// The folder a run shows, in full: -startdirectory or the current directory.
std::wstring shownFolder(const Settings& settings);

// The ID of app_user_model_id.h for folder (in full) and options (the
// program's byte strings), with letters beyond A-Z folded by the system.
std::string folderAppUserModelId(const std::wstring& folder, const StringList& options);

// Gives the process the ID before it has any window, so that its windows
// (a message box, a Properties sheet) group under the button that started
// them. Looked up at run time: systems before Windows 7 have no such call.
// Left to the system when the shortcut that started the process carries id.
void setProcessAppUserModelId(const std::string& id);

}  // namespace trm
