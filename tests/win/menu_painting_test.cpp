// MenuDrawing::DrawItem into a memory bitmap: every kind of item in every
// look, checked pixel by pixel against the system colours.
#include <windows.h>
#include <gtest/gtest.h>
#include <olectl.h>

#include "menu_test_support.h"
#include "menus/owner_draw_menu.h"
#include "presentation/item_geometry.h"

namespace {

using menutest::Canvas;
using menutest::sys;
using trm::MenuItemData;
using trm::OwnerDrawMenu;

const auto* const colours = ::testing::AddGlobalTestEnvironment(new menutest::DistinctSystemColours);

bool gradientCaptions() {
    BOOL on = FALSE;
    ::SystemParametersInfoA(SPI_GETGRADIENTCAPTIONS, 0, &on, 0);
    return on != FALSE;
}

void setGradientCaptions(bool on) {
    ::SystemParametersInfoA(SPI_SETGRADIENTCAPTIONS, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(on)), 0);
}

class PaintTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(menu.CreatePopupMenu());
        systemGradient = gradientCaptions();
    }
    void TearDown() override { setGradientCaptions(systemGradient); }

    int paint(UINT position, RECT item, UINT state = 0) {
        DRAWITEMSTRUCT request =
            menutest::drawRequest(canvas.hdc(), menutest::itemDataAt(menu.m_hMenu, position), item, state);
        return metrics.DrawItem(&request);
    }
    MenuItemData& record(UINT position) {
        return *reinterpret_cast<MenuItemData*>(menutest::itemDataAt(menu.m_hMenu, position));
    }
    // Where the painter puts labels; LabelsStartJustRightOfTheWidestIcon checks that on screen.
    int textX() const {
        return trm::textLeft(0, menu.maxCheckWidth, ::GetSystemMetrics(SM_CXMENUCHECK), metrics.lengths);
    }

    menutest::Metrics metrics;
    OwnerDrawMenu menu{metrics.itemDataList, 0, -1};
    Canvas canvas{300, 200};
    menutest::StandInWindow menuWindow{200, 120};  // client area 200 x 120
    bool systemGradient = false;
};

TEST_F(PaintTest, TopTitleSpansTheMenuWindowInInfoColours) {
    menu.insertTopTitle("A title far too long for its own narrow column", 1, 1, 0);
    menu.menuWindow = menuWindow.get();
    ASSERT_EQ(paint(0, RECT{0, 0, 120, 22}, ODS_DISABLED), 1);

    // Outline on the window's width, background inside it.
    EXPECT_EQ(canvas.at(0, 0), sys(COLOR_MENUTEXT));
    EXPECT_EQ(canvas.at(199, 10), sys(COLOR_MENUTEXT));
    EXPECT_EQ(canvas.at(150, 21), sys(COLOR_MENUTEXT));
    EXPECT_EQ(canvas.at(200, 10), Canvas::paper);
    EXPECT_EQ(canvas.at(0, 22), Canvas::paper);
    EXPECT_TRUE(canvas.all(sys(COLOR_INFOBK), 116, 1, 199, 21));  // the text stops 4 pixels inside the item
    EXPECT_GT(canvas.count(sys(COLOR_INFOTEXT), 4, 1, 116, 21), 20);
    const RECT strip{0, 0, 200, 22};
    EXPECT_TRUE(::EqualRect(&metrics.layoutOf(menu).titleRect, &strip));
    EXPECT_EQ(metrics.layoutOf(menu).titleHighlighted, 0);
    const RECT item{0, 0, 120, 22};
    EXPECT_TRUE(::EqualRect(&metrics.layoutOf(menu).lastItemRect, &item));
}

TEST_F(PaintTest, TitleWithoutMenuWindowOrOutlineOrBackground) {
    menu.insertTopTitle("Music", 1, 0, 0);
    paint(0, RECT{0, 0, 120, 22}, ODS_DISABLED);
    EXPECT_TRUE(canvas.all(sys(COLOR_INFOBK), 0, 0, 120, 1));
    EXPECT_EQ(canvas.at(120, 5), Canvas::paper);

    canvas.clear();
    record(0).titleBackground = 0;
    record(0).titleOutline = 1;
    paint(0, RECT{0, 0, 120, 22}, ODS_DISABLED);
    EXPECT_EQ(canvas.at(0, 0), sys(COLOR_MENUTEXT));
    EXPECT_EQ(canvas.at(60, 1), Canvas::paper);
    EXPECT_GT(canvas.count(sys(COLOR_INFOTEXT), 4, 1, 116, 21), 10);
}

