// The menus of one run: the owner-drawn menu of every folder shown, owned
// here and found by its native handle in constant time, together with the
// folder it shows.
#pragma once

#include <windows.h>

#include <memory>
#include <unordered_map>
#include <vector>

#include "menus/owner_draw_menu.h"

namespace trm {

struct FolderNode;

class RunMenus {
public:
    explicit RunMenus(ItemDataList& records) : records(records) {}
    // Destroys every menu that is left (destroyAll).
    ~RunMenus();
    RunMenus(const RunMenus&) = delete;
    RunMenus& operator=(const RunMenus&) = delete;

    // Makes the folder's menu and points folder.menu at it. The native menu
    // may have failed; its menu is then found by no handle.
    OwnerDrawMenu& create(FolderNode& folder, int xpStyle, int maxWidth);

    // The background the system fills the menus with where no item is (a
    // column shorter than the others); null leaves the system's. The brush
    // stays its owner's and must outlive the menus.
    void setBackground(HBRUSH brush) { background = brush; }

    // Null for a handle that is not one of this run's menus.
    OwnerDrawMenu* menuOf(HMENU handle) const;
    FolderNode* folderOf(HMENU handle) const;

    // Destroys the menus, every sub-menu before the menu that holds its item
    // (so in the reverse of the order they were made in), and clears the
    // folders' pointers. The folders must outlive this: the items borrow
    // their names.
    void destroyAll();

private:
    struct Held {
        std::unique_ptr<OwnerDrawMenu> menu;
        FolderNode* folder;
    };

    ItemDataList& records;
    HBRUSH background = nullptr;
    std::vector<Held> made;  // in the order made: a menu before its sub-menus
    std::unordered_map<HMENU, size_t> byHandle;
};

}  // namespace trm
