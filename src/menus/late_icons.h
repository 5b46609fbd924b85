// Menu items shown before their icons came from the worker: each keeps the
// icon column's room, and gets its icon, and a repaint of that item alone,
// when the icon is there.
#pragma once

#include <windows.h>

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace trm {

struct Settings;
class IconService;
class OwnerDrawMenu;

class LateIcons {
public:
    LateIcons(const Settings& settings, IconService& icons) : settings(settings), icons(icons) {}

    // A file's item: its icon is that under `path`, else under `extension`
    // (both outlive the menus).
    void awaitFile(OwnerDrawMenu& menu, int position, const std::string& path, const std::string& extension);
    // A sub-folder's item: its own icon when one comes, else the standard
    // folder icons.
    void awaitFolder(OwnerDrawMenu& menu, int position, const std::string& path);
    // A command's item: the open folder icon.
    void awaitCommand(OwnerDrawMenu& menu, int position);
    // Each waits for its icon at the size the icons are fetched at when it
    // is added. The menu's items wait no more (their icons are asked for at
    // another size).
    void forget(const OwnerDrawMenu& menu);

    // Gives every item whose icon has come its icon and has those items
    // repainted in the menu windows that show them; the items whose icons
    // will not come are given up. True while some are still waiting.
    bool apply();
    void clear() {
        waiting.clear();
        menus.clear();
    }
    size_t size() const { return waiting.size(); }

private:
    enum class Kind : uint8_t { file, folder, command };
    // One per item of a folder that may hold tens of thousands: kept small,
    // its menu and icon size named by an index into `menus`.
    struct Waiting {
        const std::string* path;
        const std::string* extension;
        int position;
        uint16_t menu;
        Kind kind;
        bool closedShown;  // a folder's closed icon, before the open one came
    };
    // A menu's items waiting for icons of one size.
    struct MenuAtSize {
        OwnerDrawMenu* menu;
        int size;  // the icons' and the room they are drawn in
    };
    void await(OwnerDrawMenu& menu, int position, Kind kind, const std::string* path, const std::string* extension);
    // False while the item's icon may still come.
    bool settle(Waiting& item);

    const Settings& settings;
    IconService& icons;
    // A deque grows without copying what it holds, so a large menu never
    // holds its records twice while they are added.
    std::deque<Waiting> waiting;
    std::vector<MenuAtSize> menus;
};

}  // namespace trm
