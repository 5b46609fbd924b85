// One native popup menu whose every item is owner-drawn, each carrying a
// MenuItemData record registered in the shared ItemDataList.
#pragma once

#include <windows.h>
#include <ocidl.h>

#include "framework/cstring.h"
#include "framework/menu.h"
#include "menus/menu_item_data.h"

namespace trm {

class OwnerDrawMenu : public CMenu {
public:
    // The native menu is created and attached by the caller.
    OwnerDrawMenu(ItemDataList& records, int xpStyle, int maxWidth);
    // Drops any record still registered for this object, so that none
    // outlives it; the base destroys the native menu.
    ~OwnerDrawMenu() override;

    // A disabled title at position 0.
    void insertTopTitle(const CString& text, int titleBackground, int titleOutline, UINT commandId);
    // A disabled title at position 0 in a column of its own, closed by a
    // break item at position 1.
    void insertSideTitle(const CString& text, int titleBackground, int titleOutline, UINT titleCommandId,
                         UINT breakCommandId);
    // Returns the AppendMenuA result; flags MF_SEPARATOR and MF_MENUBREAK
    // mark the record, MF_POPUP takes the sub-menu's handle as commandId.
    BOOL appendItem(UINT flags, UINT_PTR commandId, const CString& text);
    // The same, borrowing the label, which must outlive the item.
    BOOL appendLentItem(UINT flags, UINT_PTR commandId, const CString& label);
    // selectedIconLate: the highlighted icon is asked for when the item is
    // first drawn highlighted (the open folder icon, from the run's icons).
    int setItemIcons(int position, HICON icon, int iconWidth, int iconHeight, HICON selectedIcon, int selectedIconWidth,
                     int selectedIconHeight, bool selectedIconLate = false);
    // Returns 0 and changes nothing for a null picture.
    int setItemPicture(int position, IPicture* picture, int hasTextRow);
    // The icon column goes back to its width without icons, for icons of
    // another size to be set.
    void forgetIconSizes();
    // Has the system forget the sizes it was given for the items, so that it
    // asks for them again (WM_MEASUREITEM) before the menu next shows.
    void askToMeasureAgain();
    // Frees this menu's records, then destroys the native menu.
    void destroyWithItems();

    int xpStyle;
    int maxCheckWidth;
    int maxCheckHeight;
    int hasSubMenus = 0;
    int hasTitle = 0;
    int isSideTitle = 0;
    HWND menuWindow = nullptr;  // paired by the menu-window hook
    int iconSize = 0;           // of the icons its items were given
    int maxWidth;               // maxmenuwidth in pixels, -1 = no limit

private:
    void insertTitle(const CString& text, int titleBackground, int titleOutline, UINT commandId, int side);
    // Inserts an owner-drawn item carrying a new record; null on failure.
    MenuItemData* insertOwnerDrawn(UINT position, UINT flags, UINT commandId);
    // Appends an owner-drawn item carrying a new record; null on failure.
    MenuItemData* appendRecord(UINT flags, UINT_PTR commandId);
    MenuItemData* findOrCreateRecord(const MENUITEMINFOA& item);
    void attach(UINT item, BOOL byPosition, MenuItemData* record);

    ItemDataList& records;
};

}  // namespace trm
