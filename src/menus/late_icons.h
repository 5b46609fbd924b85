// Menu items shown before their icons came from the worker: each keeps the
// icon column's room, and gets its icon, and a repaint of that item alone,
// when the icon is there.
#pragma once

#include <windows.h>

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
    void clear() { waiting.clear(); }
    size_t size() const { return waiting.size(); }

private:
    enum class Kind { file, folder, command };
    struct Waiting {
        OwnerDrawMenu* menu;
        int position;
        Kind kind;
        const std::string* path;
        const std::string* extension;
        bool closedShown;  // a folder's closed icon, before the open one came
        int size;
    };
    // False while the item's icon may still come.
    bool settle(Waiting& item);

    const Settings& settings;
    IconService& icons;
    std::vector<Waiting> waiting;
};

}  // namespace trm
