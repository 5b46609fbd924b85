#include "menus/menu_item_data.h"

#include <algorithm>
#include <iterator>

#include "menus/owner_draw_menu.h"

namespace trm {

MenuItemData* ItemDataList::takeSlot() {
    if (freeSlots != nullptr) {
        MenuItemData* slot = freeSlots;
        freeSlots = slot->next;
        *slot = MenuItemData();
        return slot;
    }
    if (filling == nullptr || filled == blockSize) {
        Block block(new MenuItemData[blockSize]);
        filling = block.get();
        filled = 0;
        blocks.insert(std::upper_bound(blocks.begin(), blocks.end(), block,
                                       [](const Block& a, const Block& b) { return a.get() < b.get(); }),
                      std::move(block));
    }
    return filling + filled++;
}

MenuItemData* ItemDataList::createItemData(OwnerDrawMenu& menu) {
    MenuItemData* record = takeSlot();
    record->inList = true;
    record->menu = &menu;
    record->xpStyle = menu.xpStyle;
    record->next = first;
    if (first != nullptr) first->prev = record;
    first = record;
    ++inUse;
    return record;
}

MenuItemData* ItemDataList::find(ULONG_PTR itemData) const {
    // Compared as numbers: the data of a foreign item may point anywhere.
    const auto after = std::upper_bound(
        blocks.begin(), blocks.end(), itemData,
        [](ULONG_PTR value, const Block& block) { return value < reinterpret_cast<ULONG_PTR>(block.get()); });
    if (after == blocks.begin()) return nullptr;
    MenuItemData* base = std::prev(after)->get();
    const ULONG_PTR offset = itemData - reinterpret_cast<ULONG_PTR>(base);
    if (offset % sizeof(MenuItemData) != 0 || offset / sizeof(MenuItemData) >= blockSize) return nullptr;
    MenuItemData* record = base + offset / sizeof(MenuItemData);
    return record->inList ? record : nullptr;
}

void ItemDataList::unlinkAndFree(MenuItemData* record) {
    if (record->prev != nullptr)
        record->prev->next = record->next;
    else
        first = record->next;
    if (record->next != nullptr) record->next->prev = record->prev;
    // The text goes now; the slot waits for the next record.
    *record = MenuItemData();
    record->next = freeSlots;
    freeSlots = record;
    if (--inUse == 0) {
        blocks.clear();
        filling = nullptr;
        freeSlots = nullptr;
    }
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
    if (MenuItemData* held = find(reinterpret_cast<ULONG_PTR>(record))) unlinkAndFree(held);
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
