#include "menus/menu_item_data.h"

#include "menus/owner_draw_menu.h"

namespace trm {

MenuItemData* ItemDataList::createItemData(OwnerDrawMenu& menu) {
    auto* record = new MenuItemData;
    record->menu = &menu;
    record->xpStyle = menu.xpStyle;
    record->next = first;
    if (first != nullptr) first->prev = record;
    first = record;
    return record;
}

MenuItemData* ItemDataList::find(ULONG_PTR itemData) const {
    if (itemData == 0) return nullptr;
    for (MenuItemData* record = first; record != nullptr; record = record->next)
        if (reinterpret_cast<ULONG_PTR>(record) == itemData) return record;
    return nullptr;
}

OwnerDrawMenu* ItemDataList::findMenuByHandle(HMENU menuHandle) const {
    for (MenuItemData* record = first; record != nullptr; record = record->next)
        if (record->menuHandle == menuHandle) return record->menu;
    return nullptr;
}

template <typename Match>
void ItemDataList::removeIf(Match match) {
    MenuItemData* record = first;
    while (record != nullptr) {
        MenuItemData* next = record->next;
        if (match(*record)) {
            if (record->prev != nullptr)
                record->prev->next = next;
            else
                first = next;
            if (next != nullptr) next->prev = record->prev;
            delete record;
        }
        record = next;
    }
}

void ItemDataList::removeRecordsOf(HMENU menuHandle) {
    removeIf([menuHandle](const MenuItemData& record) { return record.menuHandle == menuHandle; });
}

void ItemDataList::removeRecordsOf(const OwnerDrawMenu* menu) {
    removeIf([menu](const MenuItemData& record) { return record.menu == menu; });
}

void ItemDataList::clear() {
    removeIf([](const MenuItemData&) { return true; });
}

}  // namespace trm
