#include "presentation/menu_metrics.h"

#include "common/display_dpi.h"
#include "common/win_text.h"
#include "menus/menu_system_metrics.h"
#include "menus/picture.h"
#include "presentation/item_geometry.h"

namespace trm {
namespace {

LOGFONTW uprightTitleFont(LONG height) {
    LOGFONTW font{};
    font.lfHeight = height;
    font.lfEscapement = 900;
    font.lfOrientation = 900;
    font.lfWeight = FW_NORMAL;
    lstrcpyW(font.lfFaceName, L"Arial");
    return font;
}

// Text extents measured on a DC compatible with the whole screen. It is
// made once: a screen DC per item is slow to get from Wine, and a folder of
// thousands of files would pay for it on every start.
class ScreenTextExtents : public MenuTextExtents {
public:
    explicit ScreenTextExtents(const MenuMetrics& metrics) : metrics(metrics), screen(metrics.measuringDC) {}

    TextSize labelSize(const std::string& label) override {
        SelectedObject font(screen.get(), metrics.menuFont.get());
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
    int titleFontHeight(const std::string& text) override { return heightIn(metrics.titleFont.get(), text); }
    int verticalTitleFontHeight(const std::string& text) override {
        return heightIn(metrics.verticalTitleFont.get(), text);
    }

private:
    int heightIn(HFONT font, const std::string& text) {
        SelectedObject selected(screen.get(), font);
        SIZE extent{};
        const std::wstring wide = wideOf(text);
        ::GetTextExtentPoint32W(screen.get(), wide.c_str(), static_cast<int>(wide.size()), &extent);
        return extent.cy;
    }

    const MenuMetrics& metrics;
    const MemoryDC& screen;
};

}  // namespace

MenuMetrics::MenuMetrics() : dpi(displayDpi()), lengths(menuLengthsAt(dpi)) {
    NONCLIENTMETRICSW metrics;
    if (!nonClientMetricsForDpi(metrics, dpi)) return;
    menuFont.reset(::CreateFontIndirectW(&metrics.lfMenuFont));
    titleFont.reset(::CreateFontIndirectW(&metrics.lfStatusFont));
    const LOGFONTW upright = uprightTitleFont(metrics.lfStatusFont.lfHeight);
    verticalTitleFont.reset(::CreateFontIndirectW(&upright));
}

MenuMetrics& MenuMetrics::Instance() {
    static MenuMetrics instance;
    return instance;
}

void MenuMetrics::SetImageReduction(int x, int y) {
    if (x != 0) reductionX = x;
    if (y != 0) reductionY = y;
}

int MenuMetrics::MeasureItem(MEASUREITEMSTRUCT* request) {
    if (request == nullptr || request->CtlType != ODT_MENU) return 0;
    MenuItemData* record = itemDataList.find(request->itemData);
    if (record == nullptr) return 0;
    OwnerDrawMenu& menu = *record->menu;
    menu.lastItemRect = RECT{};

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
    state.maxCheckWidth = menu.maxCheckWidth;
    state.maxCheckHeight = menu.maxCheckHeight;
    state.hasTitle = menu.hasTitle != 0;
    state.isSideTitle = menu.isSideTitle != 0;
    state.maxWidth = menu.maxWidth;
    state.clampedTextWidth = menu.clampedTextWidth;
    ItemLayout layout{record->rowHeight, record->pictureLeft, record->pictureTop, record->pictureRight,
                      record->pictureBottom};
    const MenuSystemMetrics system{menuSystemSizes().checkWidth, menuSystemSizes().menuHeight, lengths};
    ScreenTextExtents extents(*this);

    const TextSize size = measureItem(item, system, extents, state, layout);

    menu.maxWidth = state.maxWidth;
    menu.clampedTextWidth = state.clampedTextWidth;
    record->rowHeight = layout.rowHeight;
    record->pictureLeft = layout.pictureLeft;
    record->pictureTop = layout.pictureTop;
    record->pictureRight = layout.pictureRight;
    record->pictureBottom = layout.pictureBottom;
    // A side title in a font under 10 pixels would come out negative, which
    // the unsigned field would turn into a menu wider than any screen.
    request->itemWidth = static_cast<UINT>(size.width > 0 ? size.width : 0);
    request->itemHeight = static_cast<UINT>(size.height > 0 ? size.height : 0);
    return 1;
}

}  // namespace trm
