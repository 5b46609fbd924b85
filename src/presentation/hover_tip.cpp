#include "presentation/hover_tip.h"

#include "menus/picture.h"
#include "model/menu_entry.h"
#include "presentation/menu_drawing.h"
#include "presentation/thumbnail_tip.h"
#include "presentation/tip_layout.h"
#include "presentation/tracking_state.h"

namespace trm {

void startHoverTimer(HoverState& state, ThumbnailTip& tip, HWND menuWindow, MenuEntry& entry) {
    if (&entry != state.hoveredEntry) {
        tip.hide();
        UINT time = 200;
        ::SystemParametersInfoA(SPI_GETMOUSEHOVERTIME, 0, &time, 0);
        state.hoverTimer.start(menuWindow, hoverTimerId, time);
    }
    state.hoveredEntry = &entry;
}

void cancelHover(HoverState& state, ThumbnailTip& tip) {
    tip.hide();
    state.hoverTimer.stop();
    state.hoveredEntry = nullptr;
}

void hoverTimerFired(HoverState& state, const OpenMenuWindow& open, const HookApp& app) {
    if (!state.hoverTimer.fired(open.window, hoverTimerId)) return;
    state.hoverTimer.stop();
    MenuEntry* entry = state.hoveredEntry;
    ThumbnailTip& tip = app.tip;
    const Settings& settings = app.settings;
    if (tip.image.empty() && entry != nullptr) {
        loadPicture(settings, entry->path, tip.image);
        const SIZE own = pixelSize(tip.image.picture.get());
        // The tooltip's sizes are pixels at 100 % scaling, like every length;
        // a picture shown at its own size keeps it.
        const MenuStyle& style = app.drawing.styleAt(open.dpi);
        const PixelSize drawn = tipDrawingSize(scaledLength(settings.dothumbnailsontooltipsizex, style.dpi),
                                               scaledLength(settings.dothumbnailsontooltipsizey, style.dpi),
                                               static_cast<bool>(tip.image.picture), {own.cx, own.cy},
                                               settings.imagereductionx, settings.imagereductiony, style.lengths);
        tip.widthOverride = drawn.width;
        tip.heightOverride = drawn.height;
    }
    if (!tip.image.empty() && state.hoveredEntry == entry) tip.showAtCursor();
}

}  // namespace trm
