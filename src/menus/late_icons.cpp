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

void LateIcons::awaitFile(OwnerDrawMenu& menu, int position, const std::string& path, const std::string& extension) {
    waiting.push_back({&menu, position, Kind::file, &path, &extension, false, icons.fetchSize()});
}

void LateIcons::awaitFolder(OwnerDrawMenu& menu, int position, const std::string& path) {
    waiting.push_back({&menu, position, Kind::folder, &path, nullptr, false, icons.fetchSize()});
}

void LateIcons::awaitCommand(OwnerDrawMenu& menu, int position) {
    waiting.push_back({&menu, position, Kind::command, nullptr, nullptr, false, icons.fetchSize()});
}

void LateIcons::forget(const OwnerDrawMenu& menu) {
    size_t kept = 0;
    for (size_t i = 0; i < waiting.size(); ++i)
        if (waiting[i].menu != &menu) waiting[kept++] = waiting[i];
    waiting.resize(kept);
}

bool LateIcons::apply() {
    size_t kept = 0;
    for (size_t i = 0; i < waiting.size(); ++i)
        if (!settle(waiting[i])) waiting[kept++] = waiting[i];
    waiting.resize(kept);
    return !waiting.empty();
}

bool LateIcons::settle(Waiting& item) {
    // Drawn in the room kept for it, whatever the icon's own size.
    const int width = item.size;
    const int height = item.size;
    const IconRecord* record = nullptr;
    if (item.kind == Kind::file) {
        record = icons.findIconAt(*item.path, item.size);
        if (record == nullptr) record = icons.findIconAt(*item.extension, item.size);
        if (record == nullptr)
            return !icons.awaitedAt(*item.path, item.size) && !icons.awaitedAt(*item.extension, item.size);
    } else if (item.kind == Kind::folder) {
        record = icons.findIconAt(*item.path, item.size);
        if (record == nullptr && icons.awaitedAt(*item.path, item.size)) return false;
    }
    if (record != nullptr) {
        item.menu->setItemIcons(item.position, record->iconHandle(), width, height, record->selectedIconHandle(), width,
                                height);
    } else {
        const bool command = item.kind == Kind::command;
        const StandardFolderIcons& standard = icons.folderIconsAt(command, item.size);
        const bool openWanted = command || settings.displaybackground;
        if (!command && standard.closed == nullptr) return false;
        if (openWanted && standard.open == nullptr) {
            // The closed icon shows at once; the open one, for the
            // highlighted item, when it comes.
            if (command || item.closedShown) return false;
            item.menu->setItemIcons(item.position, standard.closed, width, height, standard.closed, width, height);
            item.closedShown = true;
            repaint(*item.menu, item.position);
            return false;
        }
        item.menu->setItemIcons(item.position, command ? standard.open : standard.closed, width, height,
                                openWanted ? standard.open : standard.closed, width, height);
    }
    repaint(*item.menu, item.position);
    return true;
}

}  // namespace trm
