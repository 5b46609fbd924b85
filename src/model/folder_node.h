// One folder shown as a menu or sub-menu: its entries and its sub-folders,
// each group in display order. Sub-folders found by a scan stay unread (no
// entries, no sub-folders) until their sub-menu first opens.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/entry_list.h"
#include "model/file_time.h"
#include "model/menu_entry.h"

namespace trm {

struct Settings;
class CommandIds;
class OwnerDrawMenu;

struct FolderNode {
    // Every node of a run shares the run's settings and identifier source.
    FolderNode(const Settings& governing, CommandIds& ids) : settings(governing), ids(ids) {}
    FolderNode(const FolderNode&) = delete;
    FolderNode& operator=(const FolderNode&) = delete;

    const Settings& settings;
    CommandIds& ids;
    // The folder's menu, made by the builder and owned by the run's menus.
    OwnerDrawMenu* menu = nullptr;
    std::string path;
    // The shortcut shown as this sub-folder, if it is one: dragged in its place.
    std::string linkPath;
    // Point into `entries`: the command entries the builder places outside the
    // normal order, and the folder's title picture.
    MenuEntry* exploreEntry = nullptr;
    MenuEntry* openAllEntry = nullptr;
    MenuEntry* titleImageEntry = nullptr;
    std::string name;
    EntryList entries;
    // Grows only through insertSubfolder, so it is always in folder order.
    std::vector<std::unique_ptr<FolderNode>> subfolders;
    FileTime created;
    FileTime accessed;
};

// Inserts `child` among the parent's sub-folders in folder order and returns
// it. With `onlyonemenu` nothing is kept: the child is discarded and the
// result is null.
FolderNode* addSubfolder(FolderNode& parent, std::unique_ptr<FolderNode> child);

// The same, whatever `onlyonemenu` says (a shortcut's folder is a sub-menu
// even in the one menu).
FolderNode* insertSubfolder(FolderNode& parent, std::unique_ptr<FolderNode> child);

}  // namespace trm
