// -makeshortcut on Windows: a shortcut that starts this program on the
// folder with the same options, under the folder's own taskbar identity;
// then one message box saying where it went, or why none was made.
#pragma once

#include <string>

#include "common/settings.h"

namespace trm {

struct ShortcutRequest {
    std::wstring folder;        // in full (taskbar_identity.h)
    StringList options;         // what the shortcut carries after the folder
    StringList missingFolders;  // folders named on the command line that are not there
    std::string place;          // -makeshortcut's PATH; empty for the desktop
    std::wstring startedIn;     // the directory PATH is relative to
    std::string appUserModelId;
};

// Writes nothing unless every piece is there. Needs COM.
void makeFolderShortcut(const ShortcutRequest& request);

}  // namespace trm
