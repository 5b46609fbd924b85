#include <gtest/gtest.h>

#include "app/anchor_point.h"
#include "app/shell_windows.h"

namespace {

const trm::ScreenBounds screen{0, 0, 1024, 768};

// The anchor as the run takes it: chosen, then snapped to its monitor's edges.
trm::ScreenPoint anchorPoint(trm::ScreenPoint atStart, trm::ScreenPoint now, const trm::Settings& settings) {
    return trm::snapToScreenEdges(trm::chosenAnchor(atStart, now, settings), screen);
}

TEST(AnchorPoint, ThePointerNowUnlessAppearwhererun) {
    trm::Settings settings;
    const trm::ScreenPoint start{100, 200}, now{300, 400};
    trm::ScreenPoint p = anchorPoint(start, now, settings);
    EXPECT_EQ(p.x, 300);
    EXPECT_EQ(p.y, 400);
    settings.appearwhererun = true;
    p = anchorPoint(start, now, settings);
    EXPECT_EQ(p.x, 100);
    EXPECT_EQ(p.y, 200);
}

TEST(AnchorPoint, FixedCoordinatesPerAxis) {
    trm::Settings settings;
    settings.appearatxset = true;
    settings.appearatx = 500;
    trm::ScreenPoint p = anchorPoint({1, 1}, {300, 400}, settings);
    EXPECT_EQ(p.x, 500);
    EXPECT_EQ(p.y, 400);
}

TEST(AnchorPoint, PointsNearAnEdgeSnapToIt) {
    trm::Settings settings;
    settings.appearatxset = settings.appearatyset = true;
    settings.appearatx = settings.appearaty = 5;
    trm::ScreenPoint p = anchorPoint({}, {}, settings);
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.y, 0);
    settings.appearatx = 10000;
    settings.appearaty = 740;
    p = anchorPoint({}, {}, settings);
    EXPECT_EQ(p.x, 1024);
    EXPECT_EQ(p.y, 768);
    settings.appearatx = 32;
    settings.appearaty = 736;
    p = anchorPoint({}, {}, settings);
    EXPECT_EQ(p.x, 32);
    EXPECT_EQ(p.y, 736);
    settings.appearatx = -50;
    p = anchorPoint({}, {}, settings);
    EXPECT_EQ(p.x, 0);
}

TEST(AnchorPoint, EdgesAreThoseOfThePointsMonitor) {
    const trm::ScreenBounds second{1024, 0, 2048, 768};
    trm::ScreenPoint p = trm::snapToScreenEdges({1040, 10}, second);
    EXPECT_EQ(p.x, 1024);
    EXPECT_EQ(p.y, 0);
    p = trm::snapToScreenEdges({2030, 400}, second);
    EXPECT_EQ(p.x, 2048);
    EXPECT_EQ(p.y, 400);
    p = trm::snapToScreenEdges({1100, 400}, second);
    EXPECT_EQ(p.x, 1100);
}

TEST(ShellWindows, AnyVisibleWindowButMenusTooltipsAndTheLaunchersOwnKeepsTheProcess) {
    const struct {
        trm::TopWindowFacts window;
        bool keeps;
    } cases[] = {
        {{"#32770", true, false}, true},             // a property sheet, whatever its buttons
        {{"SomeHandlerWindow", true, false}, true},  // whatever else the shell put up
        {{"#32770", false, false}, false},           // hidden
        {{"#32768", true, false}, false},            // a menu
        {{"tooltips_class32", true, false}, false},
        {{"ToolTip", true, true}, false},  // the launcher's own host window and tip
    };
    for (const auto& c : cases) EXPECT_EQ(trm::keepsProcessAlive(c.window), c.keeps) << c.window.className;
}

}  // namespace