TEST_F(PaintTest, HoveredTitleIsInWindowColoursNeverGradient) {
    menu.insertTopTitle("Music", 1, 1, 0);
    metrics.SetGradientTitles(true);
    setGradientCaptions(true);
    paint(0, RECT{0, 0, 120, 22}, ODS_SELECTED);
    EXPECT_TRUE(canvas.all(sys(COLOR_WINDOW), 1, 1, 119, 3));
    EXPECT_GT(canvas.count(sys(COLOR_WINDOWTEXT), 4, 1, 116, 21), 10);
    EXPECT_EQ(metrics.layoutOf(menu).titleHighlighted, 1);

    // Selected but disabled is how the system sends it: not highlighted.
    paint(0, RECT{0, 0, 120, 22}, ODS_SELECTED | ODS_DISABLED);
    EXPECT_EQ(metrics.layoutOf(menu).titleHighlighted, 0);
    EXPECT_EQ(canvas.count(sys(COLOR_WINDOW), 1, 1, 119, 21), 0);
}

TEST_F(PaintTest, GradientTitleRunsFromCaptionToGradientCaption) {
    menu.insertTopTitle("Music", 1, 0, 0);
    menu.menuWindow = menuWindow.get();
    metrics.SetGradientTitles(true);
    setGradientCaptions(true);
    paint(0, RECT{0, 0, 120, 22}, ODS_DISABLED);

    const COLORREF start = sys(COLOR_ACTIVECAPTION);
    const COLORREF end = sys(COLOR_GRADIENTACTIVECAPTION);
    EXPECT_EQ(canvas.at(0, 0), start);
    EXPECT_EQ(canvas.at(0, 21), start);
    // Last column: start + (end - start) * 199 / 200 on each component.
    const COLORREF last = canvas.at(199, 0);
    EXPECT_EQ(GetRValue(last), GetRValue(start) + (GetRValue(end) - GetRValue(start)) * 199 / 200);
    EXPECT_EQ(GetGValue(last), GetGValue(start) + (GetGValue(end) - GetGValue(start)) * 199 / 200);
    EXPECT_EQ(GetBValue(last), GetBValue(start) + (GetBValue(end) - GetBValue(start)) * 199 / 200);
    const COLORREF middle = canvas.at(100, 0);
    EXPECT_EQ(GetBValue(middle), GetBValue(start) + (GetBValue(end) - GetBValue(start)) / 2);
    EXPECT_EQ(canvas.at(200, 0), Canvas::paper);
    EXPECT_GT(canvas.count(sys(COLOR_CAPTIONTEXT), 4, 1, 116, 21), 10);
}

TEST_F(PaintTest, GradientTitleIsSolidWhenTheSystemHasNoGradientCaptions) {
    menu.insertTopTitle("Music", 1, 0, 0);
    metrics.SetGradientTitles(true);
    setGradientCaptions(false);
    paint(0, RECT{0, 0, 120, 22}, ODS_DISABLED);
    EXPECT_TRUE(canvas.all(sys(COLOR_ACTIVECAPTION), 0, 0, 120, 1));
    EXPECT_TRUE(canvas.all(sys(COLOR_ACTIVECAPTION), 117, 0, 120, 22));
    EXPECT_GT(canvas.count(sys(COLOR_CAPTIONTEXT), 4, 1, 116, 21), 10);
}

