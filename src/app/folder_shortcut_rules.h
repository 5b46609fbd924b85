// The names and messages of -makeshortcut, apart from the shell that
// writes the shortcut. Texts are UTF-8.
#pragma once

#include <string>

namespace trm {

// A shortcut's file name (without ".lnk") from the folder's shown name: the
// characters no file name may hold become "_" (a drive shows as
// "Local Disk (C:)"), and a name left empty or all dots becomes "Folder".
std::string shortcutStem(const std::string& shownName);

// "stem.lnk" for number 1, then "stem (2).lnk", "stem (3).lnk"...: the
// names tried until one is free or one of ours for the same folder.
std::string numberedShortcutName(const std::string& stem, int number);

// The stem of a shortcut file named on the command line: its ".lnk" (any
// case) removed; any other ending is part of the stem.
std::string stemOfShortcutName(const std::string& fileName);

// What the one message box says.
std::string shortcutMadeMessage(const std::string& folder, const std::string& shortcut, bool onDesktop);
std::string noSuchFolderMessage(const std::string& folder);
std::string noPlaceForShortcutMessage(const std::string& place);
std::string shortcutNotWrittenMessage(const std::string& shortcut);

}  // namespace trm
