// The record behind every owner-drawn menu item, and the registry of all
// live records: an item's data is trusted only when it is found there.
#pragma once

#include <windows.h>
#include <ocidl.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/cstring.h"

namespace trm {

class OwnerDrawMenu;

struct MenuItemData {
    MenuItemData* next = nullptr;  // older record
    MenuItemData* prev = nullptr;  // newer record
    OwnerDrawMenu* menu = nullptr;
    HMENU menuHandle = nullptr;
    HMENU subMenu = nullptr;
    // Icons and the picture are borrowed from the icon cache and the entry.
    HICON icon = nullptr;
    HICON selectedIcon = nullptr;
    IPicture* titlePicture = nullptr;
    // The label: lent by the entry or folder the item shows, which outlives
    // its menus, or held here (titles, marks). Lending spares a copy of every
    // name on the heap.
    const CString* lentText = nullptr;
    std::unique_ptr<CString> heldText;
    // Icon sizes fit in 16 bits; every byte counts once per item of a large folder.
    int16_t iconWidth = 0;
    int16_t iconHeight = 0;
    int16_t selectedIconWidth = 0;
    int16_t selectedIconHeight = 0;
    int pictureLeft = 0;
    int pictureTop = 0;
    int pictureRight = 0;
    int pictureBottom = 0;
    int rowHeight = 0;
    bool xpStyle = false;
    bool isTitle = false;
    bool titleBackground = true;
    bool titleOutline = true;
    bool isSideTitle = false;
    bool isSeparator = false;
    bool isColumnBreak = false;
    bool isTitleColumnBreak = false;  // the zero-height break after a side title
    bool hasIcons = false;
    bool selectedIconLate = false;  // selectedIcon still to be asked for when first drawn highlighted
    bool hasTextRow = true;
    bool inList = false;  // held by the list, not a free slot

    const CString& label() const {
        static const CString noText;
        return lentText != nullptr ? *lentText : heldText != nullptr ? *heldText : noText;
    }
    void holdText(const CString& text) {
        lentText = nullptr;
        heldText = text.empty() ? nullptr : std::make_unique<CString>(text);
    }
};

// Newest first. Owns its records: whatever is left is freed with the list.
//
// Records are slots of blocks rather than one allocation each, and an item's
// data is ours when it names a slot in use: a heap block and a hash-set node
// per record would cost more than the record itself (bench/NOTES.md).
class ItemDataList {
public:
    ItemDataList() = default;
    ~ItemDataList() { clear(); }
    ItemDataList(const ItemDataList&) = delete;
    ItemDataList& operator=(const ItemDataList&) = delete;

    MenuItemData* createItemData(OwnerDrawMenu& menu);

    // The record an item's data points to, or null when it is none of ours.
    MenuItemData* find(ULONG_PTR itemData) const;

    void remove(const MenuItemData* record);
    void removeRecordsOf(HMENU menuHandle);
    void removeRecordsOf(const OwnerDrawMenu* menu);
    void clear();

    MenuItemData* head() const { return first; }

private:
    // A block is small beside a menu's windows, and a large menu needs few.
    static constexpr size_t blockSize = 256;
    using Block = std::unique_ptr<MenuItemData[]>;

    template <typename Match>
    void removeIf(Match match);
    void unlinkAndFree(MenuItemData* record);
    MenuItemData* takeSlot();

    MenuItemData* first = nullptr;
    // Ordered by address, so that find is a bisection; the last one made is
    // filled first.
    std::vector<Block> blocks;
    MenuItemData* filling = nullptr;    // the block slots are taken from
    size_t filled = 0;                  // slots of `filling` taken so far
    MenuItemData* freeSlots = nullptr;  // released slots, chained by `next`
    size_t inUse = 0;
};

}  // namespace trm
