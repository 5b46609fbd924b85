#include "menus/owner_draw_menu.h"

#include <algorithm>

#include "common/utf8.h"
#include "menus/menu_system_metrics.h"

namespace trm {
namespace {

const UINT itemInfoMask = MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_TYPE;
const UINT itemTextLength = 255;

// A native item read back with its text, if it has one.
struct NativeItem {
    MENUITEMINFOA info{};
    char text[itemTextLength + 1] = {};

    bool read(HMENU menu, UINT item, BOOL byPosition) {
        info = MENUITEMINFOA{};
        info.cbSize = sizeof info;
        info.fMask = itemInfoMask;
        info.dwTypeData = text;
        info.cch = itemTextLength;
        text[0] = '\0';
        return ::GetMenuItemInfoA(menu, item, byPosition, &info) != 0;
    }

    bool isPlainString() const { return (info.fType & (MFT_BITMAP | MFT_SEPARATOR | MFT_OWNERDRAW)) == 0; }

    // A text that filled the buffer was cut there, perhaps inside a character.
    std::string wholeText() const {
        const std::string read = text;
        return ::GetACP() == CP_UTF8 && read.size() == itemTextLength ? withoutBrokenTail(read) : read;
    }
};

}  // namespace

OwnerDrawMenu::OwnerDrawMenu(ItemDataList& records, int xpStyle, int maxWidth)
    : xpStyle(xpStyle),
      maxCheckWidth(menuSystemSizes().checkWidth),
      maxCheckHeight(menuSystemSizes().checkHeight),
      maxWidth(maxWidth),
      records(records) {}

OwnerDrawMenu::~OwnerDrawMenu() {
    records.removeRecordsOf(this);
}

MenuItemData* OwnerDrawMenu::insertOwnerDrawn(UINT position, UINT flags, UINT commandId) {
    MenuItemData* record = records.createItemData(*this);
    // Owner-drawn from the start, so the native item holds no text: the
    // system would take an "&" in it as the item's key, before typed
    // characters reach the program.
    if (!::InsertMenuA(m_hMenu, position, MF_BYPOSITION | MF_OWNERDRAW | flags, commandId,
                       reinterpret_cast<LPCSTR>(record))) {
        records.remove(record);
        return nullptr;
    }
    record->menuHandle = m_hMenu;
    return record;
}

void OwnerDrawMenu::insertTitle(const CString& text, int titleBackground, int titleOutline, UINT commandId, int side) {
    MenuItemData* record = insertOwnerDrawn(0, 0, commandId);
    if (record == nullptr) return;
    // Disabled rather than grayed: the painter draws it in its own colours.
    ::EnableMenuItem(m_hMenu, 0, MF_BYPOSITION | MF_DISABLED);
    hasTitle = 1;
    isSideTitle = side;
    record->holdText(text);
    record->titleBackground = titleBackground;
    record->titleOutline = titleOutline;
    record->isTitle = 1;
    record->isSideTitle = side;
}

void OwnerDrawMenu::insertTopTitle(const CString& text, int titleBackground, int titleOutline, UINT commandId) {
    insertTitle(text, titleBackground, titleOutline, commandId, 0);
}

void OwnerDrawMenu::insertSideTitle(const CString& text, int titleBackground, int titleOutline, UINT titleCommandId,
                                    UINT breakCommandId) {
    insertTitle(text, titleBackground, titleOutline, titleCommandId, 1);
    // The break starts the second column, leaving the title a column of its own.
    MenuItemData* record = insertOwnerDrawn(1, MF_MENUBREAK, breakCommandId);
    if (record == nullptr) return;
    record->isColumnBreak = 1;
    record->isTitleColumnBreak = 1;
    record->hasTextRow = 0;
}

BOOL OwnerDrawMenu::appendItem(UINT flags, UINT_PTR commandId, const CString& text) {
    MenuItemData* record = appendRecord(flags, commandId);
    if (record != nullptr) record->holdText(text);
    return record != nullptr;
}

BOOL OwnerDrawMenu::appendLentItem(UINT flags, UINT_PTR commandId, const CString& label) {
    MenuItemData* record = appendRecord(flags, commandId);
    if (record != nullptr) record->lentText = &label;
    return record != nullptr;
}

MenuItemData* OwnerDrawMenu::appendRecord(UINT flags, UINT_PTR commandId) {
    MenuItemData* record = records.createItemData(*this);
    record->menuHandle = m_hMenu;
    if (flags & MF_POPUP) record->subMenu = reinterpret_cast<HMENU>(commandId);
    if (flags & MF_SEPARATOR) {
        record->isSeparator = 1;
        record->hasTextRow = 0;
    }
    if (flags & MF_MENUBREAK) {
        record->isColumnBreak = 1;
        record->hasTextRow = 0;
    }
    // Appended owner-drawn with the record as its data: the same item that
    // appending a string and attaching the record makes, in one call instead
    // of three, which a folder of thousands of files feels at every start.
    const BOOL appended = ::AppendMenuA(m_hMenu, flags | MF_OWNERDRAW, commandId, reinterpret_cast<LPCSTR>(record));
    if (!appended) {
        records.remove(record);
        return nullptr;
    }
    if (record->subMenu != nullptr) hasSubMenus = 1;
    return record;
}

int OwnerDrawMenu::setItemIcons(int position, HICON icon, int iconWidth, int iconHeight, HICON selectedIcon,
                                int selectedIconWidth, int selectedIconHeight, bool selectedIconLate) {
    NativeItem item;
    // No item there: no record to make (it would hang on nothing).
    if (!item.read(m_hMenu, static_cast<UINT>(position), TRUE)) return 1;
    MenuItemData* record = findOrCreateRecord(item.info);
    if (record->label().empty() && item.isPlainString()) record->holdText(item.wholeText());
    record->menuHandle = m_hMenu;
    record->subMenu = ::GetSubMenu(m_hMenu, position);
    record->icon = icon;
    record->iconWidth = static_cast<int16_t>(iconWidth);
    record->iconHeight = static_cast<int16_t>(iconHeight);
    record->selectedIcon = selectedIcon;
    record->selectedIconWidth = static_cast<int16_t>(selectedIconWidth);
    record->selectedIconHeight = static_cast<int16_t>(selectedIconHeight);
    record->selectedIconLate = selectedIconLate;
    record->hasIcons = 1;
    if (record->subMenu != nullptr) hasSubMenus = 1;
    maxCheckWidth = std::max({maxCheckWidth, iconWidth, selectedIconWidth});
    maxCheckHeight = std::max({maxCheckHeight, iconHeight, selectedIconHeight});
    attach(static_cast<UINT>(position), TRUE, record);
    return 1;
}

int OwnerDrawMenu::setItemPicture(int position, IPicture* picture, int hasTextRow) {
    if (picture == nullptr) return 0;
    NativeItem item;
    if (!item.read(m_hMenu, static_cast<UINT>(position), TRUE)) return 1;
    MenuItemData* record = findOrCreateRecord(item.info);
    record->menuHandle = m_hMenu;
    record->subMenu = ::GetSubMenu(m_hMenu, position);
    record->titlePicture = picture;
    record->hasTextRow = hasTextRow;
    if (record->subMenu != nullptr) hasSubMenus = 1;
    attach(static_cast<UINT>(position), TRUE, record);
    return 1;
}

void OwnerDrawMenu::forgetIconSizes() {
    maxCheckWidth = menuSystemSizes().checkWidth;
    maxCheckHeight = menuSystemSizes().checkHeight;
}

void OwnerDrawMenu::askToMeasureAgain() {
    // Setting an item's type marks the menu's layout stale; the system then
    // measures every owner-drawn item afresh.
    const int count = ::GetMenuItemCount(m_hMenu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE;
        if (::GetMenuItemInfoA(m_hMenu, static_cast<UINT>(position), TRUE, &item))
            ::SetMenuItemInfoA(m_hMenu, static_cast<UINT>(position), TRUE, &item);
    }
}

void OwnerDrawMenu::destroyWithItems() {
    if (m_hMenu != nullptr) records.removeRecordsOf(m_hMenu);
    DestroyMenu();
}

MenuItemData* OwnerDrawMenu::findOrCreateRecord(const MENUITEMINFOA& item) {
    if (item.fType & MFT_OWNERDRAW) {
        if (MenuItemData* record = records.find(item.dwItemData)) return record;
    }
    return records.createItemData(*this);
}

void OwnerDrawMenu::attach(UINT item, BOOL byPosition, MenuItemData* record) {
    NativeItem native;
    if (!native.read(m_hMenu, item, byPosition)) return;
    native.info.dwItemData = reinterpret_cast<ULONG_PTR>(record);
    native.info.fType |= MFT_OWNERDRAW;
    ::SetMenuItemInfoA(m_hMenu, item, byPosition, &native.info);
}

}  // namespace trm
