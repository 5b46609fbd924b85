#include "presentation/menu_drawing.h"

#include <algorithm>

#include "common/display_dpi.h"
#include "common/win_text.h"
#include "menus/picture.h"
#include "presentation/item_geometry.h"
#include "presentation/menu_dpi_rules.h"

namespace trm {
namespace {

// Text extents measured on a DC compatible with the whole screen. It is
// made once per style: a screen DC per item is slow to get from Wine, and a
// folder of thousands of files would pay for it on every start.
class ScreenTextExtents : public MenuTextExtents {
public:
    explicit ScreenTextExtents(const MenuStyle& style) : style(style), screen(style.measuringDC) {}

    TextSize labelSize(const std::string& label) override {
        SelectedObject font(screen.get(), style.menuFont.get());
        // Without tabs to expand, the text extent is what DrawText would
        // compute, at a fraction of its cost.
        const std::wstring wide = wideOf(label);
        if (!wide.empty() && wide.find(L'\t') == std::wstring::npos) {
            SIZE size{};
            ::GetTextExtentPoint32W(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
            return {size.cx, size.cy};
        }
        RECT extent{};
        ::DrawTextW(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &extent, DT_CALCRECT | labelFormat);
        return {extent.right - extent.left, extent.bottom - extent.top};
    }
    int titleFontHeight(const std::string& text) override { return heightIn(style.titleFont.get(), text); }
    int verticalTitleFontHeight(const std::string& text) override {
        return heightIn(style.verticalTitleFont.get(), text);
    }

private:
    int heightIn(HFONT font, const std::string& text) {
        SelectedObject selected(screen.get(), font);
        SIZE extent{};
        const std::wstring wide = wideOf(text);
        ::GetTextExtentPoint32W(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &extent);
        return extent.cy;
    }

    const MenuStyle& style;
    const MemoryDC& screen;
};

}  // namespace

int MenuLayout::iconColumnWidth(const OwnerDrawMenu& menu) const {
    return std::max(menu.maxCheckWidth, style->sizes.checkWidth);
}

int MenuLayout::iconColumnHeight(const OwnerDrawMenu& menu) const {
    return std::max(menu.maxCheckHeight, style->sizes.checkHeight);
}

namespace {

// A layout of `menu` in `style`, before any of its items is measured.
MenuLayout freshLayout(const OwnerDrawMenu& menu, const MenuStyle& style) {
    MenuLayout layout;
    layout.style = &style;
    layout.handle = menu.GetSafeHmenu();
    // maxmenuwidth was scaled for the display's DPI.
    layout.maxWidth = menu.maxWidth == -1 ? -1 : ::MulDiv(menu.maxWidth, style.dpi, displayDpi());
    return layout;
}

}  // namespace

MenuLayout& MenuDrawing::layoutOf(const OwnerDrawMenu& menu) {
    MenuLayout& layout = layouts[&menu];
    if (layout.style == nullptr || layout.handle != menu.GetSafeHmenu()) layout = freshLayout(menu, style());
    return layout;
}

bool MenuDrawing::showAt(const OwnerDrawMenu& menu, int dpi) {
    MenuLayout& layout = layoutOf(menu);
    if (layout.style->dpi == dpi) return false;
    const bool again = mustMeasureAgain(layout.measuredDpi, dpi);
    // What measuring settled at the other DPI does not hold at this one.
    layout = freshLayout(menu, styles.at(dpi));
    return again;
}

void MenuDrawing::SetImageReduction(int x, int y) {
    if (x != 0) reductionX = x;
    if (y != 0) reductionY = y;
}

int MenuDrawing::MeasureItem(MEASUREITEMSTRUCT* request) {
    if (request == nullptr || request->CtlType != ODT_MENU) return 0;
    MenuItemData* record = records.find(request->itemData);
    if (record == nullptr) return 0;
    const OwnerDrawMenu& menu = *record->menu;
    MenuLayout& layout = layoutOf(menu);
    layout.lastItemRect = RECT{};
    layout.measuredDpi = layout.style->dpi;

    ItemToMeasure item;
    item.kind = measuredKindOf(record->isTitle, record->isSideTitle, record->isSeparator, record->isColumnBreak);
    item.label = record->label();
    item.hasTextRow = record->hasTextRow != 0;
    item.hasSubMenu = record->subMenu != nullptr;
    if (record->titlePicture != nullptr) {
        item.hasPicture = true;
        const SIZE pixels = pixelSize(record->titlePicture);
        const TextSize reduced = reducedPictureSize(pixels.cx, pixels.cy, reductionX, reductionY);
        item.pictureWidth = reduced.width;
        item.pictureHeight = reduced.height;
    }

    MenuMeasureState state;
    state.maxCheckWidth = layout.iconColumnWidth(menu);
    state.maxCheckHeight = layout.iconColumnHeight(menu);
    state.hasTitle = menu.hasTitle != 0;
    state.isSideTitle = menu.isSideTitle != 0;
    state.maxWidth = layout.maxWidth;
    state.clampedTextWidth = layout.clampedTextWidth;
    ItemLayout rows{record->rowHeight, record->pictureLeft, record->pictureTop, record->pictureRight,
                    record->pictureBottom};
    const MenuStyle& style = *layout.style;
    const MenuSystemMetrics system{style.sizes.checkWidth, style.sizes.menuHeight, style.lengths};
    ScreenTextExtents extents(style);

    const TextSize size = measureItem(item, system, extents, state, rows);

    layout.maxWidth = state.maxWidth;
    layout.clampedTextWidth = state.clampedTextWidth;
    record->rowHeight = rows.rowHeight;
    record->pictureLeft = rows.pictureLeft;
    record->pictureTop = rows.pictureTop;
    record->pictureRight = rows.pictureRight;
    record->pictureBottom = rows.pictureBottom;
    // A side title in a font under 10 pixels would come out negative, which
    // the unsigned field would turn into a menu wider than any screen.
    request->itemWidth = static_cast<UINT>(size.width > 0 ? size.width : 0);
    request->itemHeight = static_cast<UINT>(size.height > 0 ? size.height : 0);
    return 1;
}

}  // namespace trm
