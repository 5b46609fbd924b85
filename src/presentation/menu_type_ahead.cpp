#include "presentation/menu_type_ahead.h"

#include <vector>

#include "presentation/menu_item_info.h"

namespace trm {

namespace {

// Twice the double-click time: about a second with the system's defaults.
std::uint32_t typingDelay() {
    return 2 * static_cast<std::uint32_t>(::GetDoubleClickTime());
}

MENUITEMINFOA itemInfo(HMENU menu, int position, UINT mask) {
    MENUITEMINFOA info;
    readMenuItem(menu, position, mask, info);
    return info;
}

}  // namespace

LRESULT MenuTypeAhead::answer(HMENU menu, char typed, const ItemDataList& records) {
    const int count = ::GetMenuItemCount(menu);
    std::vector<TypeAheadItem> items;
    items.reserve(count > 0 ? static_cast<size_t>(count) : 0);
    int current = -1;
    for (int position = 0; position < count; ++position) {
        const MENUITEMINFOA info = itemInfo(menu, position, MIIM_DATA | MIIM_STATE);
        if ((info.fState & MFS_HILITE) && current == -1) current = position;
        const MenuItemData* record = records.find(info.dwItemData);
        TypeAheadItem item;
        item.selectable = record != nullptr && !record->isTitle && !record->isSeparator && !record->isColumnBreak;
        if (item.selectable && record->hasTextRow) item.name = record->label();
        items.push_back(std::move(item));
    }

    // When the key was typed, not when the answer is worked out: a busy
    // moment must not split one typed text in two.
    const std::uint32_t typedAt = static_cast<std::uint32_t>(::GetMessageTime());
    const std::string& text = prefix.add(typed, reinterpret_cast<std::uintptr_t>(menu), typedAt, typingDelay());
    const int target = typeAheadTarget(items, text, current);
    // The answer holds a 16-bit position: an item further down cannot be named.
    if (target < 0 || target > 0xFFFF) return MAKELRESULT(0, MNC_IGNORE);
    pendingMenu = menu;
    pendingPosition = target;
    return MAKELRESULT(target, MNC_SELECT);
}

void MenuTypeAhead::confirmSelection(HWND owner) {
    const HMENU menu = pendingMenu;
    const int position = pendingPosition;
    pendingMenu = nullptr;
    pendingPosition = -1;
    if (menu == nullptr || !::IsMenu(menu) || position >= ::GetMenuItemCount(menu)) return;
    if (itemInfo(menu, position, MIIM_STATE).fState & MFS_HILITE) return;
    // Wine's HiliteMenuItem moves the selection of a tracked popup menu.
    ::HiliteMenuItem(owner, menu, static_cast<UINT>(position), MF_BYPOSITION | MF_HILITE);
}

}  // namespace trm
