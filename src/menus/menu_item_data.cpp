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
    members.insert(record);
    return record;
}

MenuItemData* ItemDataList::find(ULONG_PTR itemData) const {
    auto* record = reinterpret_cast<MenuItemData*>(itemData);
    return members.count(record) != 0 ? record : nullptr;
}

OwnerDrawMenu* ItemDataList::findMenuByHandle(HMENU menuHandle) const {
    for (MenuItemData* record = first; record != nullptr; record = record->next)
        if (record->menuHandle == menuHandle) return record->menu;
    return nullptr;
}

void ItemDataList::unlinkAndFree(MenuItemData* record) {
    if (record->prev != nullptr)
        record->prev->next = record->next;
    else
        first = record->next;
    if (record->next != nullptr) record->next->prev = record->prev;
    members.erase(record);
    delete record;
}

template <typename Match>
void ItemDataList::removeIf(Match match) {
    MenuItemData* record = first;
    while (record != nullptr) {
        MenuItemData* next = record->next;
        if (match(*record)) unlinkAndFree(record);
        record = next;
    }
}

void ItemDataList::remove(const MenuItemData* record) {
    if (members.count(record) != 0) unlinkAndFree(const_cast<MenuItemData*>(record));
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
