// The process-wide drawing state of the menus: the shared fonts, the item
// record registry, the picture reductions and the presentation switches;
// answers the system's measuring and painting requests.
#pragma once

#include <windows.h>

#include <utility>

#include "common/gdi_handles.h"
#include "common/menu_lengths.h"
#include "menus/menu_item_data.h"
#include "menus/owner_draw_menu.h"
#include "model/icon_service.h"
#include "presentation/palette.h"

namespace trm {

// How labels are measured and drawn. Names are shown as they are: an "&" is
// drawn, not taken as the mark of an underlined key (the items have none).
const UINT labelFormat = DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;

class MenuMetrics {
public:
    // The fonts come from the non-client metrics for the display's DPI as
    // they are now; later changes of the system settings are not followed.
    MenuMetrics();
    // Frees the records left in itemDataList, then the fonts.
    ~MenuMetrics() = default;
    MenuMetrics(const MenuMetrics&) = delete;
    MenuMetrics& operator=(const MenuMetrics&) = delete;

    // The program's one instance, made on first use and kept to process exit.
    static MenuMetrics& Instance();

    // A 0 keeps the divisor as it was.
    void SetImageReduction(int x, int y);
    void SetGradientTitles(bool on) { gradientTitles = on; }
    void SetPaintBackgrounds(bool on) { paintBackgrounds = on; }
    // The colours of the run, chosen once at start.
    void SetPalette(Palette chosen) { palette = std::move(chosen); }

    MenuItemData* createItemData(OwnerDrawMenu& menu) { return itemDataList.createItemData(menu); }

    // Both return 1 when the request was for one of the registered items,
    // else 0 without touching anything. An item first drawn highlighted
    // takes its highlighted icon, if it waits for one, from `icons`.
    int MeasureItem(MEASUREITEMSTRUCT* request);
    int DrawItem(DRAWITEMSTRUCT* request, IconService* icons = nullptr);

    // The DPI the menus are drawn at, and the launcher's lengths at it.
    const int dpi;
    const MenuLengths lengths;
    Palette palette;
    FontHandle menuFont;
    FontHandle titleFont;
    FontHandle verticalTitleFont;  // Arial at the status font's height, running upwards
    ItemDataList itemDataList;
    // Where labels are measured: the screen's metrics, kept for the process.
    MemoryDC measuringDC{nullptr};
    int reductionX = 0;
    int reductionY = 0;
    bool gradientTitles = false;
    bool paintBackgrounds = true;

private:
    void paintTitle(const DRAWITEMSTRUCT& request, MenuItemData& record) const;
    void paintColumnBreak(const DRAWITEMSTRUCT& request, const MenuItemData& record) const;
    void paintItem(const DRAWITEMSTRUCT& request, const MenuItemData& record) const;
    void paintSubMenuArrow(HDC dc, const RECT& item, COLORREF colour) const;
};

}  // namespace trm
