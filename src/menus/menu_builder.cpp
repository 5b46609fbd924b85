#include "menus/menu_builder.h"

#include <memory>
#include <new>
#include <unordered_map>

#include "common/command_ids.h"
#include "common/display_dpi.h"
#include "common/menu_lengths.h"
#include "menus/menu_rules.h"
#include "menus/owner_draw_menu.h"
#include "menus/picture.h"
#include "menus/run_menus.h"
#include "model/folder_scanner.h"
#include "model/name_rules.h"

namespace trm {

namespace {

bool menuHoldsPlaceholder(HMENU menu) {
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i)
        if (::GetMenuItemID(menu, i) == static_cast<UINT>(placeholderCommandId)) return true;
    return false;
}

}  // namespace

MenuBuilder::MenuBuilder(const Settings& settings, ItemDataList& records, RunMenus& menus, IconService& icons)
    : settings(settings),
      records(records),
      menus(menus),
      icons(icons),
      late(settings, icons),
      // Pixels at 100 % scaling, like every length; -1 is no limit.
      maxMenuWidth(settings.maxmenuwidth == -1 ? -1 : scaledLength(settings.maxmenuwidth, displayDpi())) {}

void MenuBuilder::buildMenu(FolderNode& folder) {
    OwnerDrawMenu& menu = menus.create(folder, settings.displayxp ? 1 : 0, maxMenuWidth);
    if (menu.GetSafeHmenu() == nullptr) return;
    if (settings.dotitles) addTitle(folder, menu);
    fillMenu(folder);
}

void MenuBuilder::addTitle(FolderNode& folder, OwnerDrawMenu& menu) {
    const std::string pathTitle = titleTextOf(folder.path);
    std::string label;
    bool haveLabel = false;
    if (wantsVolumeLabel(pathTitle, settings)) {
        char volume[MAX_PATH + 1] = {};
        haveLabel =
            ::GetVolumeInformationA(pathTitle.c_str(), volume, MAX_PATH, nullptr, nullptr, nullptr, nullptr, 0) != 0;
        if (haveLabel) label = volume;
    }
    const std::string text = folderTitle(folder.path, haveLabel ? &label : nullptr, settings);
    const int background = settings.dotitlesbackground ? 1 : 0;
    const int outline = settings.dotitlesoutline ? 1 : 0;
    const UINT titleId = settings.dotitlesclicktoopenfolder ? static_cast<UINT>(folder.ids.take()) : 0;
    if (!settings.dotitlesleft) {
        menu.insertTopTitle(text, background, outline, titleId);
    } else {
        // A clickable side title shares its identifier with its break item.
        const UINT breakId = settings.dotitlesclicktoopenfolder ? titleId : static_cast<UINT>(folder.ids.take());
        menu.insertSideTitle(text, background, outline, titleId, breakId);
    }
}

void MenuBuilder::fillMenu(FolderNode& folder) {
    OwnerDrawMenu& menu = *folder.menu;
    int n = menu.GetMenuItemCount();
    if (folder.titleImageEntry) n = addEntryItem(folder, *folder.titleImageEntry, n, true);
    if (folder.exploreEntry && settings.addexploreposition == SpecialEntryPosition::AbsoluteTop)
        n = addEntryItem(folder, *folder.exploreEntry, n);
    if (folder.openAllEntry && settings.addopenallposition == SpecialEntryPosition::AbsoluteTop)
        n = addEntryItem(folder, *folder.openAllEntry, n);
    if (!settings.foldersatbottom) {
        addSubFolderItems(folder);
        addFilesFoldersSeparator(folder);
    }

    n = menu.GetMenuItemCount();
    if (!(settings.addopenall && settings.addopenallhidefilesfrommenu)) {
        for (MenuEntry& entry : folder.entries) {
            if (&entry == folder.titleImageEntry || &entry == folder.exploreEntry || &entry == folder.openAllEntry)
                continue;
            n = addEntryItem(folder, entry, n);
        }
    }
    if (settings.foldersatbottom) {
        addFilesFoldersSeparator(folder);
        addSubFolderItems(folder);
    }

    n = menu.GetMenuItemCount();
    if (folder.openAllEntry && settings.addopenallposition == SpecialEntryPosition::AbsoluteBottom)
        n = addEntryItem(folder, *folder.openAllEntry, n);
    if (folder.exploreEntry && settings.addexploreposition == SpecialEntryPosition::AbsoluteBottom)
        addEntryItem(folder, *folder.exploreEntry, n);

    // Marks a menu still to be filled: the host window reads the folder when it opens.
    if (folder.entries.empty() && folder.subfolders.empty())
        menu.appendItem(MF_STRING, placeholderCommandId, folder.path);
}

