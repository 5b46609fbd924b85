#include "menus/menu_teardown.h"

#include "menus/run_menus.h"
#include "model/folder_node.h"

namespace trm {

void tearDownRun(RunMenus& menus, FolderNode& root) {
    menus.destroyAll();
    root.subfolders.clear();
    root.exploreEntry = nullptr;
    root.openAllEntry = nullptr;
    root.titleImageEntry = nullptr;
    root.entries.clear();
}

}  // namespace trm
