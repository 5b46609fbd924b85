#include "menus/menu_teardown.h"

#include "menus/owner_draw_menu.h"

namespace trm {

void destroyMenuTree(FolderNode& folder) {
    // A native sub-menu is always destroyed before the menu that holds its item.
    for (std::unique_ptr<FolderNode>& sub : folder.subfolders) {
        destroyMenuTree(*sub);
        sub.reset();
    }
    folder.subfolders.clear();
    if (folder.menu) {
        folder.menu->destroyWithItems();
        delete folder.menu;
        folder.menu = nullptr;
    }
}

void tearDownRoot(FolderNode& root) {
    destroyMenuTree(root);
    root.exploreEntry = nullptr;
    root.openAllEntry = nullptr;
    root.titleImageEntry = nullptr;
    root.entries.clear();
}

}  // namespace trm
