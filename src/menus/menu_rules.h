// The builder's decisions that need no menus: title texts, the keys by
// which the separator and column-break lists name items, and which entries
// Open all opens.
#pragma once

#include <string>
#include <vector>

#include "common/settings.h"

namespace trm {

struct FolderNode;
struct MenuEntry;

// The folder's last path component; a drive root ("C:\") is kept whole and a
// trailing backslash after the last component stays.
std::string titleTextOf(const std::string& path);

// The title text of a folder before the volume-label lookup: foldertitle
// pairs override the path-derived text, and the display-name rules apply.
// `volumeLabel`, when given, replaces the path-derived text first.
std::string folderTitle(const std::string& path, const std::string* volumeLabel, const Settings& settings);

// True when titles should be named after the volume: the option is on and
// the path-derived title names a drive.
bool wantsVolumeLabel(const std::string& title, const Settings& settings);

// The part of path after its last backslash, but only when the path has a
// dot with a backslash somewhere before it; otherwise empty.
std::string entryFileName(const std::string& path);

// The text an item shows: the name itself, or none under display 1 and 2
// (icons only). Items borrow it, so it is the name, not a copy.
const std::string& itemTextFor(const std::string& name, const Settings& settings);

// Whether any string of `list` equals one of the item's keys, ignoring case.
bool nameListMatches(const StringList& list, const FolderNode& folder);
bool nameListMatches(const StringList& list, const MenuEntry& entry, const Settings& settings);

// Whether the Open-all entry opens `entry`: plain entries only, and with an
// extension list only those whose extension is listed.
bool openAllIncludes(const MenuEntry& entry, const Settings& settings);

}  // namespace trm
