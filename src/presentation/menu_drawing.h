// Answers the system's measuring and painting requests for one run's menus:
// each item from its record, in the style of the DPI its menu is shown at,
// with the run's picture reductions and presentation switches.
#pragma once

#include <windows.h>

#include <unordered_map>

#include "menus/menu_item_data.h"
#include "menus/owner_draw_menu.h"
#include "model/icon_service.h"
#include "presentation/menu_layout.h"
#include "presentation/menu_style.h"
#include "presentation/menu_styles.h"

namespace trm {

// How labels are measured and drawn. Names are shown as they are: an "&" is
// drawn, not taken as the mark of an underlined key (the items have none).
const UINT labelFormat = DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;

class MenuDrawing {
public:
    // Both are the run's and outlive this.
    MenuDrawing(ItemDataList& records, MenuStyles& styles) : records(records), styles(styles) {}
    MenuDrawing(const MenuDrawing&) = delete;
    MenuDrawing& operator=(const MenuDrawing&) = delete;

    // A 0 keeps the divisor as it was.
    void SetImageReduction(int x, int y);
    void SetGradientTitles(bool on) { gradientTitles = on; }
    void SetPaintBackgrounds(bool on) { paintBackgrounds = on; }

    // Both return 1 when the request was for one of the registered items,
    // else 0 without touching anything. An item first drawn highlighted
    // takes its highlighted icon, if it waits for one, from `icons`.
    int MeasureItem(MEASUREITEMSTRUCT* request);
    int DrawItem(DRAWITEMSTRUCT* request, IconService* icons = nullptr);

    // The style a menu takes when first measured or painted: the display's,
    // where the system-aware program shows every menu.
    MenuStyle& style() { return styles.shown(); }
    MenuStyle& styleAt(int dpi) { return styles.at(dpi); }

    // The menu's layout, made in the style when first asked for; one made
    // for a native menu since destroyed starts afresh.
    MenuLayout& layoutOf(const OwnerDrawMenu& menu);
    // The menu is to show at `dpi`: it is measured in that DPI's style from
    // now on. True when its items were measured at another DPI, so that the
    // system must be made to measure them again.
    bool showAt(const OwnerDrawMenu& menu, int dpi);
    // Drops every layout, once the run's menus are gone.
    void forgetLayouts() { layouts.clear(); }

private:
    void paintTitle(const DRAWITEMSTRUCT& request, const MenuItemData& record, MenuLayout& layout) const;
    void paintColumnBreak(const DRAWITEMSTRUCT& request, const MenuItemData& record, const MenuLayout& layout) const;
    void paintItem(const DRAWITEMSTRUCT& request, const MenuItemData& record, const MenuLayout& layout) const;

    ItemDataList& records;
    MenuStyles& styles;
    int reductionX = 0;
    int reductionY = 0;
    bool gradientTitles = false;
    bool paintBackgrounds = true;
    std::unordered_map<const OwnerDrawMenu*, MenuLayout> layouts;
};

}  // namespace trm
