#include "menus/run_menus.h"

#include "menus/owner_draw_menu.h"
#include "model/folder_node.h"

namespace trm {

RunMenus::~RunMenus() {
    destroyAll();
}

OwnerDrawMenu& RunMenus::create(FolderNode& folder, int xpStyle, int maxWidth) {
    made.push_back({std::make_unique<OwnerDrawMenu>(records, xpStyle, maxWidth), &folder});
    OwnerDrawMenu& menu = *made.back().menu;
    if (menu.CreatePopupMenu()) {
        byHandle.emplace(menu.GetSafeHmenu(), made.size() - 1);
        if (background != nullptr) {
            MENUINFO info{};
            info.cbSize = sizeof info;
            info.fMask = MIM_BACKGROUND;
            info.hbrBack = background;
            ::SetMenuInfo(menu.GetSafeHmenu(), &info);
        }
    }
    folder.menu = &menu;
    return menu;
}

OwnerDrawMenu* RunMenus::menuOf(HMENU handle) const {
    const auto found = byHandle.find(handle);
    return found == byHandle.end() ? nullptr : made[found->second].menu.get();
}

FolderNode* RunMenus::folderOf(HMENU handle) const {
    const auto found = byHandle.find(handle);
    return found == byHandle.end() ? nullptr : made[found->second].folder;
}

void RunMenus::destroyAll() {
    byHandle.clear();
    while (!made.empty()) {
        Held& last = made.back();
        last.menu->destroyWithItems();
        last.folder->menu = nullptr;
        made.pop_back();
    }
}

}  // namespace trm
