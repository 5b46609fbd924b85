#include "menus/menu_teardown.h"

#include "menus/owner_draw_menu.h"

namespace trm {

void destroyMenuTree(FolderNode& folder) {
    // A native sub-menu is always destroyed before the menu that holds its
    // item, and a folder only after that item, which borrows its name.
    for (std::unique_ptr<FolderNode>& sub : folder.subfolders) destroyMenuTree(*sub);
    if (folder.menu) {
        folder.menu->destroyWithItems();
        delete folder.menu;
        folder.menu = nullptr;
    }
    folder.subfolders.clear();
}

void tearDownRoot(FolderNode& root) {
    destroyMenuTree(root);
    root.exploreEntry = nullptr;
    root.openAllEntry = nullptr;
    root.titleImageEntry = nullptr;
    root.entries.clear();
}

}  // namespace trm
