#include "presentation/menu_dpi_rules.h"

#include <cstdint>
#include <limits>

namespace trm {

namespace {

// How far apart two spans are along one axis; 0 when they overlap or touch.
std::int64_t gap(int from, int to, int otherFrom, int otherTo) {
    if (to <= otherFrom) return std::int64_t{otherFrom} - to;
    if (otherTo <= from) return std::int64_t{from} - otherTo;
    return 0;
}

std::int64_t overlap(int from, int to, int otherFrom, int otherTo) {
    const std::int64_t length = std::int64_t{to < otherTo ? to : otherTo} - (from > otherFrom ? from : otherFrom);
    return length > 0 ? length : 0;
}

// The squared distance between two rectangles, each right and bottom exclusive.
std::int64_t distance(const ScreenBounds& a, const ScreenBounds& b) {
    const std::int64_t across = gap(a.left, a.right, b.left, b.right);
    const std::int64_t down = gap(a.top, a.bottom, b.top, b.bottom);
    return across * across + down * down;
}

// The DPI of the monitor sharing most of `area` with it, else of the nearest;
// among equals the first, which the layout makes the primary monitor.
int dpiFor(const MonitorLayout& monitors, const ScreenBounds& area, int fallbackDpi) {
    const MonitorArea* best = nullptr;
    std::int64_t bestShared = 0;
    for (const MonitorArea& monitor : monitors) {
        const ScreenBounds& m = monitor.bounds;
        const std::int64_t shared =
            overlap(m.left, m.right, area.left, area.right) * overlap(m.top, m.bottom, area.top, area.bottom);
        if (shared > bestShared) {
            best = &monitor;
            bestShared = shared;
        }
    }
    if (best == nullptr) {
        std::int64_t nearest = std::numeric_limits<std::int64_t>::max();
        for (const MonitorArea& monitor : monitors) {
            const std::int64_t away = distance(monitor.bounds, area);
            if (away < nearest) {
                best = &monitor;
                nearest = away;
            }
        }
    }
    return best != nullptr && best->dpi > 0 ? best->dpi : fallbackDpi;
}

}  // namespace

int rootMenuDpi(const MonitorLayout& monitors, ScreenPoint anchor, int fallbackDpi) {
    for (const MonitorArea& monitor : monitors) {
        const ScreenBounds& m = monitor.bounds;
        if (m.left <= anchor.x && anchor.x < m.right && m.top <= anchor.y && anchor.y < m.bottom)
            return monitor.dpi > 0 ? monitor.dpi : fallbackDpi;
    }
    // Off every monitor: an empty area there shares nothing, so the nearest wins.
    return dpiFor(monitors, ScreenBounds{anchor.x, anchor.y, anchor.x, anchor.y}, fallbackDpi);
}

int subMenuDpi(const MonitorLayout& monitors, ScreenBounds parentWindow, int fallbackDpi) {
    return dpiFor(monitors, parentWindow, fallbackDpi);
}

bool mustMeasureAgain(int measuredDpi, int dpi) {
    return measuredDpi != 0 && measuredDpi != dpi;
}

}  // namespace trm