TEST_F(PaintTest, SideTitleStandsUpOverTheWholeHeight) {
    menu.insertSideTitle("Pictures", 1, 1, 0, 1200);
    menu.menuWindow = menuWindow.get();
    paint(0, RECT{0, 0, 20, 0}, ODS_DISABLED);

    EXPECT_EQ(canvas.at(0, 60), sys(COLOR_MENUTEXT));
    EXPECT_EQ(canvas.at(23, 60), sys(COLOR_MENUTEXT));  // four pixels wider than the item
    EXPECT_EQ(canvas.at(10, 119), sys(COLOR_MENUTEXT));
    EXPECT_EQ(canvas.at(24, 60), Canvas::paper);
    EXPECT_EQ(canvas.at(10, 120), Canvas::paper);
    // Text runs upwards from 4 pixels above the bottom, 2 from the left.
    const RECT text = canvas.boundsOf(sys(COLOR_INFOTEXT));
    EXPECT_GE(text.left, 2);
    EXPECT_LE(text.right, 23);
    EXPECT_LE(text.bottom, 116);
    EXPECT_GT(text.bottom, 100);
    EXPECT_GT(text.bottom - text.top, text.right - text.left);  // taller than wide: upright
    const RECT strip{0, 0, 24, 120};
    EXPECT_TRUE(::EqualRect(&metrics.layoutOf(menu).titleRect, &strip));
}

TEST_F(PaintTest, SideTitleGradientRunsFromGradientCaptionAtTheTop) {
    menu.insertSideTitle("Pictures", 1, 0, 0, 1200);
    menu.menuWindow = menuWindow.get();
    metrics.SetGradientTitles(true);
    setGradientCaptions(true);
    paint(0, RECT{0, 0, 20, 0}, ODS_DISABLED);
    EXPECT_EQ(canvas.at(1, 0), sys(COLOR_GRADIENTACTIVECAPTION));
    const COLORREF start = sys(COLOR_GRADIENTACTIVECAPTION);
    const COLORREF end = sys(COLOR_ACTIVECAPTION);
    const COLORREF last = canvas.at(1, 119);
    EXPECT_EQ(GetRValue(last), GetRValue(start) + (GetRValue(end) - GetRValue(start)) * 119 / 120);
    EXPECT_EQ(GetBValue(last), GetBValue(start) + (GetBValue(end) - GetBValue(start)) * 119 / 120);
}

TEST_F(PaintTest, ClassicItemsFillWithMenuOrHighlight) {
    menu.appendItem(MF_STRING, 1210, "Readme.txt");
    const RECT item{0, 10, 150, 30};
    paint(0, item);
    EXPECT_TRUE(canvas.all(sys(COLOR_MENU), 0, 10, 150, 12));
    EXPECT_TRUE(canvas.all(sys(COLOR_MENU), 0, 10, textX(), 30));
    EXPECT_EQ(canvas.at(0, 9), Canvas::paper);
    EXPECT_EQ(canvas.at(150, 20), Canvas::paper);
    EXPECT_GT(canvas.count(sys(COLOR_MENUTEXT), textX(), 10, 150, 30), 20);

    paint(0, item, ODS_SELECTED);
    EXPECT_TRUE(canvas.all(sys(COLOR_HIGHLIGHT), 0, 10, 150, 12));
    EXPECT_EQ(canvas.count(sys(COLOR_MENUTEXT), 0, 10, 150, 30), 0);
    EXPECT_GT(canvas.count(sys(COLOR_HIGHLIGHTTEXT), textX(), 10, 150, 30), 20);
}

TEST_F(PaintTest, XpItemsHaveAnIconColumnAndAFramedSelection) {
    OwnerDrawMenu xp(metrics.itemDataList, 1, -1);
    ASSERT_TRUE(xp.CreatePopupMenu());
    xp.appendItem(MF_STRING, 1220, "Readme.txt");
    const int column = xp.maxCheckWidth + 4;
    DRAWITEMSTRUCT request =
        menutest::drawRequest(canvas.hdc(), menutest::itemDataAt(xp.m_hMenu, 0), RECT{0, 10, 150, 30}, 0);
    metrics.DrawItem(&request);
    EXPECT_TRUE(canvas.all(sys(COLOR_BTNFACE), 0, 10, column, 30));
    EXPECT_TRUE(canvas.all(sys(COLOR_BTNHIGHLIGHT), column, 10, 150, 12));

    request.itemState = ODS_SELECTED;
    metrics.DrawItem(&request);
    EXPECT_TRUE(canvas.all(sys(COLOR_MENUTEXT), 0, 10, 150, 11));
    EXPECT_TRUE(canvas.all(sys(COLOR_MENUTEXT), 149, 10, 150, 30));
    EXPECT_TRUE(canvas.all(sys(COLOR_HIGHLIGHT), 1, 11, column, 29));
    EXPECT_EQ(canvas.count(sys(COLOR_BTNFACE), 0, 10, 150, 30), 0);
}