void MenuBuilder::addFilesFoldersSeparator(FolderNode& folder) {
    if (settings.separatorbetweenfilesandfolders && !folder.subfolders.empty() && !folder.entries.empty())
        appendSeparator(folder);
}

void MenuBuilder::appendSeparator(FolderNode& folder) {
    folder.menu->appendItem(MF_SEPARATOR, folder.ids.take(), "");
}

void MenuBuilder::appendColumnBreak(FolderNode& folder) {
    folder.menu->appendItem(MF_MENUBREAK, folder.ids.take(), "mb");
}

void MenuBuilder::addSubFolderItems(FolderNode& folder) {
    OwnerDrawMenu& menu = *folder.menu;
    int p = menu.GetMenuItemCount();
    for (const std::unique_ptr<FolderNode>& child : folder.subfolders) {
        FolderNode& sub = *child;
        buildMenu(sub);
        p += appendMarksBefore(folder, nameListMatches(settings.separatorbefore, sub),
                               nameListMatches(settings.barbreakbefore, sub));
        menu.appendLentItem(MF_POPUP, reinterpret_cast<UINT_PTR>(sub.menu->GetSafeHmenu()),
                            itemTextFor(sub.name, settings));
        if (displaysIcons(settings)) setSubFolderIcons(menu, p, sub);
        ++p;
        p += appendMarksAfter(folder, nameListMatches(settings.barbreakafter, sub),
                              nameListMatches(settings.separatorafter, sub));
    }
}

int MenuBuilder::addEntryItem(FolderNode& folder, MenuEntry& entry, int p, bool titlePicture) {
    OwnerDrawMenu& menu = *folder.menu;
    // Only the folder's one title picture is decoded and shown as a picture:
    // with usefirst every other picture file stays a plain item.
    if (titlePicture && settings.dotitleimages) {
        // A menu filled again keeps the picture its items already borrow.
        if (!entry.loadedPicture) loadTitlePicture(entry);
        entry.isTitlePicture = true;
    }

    p += appendMarksBefore(folder, nameListMatches(settings.separatorbefore, entry, settings),
                           nameListMatches(settings.barbreakbefore, entry, settings));
    const bool unclickable = settings.dotitleimages && settings.dotitleimagesnoclick && entry.isTitlePicture;
    menu.appendLentItem(unclickable ? MF_DISABLED : MF_STRING, static_cast<UINT_PTR>(entry.id),
                        itemTextFor(entry.displayName, settings));
    if (entry.loadedPicture && entry.loadedPicture->picture)
        menu.setItemPicture(p, static_cast<IPicture*>(entry.loadedPicture->picture.get()), 0);

    if (displaysIcons(settings)) setEntryIcons(menu, p, entry);
    // Without icons a shortcut to a missing file stays pickable (the shell then
    // says why it cannot open it), but an entry with nothing to open never is.
    if (entry.unavailable && (displaysIcons(settings) || entry.path.empty()))
        ::EnableMenuItem(menu.GetSafeHmenu(), p, MF_BYPOSITION | MF_DISABLED);
    ++p;
    return p + appendMarksAfter(folder, nameListMatches(settings.barbreakafter, entry, settings),
                                nameListMatches(settings.separatorafter, entry, settings));
}

