#include "presentation/monitor_bounds.h"

#include <windows.h>

namespace trm {

ScreenBounds monitorBounds(ScreenPoint point) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    HMONITOR monitor = ::MonitorFromPoint(POINT{point.x, point.y}, MONITOR_DEFAULTTONEAREST);
    if (monitor == nullptr || !::GetMonitorInfoA(monitor, &info)) {
        RECT screen{};
        ::GetWindowRect(::GetDesktopWindow(), &screen);
        return {screen.left, screen.top, screen.right, screen.bottom};
    }
    return {info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
}

}  // namespace trm