TEST_F(PaintTest, SeparatorLinesLieAcrossTheMiddleRow) {
    menu.appendItem(MF_SEPARATOR, 1230, "");
    paint(0, RECT{0, 20, 100, 25});  // middle row 22
    EXPECT_TRUE(canvas.all(sys(COLOR_BTNSHADOW), 3, 22, 97, 23));
    EXPECT_TRUE(canvas.all(sys(COLOR_BTNHIGHLIGHT), 3, 23, 97, 24));
    EXPECT_EQ(canvas.at(2, 22), sys(COLOR_MENU));
    EXPECT_EQ(canvas.at(97, 22), sys(COLOR_MENU));  // the end point is not painted
    EXPECT_TRUE(canvas.all(sys(COLOR_MENU), 0, 20, 100, 22));

    OwnerDrawMenu xp(metrics.itemDataList, 1, -1);
    ASSERT_TRUE(xp.CreatePopupMenu());
    xp.appendItem(MF_SEPARATOR, 1231, "");
    DRAWITEMSTRUCT request =
        menutest::drawRequest(canvas.hdc(), menutest::itemDataAt(xp.m_hMenu, 0), RECT{0, 40, 100, 45}, 0);
    metrics.DrawItem(&request);
    const int lineStart = textX() + 3;
    EXPECT_TRUE(canvas.all(sys(COLOR_BTNFACE), lineStart, 42, 97, 43));
    EXPECT_EQ(canvas.at(lineStart - 1, 42), sys(COLOR_BTNHIGHLIGHT));
    EXPECT_TRUE(canvas.all(sys(COLOR_BTNHIGHLIGHT), lineStart, 43, 100, 45));
}

TEST_F(PaintTest, DisabledLabelIsEmbossed) {
    menu.appendItem(MF_DISABLED, 1240, "Unavailable");
    paint(0, RECT{0, 0, 150, 20}, ODS_DISABLED);
    const RECT shadow = canvas.boundsOf(sys(COLOR_BTNSHADOW));
    const RECT light = canvas.boundsOf(sys(COLOR_BTNHIGHLIGHT));
    ASSERT_GT(shadow.right, shadow.left);
    ASSERT_GT(light.right, light.left);
    EXPECT_EQ(light.right, shadow.right + 1);
    EXPECT_EQ(light.bottom, shadow.bottom + 1);
    EXPECT_EQ(canvas.count(sys(COLOR_MENUTEXT), 0, 0, 150, 20), 0);

    paint(0, RECT{0, 0, 150, 20}, ODS_DISABLED | ODS_SELECTED);
    EXPECT_GT(canvas.count(sys(COLOR_BTNFACE), textX(), 0, 150, 20), 10);
    EXPECT_EQ(canvas.count(sys(COLOR_BTNSHADOW), 0, 0, 150, 20), 0);

    // Sent without ODS_DISABLED (as Wine does), the menu's own state counts.
    canvas.clear();
    DRAWITEMSTRUCT request =
        menutest::drawRequest(canvas.hdc(), menutest::itemDataAt(menu.m_hMenu, 0), RECT{0, 0, 150, 20}, 0);
    request.hwndItem = reinterpret_cast<HWND>(menu.m_hMenu);
    request.itemID = 1240;
    metrics.DrawItem(&request);
    EXPECT_GT(canvas.count(sys(COLOR_BTNSHADOW), textX(), 0, 150, 20), 10);
    EXPECT_EQ(canvas.count(sys(COLOR_MENUTEXT), 0, 0, 150, 20), 0);
    ::EnableMenuItem(menu.m_hMenu, 0, MF_BYPOSITION | MF_ENABLED);
    metrics.DrawItem(&request);
    EXPECT_GT(canvas.count(sys(COLOR_MENUTEXT), textX(), 0, 150, 20), 10);
}

