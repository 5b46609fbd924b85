// The record behind every owner-drawn menu item, and the registry of all
// live records: an item's data is trusted only when it is found there.
#pragma once

#include <windows.h>
#include <ocidl.h>

#include <unordered_set>

#include "framework/cstring.h"

namespace trm {

class OwnerDrawMenu;

struct MenuItemData {
    MenuItemData* next = nullptr;  // older record
    MenuItemData* prev = nullptr;  // newer record
    OwnerDrawMenu* menu = nullptr;
    int xpStyle = 0;
    int isTitle = 0;
    int titleBackground = 1;
    int titleOutline = 1;
    int isSideTitle = 0;
    int isSeparator = 0;
    int isColumnBreak = 0;
    int isTitleColumnBreak = 0;  // the zero-height break after a side title
    HMENU menuHandle = nullptr;
    HMENU subMenu = nullptr;
    int hasIcons = 0;
    // Icons and the picture are borrowed from the icon cache and the entry.
    HICON icon = nullptr;
    int iconWidth = 0;
    int iconHeight = 0;
    HICON selectedIcon = nullptr;
    int selectedIconWidth = 0;
    int selectedIconHeight = 0;
    IPicture* titlePicture = nullptr;
    int pictureLeft = 0;
    int pictureTop = 0;
    int pictureRight = 0;
    int pictureBottom = 0;
    CString text;
    int rowHeight = 0;
    int hasTextRow = 1;
};

// Newest first. Owns its records: whatever is left is freed with the list.
class ItemDataList {
public:
    ItemDataList() = default;
    ~ItemDataList() { clear(); }
    ItemDataList(const ItemDataList&) = delete;
    ItemDataList& operator=(const ItemDataList&) = delete;

    MenuItemData* createItemData(OwnerDrawMenu& menu);

    // The record an item's data points to, or null when it is none of ours.
    MenuItemData* find(ULONG_PTR itemData) const;
    // The menu of the newest record held by the native menu, or null.
    OwnerDrawMenu* findMenuByHandle(HMENU menuHandle) const;

    void remove(const MenuItemData* record);
    void removeRecordsOf(HMENU menuHandle);
    void removeRecordsOf(const OwnerDrawMenu* menu);
    void clear();

    MenuItemData* head() const { return first; }

private:
    template <typename Match>
    void removeIf(Match match);
    void unlinkAndFree(MenuItemData* record);

    MenuItemData* first = nullptr;
    // The same records as the list, for a lookup that does not walk it: the
    // system asks for every item of a menu when it measures and paints it.
    std::unordered_set<const MenuItemData*> members;
};

}  // namespace trm
