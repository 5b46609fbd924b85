#include "presentation/menu_window_rules.h"

#include <gtest/gtest.h>

#include "presentation/menu_frame.h"
#include "presentation/tip_layout.h"

namespace {

using trm::MouseOutStep;

TEST(MouseOut, NothingBeforeEnteringThenCloseOnceOutsideForTheDelay) {
    const struct {
        bool inside;
        int delay;
        bool pending;
        MouseOutStep step;
        bool enteredAfter;
    } steps[] = {
        {false, 300, false, MouseOutStep::nothing, false},  // never been over a menu
        {true, 300, false, MouseOutStep::cancelClose, true}, {false, 300, false, MouseOutStep::startClose, true},
        {false, 300, true, MouseOutStep::nothing, true},  // the running delay is not restarted
        {true, 300, true, MouseOutStep::cancelClose, true},  {false, 0, false, MouseOutStep::closeNow, true},
        {false, -5000, false, MouseOutStep::closeNow, true},
    };
    bool entered = false;
    for (const auto& step : steps) {
        EXPECT_EQ(trm::mouseOutStep(step.inside, entered, step.delay, step.pending), step.step)
            << step.inside << " " << step.delay << " " << step.pending;
        EXPECT_EQ(entered, step.enteredAfter);
    }
}

TEST(SubMenuShift, AwayFromTheParentButNeverOffItsMonitor) {
    const trm::ScreenBounds second{1024, 0, 2048, 768};
    EXPECT_EQ(trm::shiftedSubMenuLeft(1300, 100, 1200, 2, 3, second), 1305);  // opened to the right
    EXPECT_EQ(trm::shiftedSubMenuLeft(1100, 100, 1200, 2, 3, second), 1098);  // to the left
    EXPECT_EQ(trm::shiftedSubMenuLeft(1200, 100, 1200, 2, 3, second), 1198);  // same left edge: to the left
    EXPECT_EQ(trm::shiftedSubMenuLeft(1946, 100, 1800, 2, 3, second), 1946);  // would cross the right edge
    EXPECT_EQ(trm::shiftedSubMenuLeft(1025, 100, 1200, 2, 3, second), 1025);  // would cross the left edge
    EXPECT_EQ(trm::shiftedSubMenuLeft(1943, 100, 1800, 2, 3, second), 1948);  // just fits
}

TEST(RoundedFrame, RingsStopShortOfTheCornersByThreeFiveAndNine) {
    const auto lines = trm::roundedFrameLines(100, 80, 2, 2, true);
    // The top edge of each ring, innermost first.
    int ring = 0;
    const int stops[] = {3, 5, 9};
    const int rows[] = {2, 1, 0};
    for (const trm::FrameLine& line : lines) {
        if (line.fromY != line.toY || line.fromX != stops[ring] || line.toX != 100 - stops[ring]) continue;
        EXPECT_EQ(line.fromY, rows[ring]);
        EXPECT_EQ(line.pen, ring == 2 ? trm::FramePen::light : trm::FramePen::fill);
        if (++ring == 3) break;
    }
    EXPECT_EQ(ring, 3);
    // Without a background the inner rings keep only their corner steps.
    for (const trm::FrameLine& line : trm::roundedFrameLines(100, 80, 2, 2, false))
        EXPECT_NE(line.pen, trm::FramePen::fill);
}

TEST(MenuCorners, RoundOnlyWhereTheSystemDrawsTheFrame) {
    const struct {
        const char* looks;
        bool outline, rounded, flat, background, xp, dark;
        trm::MenuCorners corners;
    } cases[] = {
        {"default", true, false, false, true, false, false, trm::MenuCorners::round},
        {"dark outline", true, false, false, true, false, true, trm::MenuCorners::square},
        {"xp", true, false, false, true, true, false, trm::MenuCorners::square},
        {"flat", true, false, true, true, false, false, trm::MenuCorners::square},
        {"rounded", true, true, false, true, false, false, trm::MenuCorners::square},
        {"nobackground", true, false, false, false, false, false, trm::MenuCorners::square},
        {"nooutline", false, false, false, true, false, false, trm::MenuCorners::square},
    };
    for (const auto& looks : cases) {
        const trm::MenuFrame frame = trm::menuFrameOf(looks.outline, looks.rounded, looks.flat, looks.background);
        EXPECT_EQ(trm::menuCornersOf(frame, looks.xp, looks.dark), looks.corners) << looks.looks;
    }
}

TEST(TipLayout, ContentSizeFromThePictureTheThumbnailOrTheOverrides) {
    trm::TipContent content;
    EXPECT_EQ(trm::tipContentSize(content, trm::MenuLengths{}).width, 1);  // nothing at all: 1 x 0
    EXPECT_EQ(trm::tipContentSize(content, trm::MenuLengths{}).height, 0);
    content.hasThumbnail = true;
    content.thumbnail = {160, 120};
    EXPECT_EQ(trm::tipContentSize(content, trm::MenuLengths{}).width, 161);
    EXPECT_EQ(trm::tipContentSize(content, trm::MenuLengths{}).height, 123);
    content.hasPicture = true;  // the OLE picture wins
    content.picture = {40, 30};
    EXPECT_EQ(trm::tipContentSize(content, trm::MenuLengths{}).width, 41);
    content.heightOverride = 240;
    EXPECT_EQ(trm::tipContentSize(content, trm::MenuLengths{}).width, 41);
    EXPECT_EQ(trm::tipContentSize(content, trm::MenuLengths{}).height, 240);
    // Any size the options give stays a window's size, and placeable.
    content.widthOverride = 2147483647;
    content.heightOverride = -5;
    EXPECT_EQ(trm::tipContentSize(content, trm::MenuLengths{}).width, 32767);
    EXPECT_EQ(trm::tipContentSize(content, trm::MenuLengths{}).height, 0);
}

TEST(TipLayout, FlippedAtTheEdgesOfThePointsMonitor) {
    const trm::ScreenBounds second{1024, 0, 2048, 768};
    trm::TipPlacement placed = trm::placeTip({1100, 100}, {320, 240}, second, trm::MenuLengths{});
    EXPECT_EQ(placed.x, 1100);
    EXPECT_EQ(placed.y, 100);
    EXPECT_EQ(placed.width, 327);
    EXPECT_EQ(placed.height, 248);
    placed = trm::placeTip({1800, 600}, {320, 240}, second, trm::MenuLengths{});
    EXPECT_EQ(placed.x, 1800 - 320 - 32);
    EXPECT_EQ(placed.y, 600 - 240 - 34);
    // On the first monitor the same point would not flip sideways.
    placed = trm::placeTip({500, 600}, {320, 240}, {0, 0, 1024, 768}, trm::MenuLengths{});
    EXPECT_EQ(placed.x, 500);
}

TEST(TipLayout, DrawingSizeFromSettingsPictureOrThumbnail) {
    const trm::PixelSize picture{90, 60};
    auto size = trm::tipDrawingSize(320, 0, true, picture, 2, 3, trm::MenuLengths{});
    EXPECT_EQ(size.width, 320);
    EXPECT_EQ(size.height, 0);
    size = trm::tipDrawingSize(0, 0, true, picture, 2, 3, trm::MenuLengths{});
    EXPECT_EQ(size.width, 45);
    EXPECT_EQ(size.height, 20);
    size = trm::tipDrawingSize(0, 0, false, {}, 2, 3, trm::MenuLengths{});
    EXPECT_EQ(size.width, 160);
    EXPECT_EQ(size.height, 120);
    size = trm::tipDrawingSize(0, 0, true, picture, -2, 0, trm::MenuLengths{});  // no divisor turns the picture over
    EXPECT_EQ(size.width, 90);
    EXPECT_EQ(size.height, 60);
}

}  // namespace