// What DrawText shows of `text` without the prefix rule: "&" drawn, nothing underlined.
void drawAsItIs(const Canvas& canvas, HFONT font, COLORREF colour, RECT area, const char* text) {
    trm::SelectedObject selected(canvas.hdc(), font);
    ::SetBkMode(canvas.hdc(), TRANSPARENT);
    ::SetTextColor(canvas.hdc(), colour);
    ::DrawTextA(canvas.hdc(), text, -1, &area, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

TEST_F(PaintTest, LabelsAndTitlesShowTheirAmpersands) {
    menu.insertTopTitle("Salt & Pepper", 0, 0, 0);
    menu.appendItem(MF_STRING, 1245, "A&B and &&C");
    Canvas expected(300, 200);
    struct Case {
        UINT position;
        HFONT font;
        COLORREF colour;
        RECT text;
        COLORREF background;  // smoothed text blends with it
    };
    const Case cases[] = {
        {0, metrics.titleFont.get(), sys(COLOR_INFOTEXT), RECT{4, 0, 196, 22}, Canvas::paper},
        {1, metrics.menuFont.get(), sys(COLOR_MENUTEXT), RECT{textX(), 0, 200, 22}, sys(COLOR_MENU)},
    };
    for (const Case& c : cases) {
        canvas.clear();
        expected.clear(c.background);
        paint(c.position, RECT{0, 0, 200, 22}, c.position == 0 ? ODS_DISABLED : 0);
        drawAsItIs(expected, c.font, c.colour, c.text, record(c.position).label().c_str());
        const RECT painted = canvas.boundsOf(c.colour);
        const RECT shown = expected.boundsOf(c.colour);
        EXPECT_TRUE(::EqualRect(&painted, &shown)) << record(c.position).label();
        EXPECT_EQ(canvas.count(c.colour, 0, 0, 300, 200), expected.count(c.colour, 0, 0, 300, 200));
    }
}

TEST_F(PaintTest, IconsAreDrawnTwoPixelsInAndSwappedWhenSelected) {
    menu.appendItem(MF_STRING, 1250, "Readme.txt");
    HICON normal = menutest::solidIcon(16, RGB(200, 0, 0));
    HICON selected = menutest::solidIcon(16, RGB(0, 200, 0));
    menu.setItemIcons(0, normal, 16, 16, selected, 16, 16);
    paint(0, RECT{0, 30, 150, 50});
    EXPECT_TRUE(canvas.all(RGB(200, 0, 0), 2, 32, 18, 48));
    EXPECT_EQ(canvas.at(1, 31), sys(COLOR_MENU));
    paint(0, RECT{0, 30, 150, 50}, ODS_SELECTED);
    EXPECT_TRUE(canvas.all(RGB(0, 200, 0), 2, 32, 18, 48));
    ::DestroyIcon(normal);
    ::DestroyIcon(selected);
}

// The label begins a few pixels right of its icon, and every label of the
// menu moves on by as much as the widest icon is wider.
TEST_F(PaintTest, LabelsStartJustRightOfTheWidestIcon) {
    menu.appendItem(MF_STRING, 1255, "Readme.txt");
    menu.appendItem(MF_STRING, 1256, "Wide");
    HICON small = menutest::solidIcon(16, RGB(200, 0, 0));
    HICON wide = menutest::solidIcon(32, RGB(0, 0, 200));
    menu.setItemIcons(0, small, 16, 16, small, 16, 16);
    paint(0, RECT{0, 0, 200, 20});
    const int iconRight = canvas.boundsOf(RGB(200, 0, 0)).right;
    const int labelLeft = canvas.boundsOf(sys(COLOR_MENUTEXT)).left;
    EXPECT_GE(labelLeft - iconRight, 1);
    EXPECT_LE(labelLeft - iconRight, 6);

    menu.setItemIcons(1, wide, 32, 32, wide, 32, 32);
    canvas.clear();
    paint(0, RECT{0, 0, 200, 20});
    EXPECT_EQ(canvas.boundsOf(sys(COLOR_MENUTEXT)).left, labelLeft + 16);
    ::DestroyIcon(small);
    ::DestroyIcon(wide);
}

TEST_F(PaintTest, NoBackgroundFillsNothing) {
    metrics.SetPaintBackgrounds(false);
    menu.appendItem(MF_STRING, 1260, "Readme.txt");
    menu.appendItem(MF_SEPARATOR, 1261, "");
    paint(0, RECT{0, 0, 150, 20});
    paint(0, RECT{0, 20, 150, 40}, ODS_SELECTED);
    paint(1, RECT{0, 40, 150, 45});
    EXPECT_TRUE(canvas.all(Canvas::paper, 0, 0, textX(), 40));
    EXPECT_TRUE(canvas.all(Canvas::paper, 0, 0, 150, 2));
    EXPECT_GT(canvas.count(sys(COLOR_HIGHLIGHTTEXT), textX(), 20, 150, 40), 10);  // only the text changes
    EXPECT_EQ(canvas.count(sys(COLOR_HIGHLIGHT), 0, 0, 300, 200), 0);
    EXPECT_EQ(canvas.at(10, 42), sys(COLOR_BTNSHADOW));
    EXPECT_TRUE(canvas.all(Canvas::paper, 0, 44, 300, 200));

    OwnerDrawMenu xp(metrics.itemDataList, 1, -1);
    ASSERT_TRUE(xp.CreatePopupMenu());
    xp.appendItem(MF_STRING, 1262, "Readme.txt");
    xp.appendItem(MF_MENUBREAK, 1263, "mb");
    xp.menuWindow = menuWindow.get();
    canvas.clear();
    for (UINT position : {0u, 1u}) {
        DRAWITEMSTRUCT request = menutest::drawRequest(canvas.hdc(), menutest::itemDataAt(xp.m_hMenu, position),
                                                       position == 0 ? RECT{0, 0, 100, 20} : RECT{104, 0, 200, 0},
                                                       position == 0 ? ODS_SELECTED : 0);
        metrics.DrawItem(&request);
    }
    EXPECT_TRUE(canvas.all(Canvas::paper, 0, 0, textX(), 20));
    EXPECT_TRUE(canvas.all(Canvas::paper, 0, 20, 300, 200));
    EXPECT_TRUE(canvas.all(Canvas::paper, 100, 0, 300, 20));
}

TEST_F(PaintTest, XpColumnBreakFillsBelowThePreviousColumnAndItsOwn) {
    OwnerDrawMenu xp(metrics.itemDataList, 1, -1);
    ASSERT_TRUE(xp.CreatePopupMenu());
    xp.appendItem(MF_STRING, 1270, "First");
    xp.appendItem(MF_MENUBREAK, 1271, "mb");
    xp.menuWindow = menuWindow.get();
    const int column = xp.maxCheckWidth + 4;
    for (UINT position : {0u, 1u}) {
        DRAWITEMSTRUCT request = menutest::drawRequest(canvas.hdc(), menutest::itemDataAt(xp.m_hMenu, position),
                                                       position == 0 ? RECT{0, 0, 96, 20} : RECT{100, 0, 190, 0}, 0);
        ASSERT_EQ(metrics.DrawItem(&request), 1);
    }
    EXPECT_TRUE(canvas.all(sys(COLOR_BTNHIGHLIGHT), 96, 0, 100, 120));      // the gap
    EXPECT_TRUE(canvas.all(sys(COLOR_BTNFACE), 0, 20, column, 120));        // old icon column, below
    EXPECT_TRUE(canvas.all(sys(COLOR_BTNHIGHLIGHT), column, 20, 96, 120));  // old text area, below
    EXPECT_TRUE(canvas.all(sys(COLOR_BTNFACE), 100, 0, 100 + column, 120));
    EXPECT_TRUE(canvas.all(sys(COLOR_BTNHIGHLIGHT), 100 + column, 0, 200, 120));
    EXPECT_EQ(canvas.at(200, 10), Canvas::paper);
    EXPECT_EQ(canvas.at(50, 120), Canvas::paper);
    const RECT breakItem{100, 0, 190, 0};
    EXPECT_TRUE(::EqualRect(&metrics.layoutOf(xp).lastItemRect, &breakItem));
}

TEST_F(PaintTest, ClassicColumnBreakHasAnEtchedBarBelowTheTitleRow) {
    menu.appendItem(MF_STRING, 1280, "First");
    menu.appendItem(MF_MENUBREAK, 1281, "mb");
    menu.menuWindow = menuWindow.get();
    paint(0, RECT{0, 22, 96, 42});
    paint(1, RECT{100, 0, 190, 22});
    EXPECT_TRUE(canvas.all(sys(COLOR_MENU), 96, 22, 97, 120));
    EXPECT_TRUE(canvas.all(sys(COLOR_BTNSHADOW), 97, 22, 98, 120));
    EXPECT_TRUE(canvas.all(sys(COLOR_BTNHIGHLIGHT), 98, 22, 99, 120));
    EXPECT_TRUE(canvas.all(sys(COLOR_MENU), 99, 22, 100, 120));
    EXPECT_TRUE(canvas.all(Canvas::paper, 96, 0, 100, 22));
    EXPECT_TRUE(canvas.all(Canvas::paper, 100, 0, 300, 22));
}

TEST_F(PaintTest, ColumnBreakWithoutItsWindowPaintsNothingButIsRemembered) {
    menu.appendItem(MF_MENUBREAK, 1290, "mb");
    const RECT item{100, 0, 190, 22};
    ASSERT_EQ(paint(0, item), 1);
    EXPECT_TRUE(canvas.all(Canvas::paper, 0, 0, 300, 200));
    EXPECT_TRUE(::EqualRect(&metrics.layoutOf(menu).lastItemRect, &item));
}

TEST_F(PaintTest, LimitedMenuCutsLabelsAtItsTextWidth) {
    OwnerDrawMenu limited(metrics.itemDataList, 0, 100);
    ASSERT_TRUE(limited.CreatePopupMenu());
    limited.appendItem(MF_STRING, 1300, "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    metrics.layoutOf(limited).clampedTextWidth = 30;
    DRAWITEMSTRUCT request =
        menutest::drawRequest(canvas.hdc(), menutest::itemDataAt(limited.m_hMenu, 0), RECT{0, 0, 290, 20}, 0);
    metrics.DrawItem(&request);
    EXPECT_GT(canvas.count(sys(COLOR_MENUTEXT), textX(), 0, textX() + 30, 20), 10);
    EXPECT_TRUE(canvas.all(sys(COLOR_MENU), textX() + 30, 0, 290, 20));
}

// Labels are UTF-8 under the manifest: they are drawn as their characters
// are, whatever character set the fonts name.
TEST_F(PaintTest, Utf8LabelsAreDrawnAsTheirCharacters) {
    const std::string label = "\xCE\xA9mega caf\xC3\xA9";
    const std::wstring characters = L"\u03A9mega caf\u00E9";
    Canvas expected{300, 200};
    ::SetBkMode(expected.hdc(), TRANSPARENT);
    auto sameInk = [&](COLORREF ink) {
        const RECT drawn = canvas.boundsOf(ink);
        const RECT wanted = expected.boundsOf(ink);
        return drawn.right > drawn.left && ::EqualRect(&drawn, &wanted);
    };

    menu.appendItem(MF_STRING, 1320, label);
    paint(0, RECT{0, 0, 290, 20});
    {
        trm::SelectedObject font(expected.hdc(), metrics.menuFont.get());
        ::SetTextColor(expected.hdc(), sys(COLOR_MENUTEXT));
        RECT area{textX(), 0, 290, 20};
        ::DrawTextW(expected.hdc(), characters.c_str(), static_cast<int>(characters.size()), &area,
                    DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER);
    }
    EXPECT_TRUE(sameInk(sys(COLOR_MENUTEXT)));

    canvas.clear();
    OwnerDrawMenu titled(metrics.itemDataList, 0, -1);
    ASSERT_TRUE(titled.CreatePopupMenu());
    titled.insertSideTitle(label, 0, 0, 0, 1321);
    titled.menuWindow = menuWindow.get();
    DRAWITEMSTRUCT request =
        menutest::drawRequest(canvas.hdc(), menutest::itemDataAt(titled.m_hMenu, 0), RECT{0, 0, 20, 0}, ODS_DISABLED);
    metrics.DrawItem(&request);
    {
        trm::SelectedObject font(expected.hdc(), metrics.verticalTitleFont.get());
        ::SetTextColor(expected.hdc(), sys(COLOR_INFOTEXT));
        ::TextOutW(expected.hdc(), 2, 120 - 4, characters.c_str(), static_cast<int>(characters.size()));
    }
    EXPECT_TRUE(sameInk(sys(COLOR_INFOTEXT)));
}

TEST_F(PaintTest, PictureIsDrawnBelowItsLabelRow) {
    trm::BitmapHandle bitmap(::CreateBitmap(40, 20, 1, 32, nullptr));
    {
        trm::MemoryDC dc(nullptr);
        trm::SelectedObject selected(dc.get(), bitmap.get());
        trm::BrushHandle blue(::CreateSolidBrush(RGB(0, 0, 200)));
        const RECT all{0, 0, 40, 20};
        ::FillRect(dc.get(), &all, blue.get());
    }
    IPicture* picture = menutest::pictureOf(bitmap.get());
    ASSERT_NE(picture, nullptr);
    menu.appendItem(MF_STRING, 1310, "folder.jpg");
    menu.setItemPicture(0, picture, 1);
    metrics.SetImageReduction(1, 1);
    MEASUREITEMSTRUCT size = menutest::measureRequest(menutest::itemDataAt(menu.m_hMenu, 0));
    ASSERT_EQ(metrics.MeasureItem(&size), 1);
    const MenuItemData& item = record(0);
    paint(0, RECT{0, 10, static_cast<LONG>(size.itemWidth), 10 + static_cast<LONG>(size.itemHeight)});

    const RECT drawn = canvas.boundsOf(RGB(0, 0, 200));
    EXPECT_EQ(drawn.left, textX());
    EXPECT_EQ(drawn.top, 10 + item.rowHeight);
    EXPECT_EQ(drawn.right - drawn.left, 40);
    EXPECT_EQ(drawn.bottom - drawn.top, 20);
    EXPECT_GT(canvas.count(sys(COLOR_MENUTEXT), textX(), 10, 300, 10 + item.rowHeight), 10);
    picture->Release();
}

TEST_F(PaintTest, LeavesTheDeviceContextAsItFoundIt) {
    menu.insertTopTitle("Music", 1, 1, 0);
    menu.appendItem(MF_DISABLED, 1320, "Readme.txt");
    menu.appendItem(MF_SEPARATOR, 1321, "");
    trm::FontHandle font(::CreateFontA(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Courier New"));
    trm::SelectedObject selected(canvas.hdc(), font.get());
    ::SetTextColor(canvas.hdc(), RGB(1, 99, 1));
    ::SetBkColor(canvas.hdc(), RGB(2, 88, 2));
    ::SetBkMode(canvas.hdc(), OPAQUE);
    HGDIOBJ pen = ::GetCurrentObject(canvas.hdc(), OBJ_PEN);
    HGDIOBJ brush = ::GetCurrentObject(canvas.hdc(), OBJ_BRUSH);
    paint(0, RECT{0, 0, 150, 20}, ODS_DISABLED);
    paint(1, RECT{0, 20, 150, 40}, ODS_DISABLED);
    paint(2, RECT{0, 40, 150, 45});
    EXPECT_EQ(::GetCurrentObject(canvas.hdc(), OBJ_FONT), font.get());
    EXPECT_EQ(::GetCurrentObject(canvas.hdc(), OBJ_PEN), pen);
    EXPECT_EQ(::GetCurrentObject(canvas.hdc(), OBJ_BRUSH), brush);
    EXPECT_EQ(::GetTextColor(canvas.hdc()), RGB(1, 99, 1));
    EXPECT_EQ(::GetBkColor(canvas.hdc()), RGB(2, 88, 2));
    EXPECT_EQ(::GetBkMode(canvas.hdc()), OPAQUE);
}

TEST_F(PaintTest, DeclinesWhatIsNotARegisteredMenuItem) {
    MenuItemData stranger;
    stranger.menu = &menu;
    DRAWITEMSTRUCT request =
        menutest::drawRequest(canvas.hdc(), reinterpret_cast<ULONG_PTR>(&stranger), RECT{0, 0, 100, 20}, 0);
    EXPECT_EQ(metrics.DrawItem(&request), 0);
    request.itemData = 0;
    EXPECT_EQ(metrics.DrawItem(&request), 0);
    menu.appendItem(MF_STRING, 1330, "x");
    request.itemData = menutest::itemDataAt(menu.m_hMenu, 0);
    request.CtlType = ODT_LISTBOX;
    EXPECT_EQ(metrics.DrawItem(&request), 0);
    EXPECT_TRUE(canvas.all(Canvas::paper, 0, 0, 300, 200));
}

}  // namespace
