// Turns the folder model into a cascade of owner-drawn popup menus, maps a
// chosen command back to its entry and runs it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "common/settings.h"
#include "menus/menu_item_data.h"
#include "model/folder_node.h"
#include "model/icon_cache.h"

namespace trm {

class OwnerDrawMenu;

// The shell's standard folder icons, lent to the builder by their owner.
struct StandardFolderIcons {
    HICON closed = nullptr;
    HICON open = nullptr;
    int width = 0;  // measured from the closed icon
    int height = 0;
};

class MenuBuilder {
public:
    using OpenItem = std::function<bool(const std::string& path)>;
    // Loads the folder's own icon into the cache (iconsforfolders).
    using FetchFolderIcon = std::function<void(const std::string& path)>;
    // Loads the standard closed folder icon, and the open one when asked,
    // if they are not loaded yet.
    using NeedFolderIcons = std::function<void(bool withOpen)>;

    MenuBuilder(const Settings& settings, ItemDataList& records, const IconCache& icons,
                const StandardFolderIcons& folderIcons);

    FetchFolderIcon fetchFolderIcon;
    NeedFolderIcons needFolderIcons;

    // Creates, titles and fills the folder's menu and those of all folders below it.
    void buildMenu(FolderNode& folder);
    // Appends the folder's items to its menu; an empty folder gets the placeholder.
    void fillMenu(FolderNode& folder);
    // Finds the entry with commandId in the tree and opens it (Explore and
    // Open all included); false when no entry has that identifier.
    bool runCommand(FolderNode& folder, int commandId, const OpenItem& open) const;

private:
    void addTitle(FolderNode& folder, OwnerDrawMenu& menu);
    void addSubFolderItems(FolderNode& folder);
    void addFilesFoldersSeparator(FolderNode& folder);
    void loadTitlePicture(MenuEntry& entry) const;
    int addEntryItem(MenuEntry& entry, int position, OwnerDrawMenu& menu, bool titlePicture = false);
    void appendSeparator(OwnerDrawMenu& menu);
    void appendColumnBreak(OwnerDrawMenu& menu);
    // Separator first, then column break; the number of items appended.
    int appendMarksBefore(OwnerDrawMenu& menu, bool separator, bool columnBreak);
    // Column break first, then separator; the number of items appended.
    int appendMarksAfter(OwnerDrawMenu& menu, bool columnBreak, bool separator);
    static void setIcons(OwnerDrawMenu& menu, int position, const IconRecord& record);
    // The standard folder icons, loaded at the first item that shows one.
    const StandardFolderIcons& standardFolderIcons(bool withOpen) const;

    const Settings& settings;
    ItemDataList& records;
    const IconCache& icons;
    const StandardFolderIcons& folderIcons;
};

// The folder (this one or one below it) whose menu has the native handle:
// sub-folders first, depth first, the folder itself last.
FolderNode* findFolderByMenu(FolderNode& folder, HMENU menuHandle);

}  // namespace trm
