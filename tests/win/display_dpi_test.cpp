// The per-monitor lookups under Wine, which gives every monitor the
// prefix's one DPI: whatever the path taken, each answers the system's DPI.
#include "common/display_dpi.h"

#include <windows.h>
#include <gtest/gtest.h>

#include "presentation/menu_dpi_rules.h"

namespace {

struct Window {
    HWND handle = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 10, 10, 50, 50, nullptr, nullptr, nullptr, nullptr);
    ~Window() {
        if (handle) ::DestroyWindow(handle);
    }
};

TEST(DisplayDpi, MonitorsAndWindowsAnswerTheSystemsDpi) {
    const trm::MonitorLayout monitors = trm::monitorLayout();
    ASSERT_FALSE(monitors.empty());
    MONITORINFO primary{};
    primary.cbSize = sizeof primary;
    ASSERT_TRUE(::GetMonitorInfoW(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &primary));
    const trm::ScreenBounds& first = monitors.front().bounds;
    EXPECT_EQ(first.left, primary.rcMonitor.left);
    EXPECT_EQ(first.top, primary.rcMonitor.top);
    EXPECT_EQ(first.right, primary.rcMonitor.right);
    EXPECT_EQ(first.bottom, primary.rcMonitor.bottom);

    const int system = trm::displayDpi();
    const POINT centre{(first.left + first.right) / 2, (first.top + first.bottom) / 2};
    EXPECT_EQ(trm::monitorDpiAt(centre), system);
    EXPECT_EQ(trm::monitorDpiAt(POINT{-100000, -100000}), system);  // off every monitor: the nearest
    EXPECT_EQ(trm::rootMenuDpi(monitors, {centre.x, centre.y}, 0), system);

    const Window window;
    ASSERT_NE(window.handle, nullptr);
    EXPECT_EQ(trm::windowDpi(window.handle), system);
}

}  // namespace