void MenuBuilder::loadTitlePicture(MenuEntry& entry) const {
    // Only a decoded picture is shown in a menu: the shell's thumbnail would
    // cost its time (and read the file) for nothing.
    ComPtr<IPicture> decoded;
    try {
        *decoded.put() = decodePicture(entry.path);
        // The entry owns the picture; the item only borrows it.
        auto held = std::make_unique<EntryPicture>();
        if (decoded)
            held->picture.reset(decoded.detach(), [](void* picture) { static_cast<IPicture*>(picture)->Release(); });
        entry.loadedPicture = std::move(held);
    } catch (const std::bad_alloc&) {
        // No memory for the picture: the menu shows its item without it.
    }
}

int MenuBuilder::appendMarksBefore(FolderNode& folder, bool separator, bool columnBreak) {
    if (separator) appendSeparator(folder);
    if (columnBreak) appendColumnBreak(folder);
    return (separator ? 1 : 0) + (columnBreak ? 1 : 0);
}

int MenuBuilder::appendMarksAfter(FolderNode& folder, bool columnBreak, bool separator) {
    if (columnBreak) appendColumnBreak(folder);
    if (separator) appendSeparator(folder);
    return (separator ? 1 : 0) + (columnBreak ? 1 : 0);
}

void MenuBuilder::setSubFolderIcons(OwnerDrawMenu& menu, int p, FolderNode& sub) {
    menu.iconSize = icons.fetchSize();
    const IconRecord* own = nullptr;
    if (settings.iconsforfolders) {
        icons.fetchIcon(sub.path, sub.path, true);
        own = icons.findIcon(sub.path);
    }
    if (own) {
        setIcons(menu, p, *own);
        return;
    }
    const StandardFolderIcons& standard = icons.folderIcons(false);
    // The open icon shows only on a highlighted item: asked for then, its
    // cost leaves the start (the worker fetches it anyway).
    const bool askLate = !icons.deferred() && settings.displaybackground && standard.open == nullptr;
    HICON highlighted = settings.displaybackground ? standard.open : standard.closed;
    menu.setItemIcons(p, standard.closed, standard.width, standard.height, highlighted, standard.width, standard.height,
                      askLate);
    if (icons.deferred() && settings.displaybackground) icons.wantOpenFolderIconLater();
    if (icons.deferred() &&
        (standard.closed == nullptr || highlighted == nullptr || (settings.iconsforfolders && icons.awaited(sub.path))))
        late.awaitFolder(menu, p, sub.path);
}

void MenuBuilder::setEntryIcons(OwnerDrawMenu& menu, int p, MenuEntry& entry) {
    menu.iconSize = icons.fetchSize();
    if (entry.isCommand) {
        const StandardFolderIcons& standard = icons.folderIcons(true);
        menu.setItemIcons(p, standard.open, standard.width, standard.height, standard.open, standard.width,
                          standard.height);
        if (icons.deferred() && standard.open == nullptr) late.awaitCommand(menu, p);
        return;
    }
    const IconRecord* icon = icons.findIcon(entry.path);
    if (icon == nullptr) icon = icons.findIcon(entry.extension);
    if (icon) {
        setIcons(menu, p, *icon);
    } else if (icons.awaited(entry.path) || icons.awaited(entry.extension)) {
        // Shown at once with the room its icon will take.
        const int size = icons.fetchSize();
        menu.setItemIcons(p, nullptr, size, size, nullptr, size, size);
        late.awaitFile(menu, p, entry.path, entry.extension);
    }
}

