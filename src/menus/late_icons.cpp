#include "menus/late_icons.h"

#include "common/settings.h"
#include "menus/owner_draw_menu.h"
#include "model/icon_service.h"

namespace trm {

namespace {

// The item's rectangle repainted in the menu window showing it, if any.
void repaint(const OwnerDrawMenu& menu, int position) {
    if (menu.menuWindow == nullptr || !::IsWindowVisible(menu.menuWindow)) return;
    RECT item{};
    if (!::GetMenuItemRect(nullptr, menu.GetSafeHmenu(), static_cast<UINT>(position), &item)) return;
    ::MapWindowPoints(nullptr, menu.menuWindow, reinterpret_cast<POINT*>(&item), 2);
    ::InvalidateRect(menu.menuWindow, &item, FALSE);
}

}  // namespace

void LateIcons::await(OwnerDrawMenu& menu, int position, Kind kind, const std::string* path,
                      const std::string* extension) {
    // A menu's items come together, so only the last menu is looked at.
    const int size = icons.fetchSize();
    if (menus.empty() || menus.back().menu != &menu || menus.back().size != size) {
        // More menus than a process may have windows: never met.
        if (menus.size() > UINT16_MAX) return;
        menus.push_back({&menu, size});
    }
    waiting.push_back({path, extension, position, static_cast<uint16_t>(menus.size() - 1), kind, false});
}

void LateIcons::awaitFile(OwnerDrawMenu& menu, int position, const std::string& path, const std::string& extension) {
    await(menu, position, Kind::file, &path, &extension);
}

void LateIcons::awaitFolder(OwnerDrawMenu& menu, int position, const std::string& path) {
    await(menu, position, Kind::folder, &path, nullptr);
}

void LateIcons::awaitCommand(OwnerDrawMenu& menu, int position) {
    await(menu, position, Kind::command, nullptr, nullptr);
}

void LateIcons::forget(const OwnerDrawMenu& menu) {
    size_t kept = 0;
    for (size_t i = 0; i < waiting.size(); ++i)
        if (menus[waiting[i].menu].menu != &menu) waiting[kept++] = waiting[i];
    waiting.resize(kept);
}

bool LateIcons::apply() {
    size_t kept = 0;
    for (size_t i = 0; i < waiting.size(); ++i)
        if (!settle(waiting[i])) waiting[kept++] = waiting[i];
    waiting.resize(kept);
    if (waiting.empty()) menus.clear();
    return !waiting.empty();
}

bool LateIcons::settle(Waiting& item) {
    OwnerDrawMenu& menu = *menus[item.menu].menu;
    // Drawn in the room kept for it, whatever the icon's own size.
    const int size = menus[item.menu].size;
    const int width = size;
    const int height = size;
    const IconRecord* record = nullptr;
    if (item.kind == Kind::file) {
        record = icons.findIconAt(*item.path, size);
        if (record == nullptr) record = icons.findIconAt(*item.extension, size);
        if (record == nullptr) return !icons.awaitedAt(*item.path, size) && !icons.awaitedAt(*item.extension, size);
    } else if (item.kind == Kind::folder) {
        record = icons.findIconAt(*item.path, size);
        if (record == nullptr && icons.awaitedAt(*item.path, size)) return false;
    }
    if (record != nullptr) {
        menu.setItemIcons(item.position, record->iconHandle(), width, height, record->selectedIconHandle(), width,
                          height);
    } else {
        const bool command = item.kind == Kind::command;
        const StandardFolderIcons& standard = icons.folderIconsAt(command, size);
        const bool openWanted = command || settings.displaybackground;
        if (!command && standard.closed == nullptr) return false;
        if (openWanted && standard.open == nullptr) {
            // The closed icon shows at once; the open one, for the
            // highlighted item, when it comes.
            if (command || item.closedShown) return false;
            menu.setItemIcons(item.position, standard.closed, width, height, standard.closed, width, height);
            item.closedShown = true;
            repaint(menu, item.position);
            return false;
        }
        menu.setItemIcons(item.position, command ? standard.open : standard.closed, width, height,
                          openWanted ? standard.open : standard.closed, width, height);
    }
    repaint(menu, item.position);
    return true;
}

}  // namespace trm
