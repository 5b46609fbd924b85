// Turns the folder model into a cascade of owner-drawn popup menus, maps a
// chosen command back to its entry and runs it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "common/settings.h"
#include "menus/late_icons.h"
#include "menus/menu_item_data.h"
#include "model/folder_node.h"
#include "model/icon_service.h"

namespace trm {

class OwnerDrawMenu;
class RunMenus;
class ScanPlatform;

class MenuBuilder {
public:
    using OpenItem = std::function<bool(const std::string& path)>;

    // Menus go to `menus`; icons come from `icons`; identifiers from each
    // folder's source.
    MenuBuilder(const Settings& settings, ItemDataList& records, RunMenus& menus, IconService& icons);

    // Creates, titles and fills the folder's menu and those of all folders below it.
    void buildMenu(FolderNode& folder);
    // Appends the folder's items to its menu; an empty folder gets the placeholder.
    void fillMenu(FolderNode& folder);
    // A sub-menu about to open: when it holds the placeholder, its folder is
    // read through `platform` and the menu filled; a folder with nothing to
    // show (or one that cannot be entered) gets one entry that opens the
    // folder itself. Menus of others, and filled ones, are left alone.
    void fillOpeningMenu(HMENU popup, ScanPlatform& platform);
    // Finds the entry with commandId in the tree and opens it (Explore and
    // Open all included); false when no entry has that identifier.
    bool runCommand(FolderNode& folder, int commandId, const OpenItem& open) const;
    // Icons are fetched at the size of `dpi` from here on; the menu of
    // `popup`, when its items have icons of another size, gets icons of this
    // one (those still to come as they come).
    void iconsAt(int dpi, HMENU popup);
    // The items shown before their icons came.
    LateIcons& lateIcons() { return late; }

private:
    void fillOnOpening(FolderNode* folder, HMENU popup, ScanPlatform& platform);
    void addTitle(FolderNode& folder, OwnerDrawMenu& menu);
    void addSubFolderItems(FolderNode& folder);
    void addFilesFoldersSeparator(FolderNode& folder);
    void loadTitlePicture(MenuEntry& entry) const;
    int addEntryItem(FolderNode& folder, MenuEntry& entry, int position, bool titlePicture = false);
    void appendSeparator(FolderNode& folder);
    void appendColumnBreak(FolderNode& folder);
    // Separator first, then column break; the number of items appended.
    int appendMarksBefore(FolderNode& folder, bool separator, bool columnBreak);
    // Column break first, then separator; the number of items appended.
    int appendMarksAfter(FolderNode& folder, bool columnBreak, bool separator);
    static void setIcons(OwnerDrawMenu& menu, int position, const IconRecord& record);
    // The item's icons at the size fetched at now, or its wait for them.
    void setSubFolderIcons(OwnerDrawMenu& menu, int position, FolderNode& sub);
    void setEntryIcons(OwnerDrawMenu& menu, int position, MenuEntry& entry);

    const Settings& settings;
    ItemDataList& records;
    RunMenus& menus;
    IconService& icons;
    LateIcons late;
    const int maxMenuWidth;  // at the display's DPI
};

}  // namespace trm