void MenuBuilder::iconsAt(int dpi, HMENU popup) {
    icons.fetchAt(dpi);
    FolderNode* folder = menus.folderOf(popup);
    if (!displaysIcons(settings) || folder == nullptr || folder->menu == nullptr) return;
    OwnerDrawMenu& menu = *folder->menu;
    const int size = icons.fetchSize();
    if (menu.iconSize == 0 || menu.iconSize == size) return;
    // The items waiting for icons of the old size take the new one's.
    late.forget(menu);
    menu.forgetIconSizes();
    const int old = menu.iconSize;
    menu.iconSize = size;
    // What was asked of the shell at the old size is asked at this one.
    const auto asked = [&](const std::string& key) {
        return icons.findIconAt(key, old) != nullptr || icons.awaitedAt(key, old);
    };
    std::unordered_map<UINT, MenuEntry*> byId;
    for (MenuEntry& entry : folder->entries) byId.emplace(static_cast<UINT>(entry.id), &entry);
    const int count = ::GetMenuItemCount(popup);
    for (int p = 0; p < count; ++p) {
        if (HMENU sub = ::GetSubMenu(popup, p)) {
            if (FolderNode* child = menus.folderOf(sub)) setSubFolderIcons(menu, p, *child);
            continue;
        }
        const auto found = byId.find(::GetMenuItemID(popup, p));
        if (found == byId.end()) continue;
        MenuEntry& entry = *found->second;
        if (!entry.isCommand && !entry.path.empty() && (asked(entry.path) || asked(entry.extension)))
            icons.fetchIcon(entry.extension, entry.path, hasOwnIcon(entry.extension));
        setEntryIcons(menu, p, entry);
    }
    icons.putFirst(folder->path);
}

void MenuBuilder::setIcons(OwnerDrawMenu& menu, int position, const IconRecord& record) {
    menu.setItemIcons(position, record.iconHandle(), record.width, record.height, record.selectedIconHandle(),
                      record.width, record.height);
}

bool MenuBuilder::runCommand(FolderNode& folder, int commandId, const OpenItem& open) const {
    for (const std::unique_ptr<FolderNode>& sub : folder.subfolders)
        if (runCommand(*sub, commandId, open)) return true;

    MenuEntry* chosen = nullptr;
    for (MenuEntry& entry : folder.entries) {
        if (entry.id == commandId) {
            chosen = &entry;
            break;
        }
    }
    if (chosen == nullptr) return false;
    // An unreachable shortcut folder's "Unavailable" entry opens nothing.
    if (chosen->command == nullptr) return !chosen->path.empty() && open(chosen->path);
    if (chosen->command == openAllMarker) {
        for (const MenuEntry& entry : folder.entries)
            if (&entry != chosen && openAllIncludes(entry, settings)) open(entry.path);
        return true;
    }
    if (chosen->command == exploreMarker) return open(chosen->path);
    return false;
}

void MenuBuilder::fillOpeningMenu(HMENU popup, ScanPlatform& platform) {
    FolderNode* folder = menus.folderOf(popup);
    if (folder == nullptr) return;
    fillOnOpening(folder, popup, platform);
    // The opening menu's icons come before those fetched in advance.
    icons.putFirst(folder->path);
}

void MenuBuilder::fillOnOpening(FolderNode* folder, HMENU popup, ScanPlatform& platform) {
    if (!menuHoldsPlaceholder(popup)) return;
    const std::string saved = platform.currentDirectory();
    ::DeleteMenu(popup, placeholderCommandId, MF_BYCOMMAND);
    // A folder that cannot be entered is not read at all (reading the
    // directory we are in instead would show the wrong files).
    if (platform.setCurrentDirectory(folder->path)) scanFolder(*folder, platform);
    fillMenu(*folder);
    platform.setCurrentDirectory(saved);

    if (menuHoldsPlaceholder(popup)) {
        // An empty folder offers one entry that opens the folder itself.
        ::DeleteMenu(popup, placeholderCommandId, MF_BYCOMMAND);
        MenuEntry entry;
        entry.id = folder->ids.take();
        entry.isCommand = true;
        entry.displayName = settings.addexploretext;
        entry.path = folder->path;
        folder->entries.push_back(std::move(entry));
        fillMenu(*folder);
    }
}

}  // namespace trm
