#include "presentation/hover_tip.h"

#include "menus/picture.h"
#include "model/menu_entry.h"
#include "presentation/menu_metrics.h"
#include "presentation/thumbnail_tip.h"
#include "presentation/tip_picture.h"
#include "presentation/tracking_state.h"

namespace trm {

void startHoverTimer(HWND menuWindow, MenuEntry& entry) {
    TrackingState& state = tracking();
    if (&entry != state.hoveredEntry) {
        if (const HookApp* app = state.hookApp) app->tip.hide();
        UINT time = 200;
        ::SystemParametersInfoA(SPI_GETMOUSEHOVERTIME, 0, &time, 0);
        state.hoverTimer.start(menuWindow, hoverTimerId, time);
    }
    state.hoveredEntry = &entry;
}

void cancelHover() {
    TrackingState& state = tracking();
    if (const HookApp* app = state.hookApp) app->tip.hide();
    state.hoverTimer.stop();
    state.hoveredEntry = nullptr;
}

void hoverTimerFired(HWND window, const HookApp& app) {
    TrackingState& state = tracking();
    if (!state.hoverTimer.fired(window, hoverTimerId)) return;
    state.hoverTimer.stop();
    MenuEntry* entry = state.hoveredEntry;
    ThumbnailTip& tip = app.tip;
    const Settings& settings = app.settings;
    if (!tip.image.empty()) {
        tip.showAtCursor();
    } else if (entry != nullptr) {
        // Loaded on a worker: a slow loader or extractor never holds the
        // menus, and the tip shows when the picture comes.
        const MenuMetrics& metrics = MenuMetrics::Instance();
        TipPictureRequest request{settings, entry->path, metrics.lengths, metrics.dpi,
                                  metrics.palette.colour(PaintRole::tip)};
        tip.ask([request] { return loadTipPicture(request); });
    }
}

}  // namespace trm
