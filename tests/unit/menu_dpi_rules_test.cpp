#include "presentation/menu_dpi_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(MenuDpi, EachMenuAtItsMonitorsScalingAndMeasuredAgainWhenThatChanged) {
    // 100 % on the left, 150 % to its right and taller.
    const trm::MonitorLayout desk{{{0, 0, 1920, 1080}, 96}, {{1920, 0, 4800, 1620}, 144}};
    const struct {
        const char* what;
        bool root;  // the root's anchor is the area's top left corner
        trm::ScreenBounds area;
        int measuredBefore;
        int dpi;
        bool again;
    } menus[] = {
        {"root on the 100 % monitor", true, {500, 500}, 0, 96, false},
        {"root on the 150 % monitor", true, {3000, 800}, 0, 144, false},
        {"root on the first column of the 150 % one", true, {1920, 0}, 0, 144, false},
        {"root right of every monitor", true, {5000, 100}, 0, 144, false},
        {"root below both, nearer the 150 % one", true, {1900, 1300}, 0, 144, false},
        {"root above and left of both", true, {-50, -900}, 0, 96, false},
        {"sub-menu of a menu on the 100 % monitor", false, {1700, 100, 1910, 600}, 0, 96, false},
        {"sub-menu of a menu on the 150 % monitor", false, {2000, 100, 2300, 600}, 0, 144, false},
        {"parent crossing, mostly on the 150 % one", false, {1800, 100, 2100, 600}, 0, 144, false},
        {"parent crossing, mostly on the 100 % one", false, {1700, 100, 2000, 600}, 0, 96, false},
        {"parent wider on the 100 % one but larger on the 150 %", false, {1820, 0, 2000, 1500}, 0, 144, false},
        {"parent off every monitor", false, {-400, 200, -100, 500}, 0, 96, false},
        {"measured at 96, now shown at 150 %", false, {2000, 100, 2300, 600}, 96, 144, true},
        {"measured at 144, shown there again", true, {3000, 800}, 144, 144, false},
    };
    for (const auto& menu : menus) {
        const int dpi = menu.root ? trm::rootMenuDpi(desk, {menu.area.left, menu.area.top}, 120)
                                  : trm::subMenuDpi(desk, menu.area, 120);
        EXPECT_EQ(dpi, menu.dpi) << menu.what;
        EXPECT_EQ(trm::mustMeasureAgain(menu.measuredBefore, dpi), menu.again) << menu.what;
    }
    // Without monitors to ask, the system's DPI.
    EXPECT_EQ(trm::rootMenuDpi({}, {10, 10}, 120), 120);
    EXPECT_EQ(trm::subMenuDpi({}, {0, 0, 100, 100}, 120), 120);
}

}  // namespace
