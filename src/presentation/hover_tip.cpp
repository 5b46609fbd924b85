#include "presentation/hover_tip.h"

#include "menus/picture.h"
#include "model/menu_entry.h"
#include "presentation/menu_drawing.h"
#include "presentation/thumbnail_tip.h"
#include "presentation/tip_picture.h"
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
    if (!tip.image.empty()) {
        tip.showAtCursor();
    } else if (entry != nullptr) {
        // Loaded on a worker: a slow loader or extractor never holds the
        // menus, and the tip shows when the picture comes.
        const MenuStyle& style = app.drawing.styleAt(open.dpi);
        TipPictureRequest request{settings, entry->path, style.lengths, style.dpi,
                                  style.palette.colour(PaintRole::tip)};
        tip.ask([request] { return loadTipPicture(request); });
    }
}

}  // namespace trm
