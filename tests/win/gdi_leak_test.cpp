// Painting and measuring hundreds of items, and making and dropping the
// shared fonts, leaves the process with as many GDI objects as before.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "fixture_folder.h"
#include "handle_counts.h"
#include "menu_test_support.h"
#include "menus/owner_draw_menu.h"
#include "picture_files.h"
#include "presentation/frame_painter.h"
#include "presentation/thumbnail_tip.h"

namespace {

using trm::OwnerDrawMenu;

DWORD reportedGdiObjects() {
    return ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
}

// Whether GetGuiResources follows the objects this process makes (Wine 8
// answers 0 whatever the process holds).
bool gdiCountIsReported() {
    const DWORD before = reportedGdiObjects();
    std::vector<trm::BrushHandle> brushes;
    for (int i = 0; i < 10; ++i) brushes.emplace_back(::CreateSolidBrush(RGB(i, 0, 0)));
    return reportedGdiObjects() >= before + 10;
}

// Objects in use: the reported count where there is one, else the places
// taken in the handle table.
long gdiObjectsInUse(bool reported) {
    return reported ? static_cast<long>(reportedGdiObjects()) : -wintest::freeGdiPlaces();
}

class GdiLeakTest : public ::testing::Test {
protected:
    void paintEveryKind(menutest::Metrics& metrics, int rounds) {
        OwnerDrawMenu classic(metrics.itemDataList, 0, -1);
        OwnerDrawMenu xp(metrics.itemDataList, 1, 120);
        HICON icon = menutest::solidIcon(16, RGB(200, 0, 0));
        for (OwnerDrawMenu* menu : {&classic, &xp}) {
            ASSERT_TRUE(menu->CreatePopupMenu());
            menu->insertTopTitle("Title", 1, 1, 0);
            menu->appendItem(MF_STRING, 1400, "Readme.txt");
            menu->appendItem(MF_DISABLED, 1401, "Unavailable");
            menu->appendItem(MF_SEPARATOR, 1402, "");
            menu->appendItem(MF_MENUBREAK, 1403, "mb");
            menu->setItemIcons(1, icon, 16, 16, icon, 16, 16);
            menu->menuWindow = window.get();
        }
        menutest::Canvas canvas(200, 120);
        for (int round = 0; round < rounds; ++round) {
            metrics.SetGradientTitles(round % 2 == 1);
            metrics.SetPaintBackgrounds(round % 3 != 2);
            for (OwnerDrawMenu* menu : {&classic, &xp}) {
                for (UINT position = 0; position < 5; ++position) {
                    const ULONG_PTR data = menutest::itemDataAt(menu->m_hMenu, position);
                    MEASUREITEMSTRUCT size = menutest::measureRequest(data);
                    metrics.MeasureItem(&size);
                    const UINT state = round % 2 ? ODS_SELECTED : (position == 2 ? ODS_DISABLED : 0);
                    const RECT item{0, static_cast<LONG>(position) * 20, 100, static_cast<LONG>(position) * 20 + 20};
                    DRAWITEMSTRUCT request = menutest::drawRequest(canvas.hdc(), data, item, state);
                    metrics.DrawItem(&request);
                }
            }
        }
        ::DestroyIcon(icon);
    }

    menutest::StandInWindow window{200, 120};
};

TEST_F(GdiLeakTest, PaintingHundredsOfItemsKeepsTheObjectCount) {
    const bool reported = gdiCountIsReported();
    menutest::Metrics metrics;
    paintEveryKind(metrics, 1);  // anything made once and kept is made now
    const long before = gdiObjectsInUse(reported);
    paintEveryKind(metrics, 40);  // 400 items, every kind in every look
    const long after = gdiObjectsInUse(reported);
    std::printf("%s: before %ld, after 400 items %ld\n",
                reported ? "GDI objects (GetGuiResources)" : "free GDI handle-table places",
                reported ? before : -before, reported ? after : -after);
    EXPECT_EQ(after, before);
}

// Every frame style, and the tooltip loading, showing, painting and
// dropping pictures, many times over.
void frameAndShowTips(trm::ThumbnailTip& tip, const trm::MenuStyle& style, const std::string& picture, int rounds) {
    menutest::Canvas canvas(120, 90);
    trm::Settings settings;
    for (int round = 0; round < rounds; ++round) {
        settings.displayrounded = round % 2 == 0;
        settings.displayflat = round % 3 == 0;
        settings.displaybackground = round % 4 != 0;
        settings.displayoutline = round % 5 != 0;
        trm::paintMenuFrame(canvas.hdc(), 120, 90, settings, style);
        trm::loadPicture(settings, picture, 96, tip.image);
        tip.showAt(20, 20);
        ::SendMessageA(tip.m_hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.hdc()), 0);
        tip.hide();
    }
}

TEST_F(GdiLeakTest, FramesAndTheTooltipKeepTheObjectCount) {
    const bool reported = gdiCountIsReported();
    ::CoInitialize(nullptr);
    wintest::FixtureFolder tree("gdileak");
    tree.file("photo.bmp", wintest::bmpFile(40, 30, RGB(10, 200, 30)));
    menutest::Metrics metrics;
    trm::ThumbnailTip tip{metrics.styles};
    frameAndShowTips(tip, metrics.style, tree.at("photo.bmp"), 60);  // every combination once
    const long before = gdiObjectsInUse(reported);
    frameAndShowTips(tip, metrics.style, tree.at("photo.bmp"), 120);
    const long after = gdiObjectsInUse(reported);
    EXPECT_EQ(after, before);
    ::CoUninitialize();
}

TEST_F(GdiLeakTest, TheSharedFontsGoWithTheirOwner) {
    const bool reported = gdiCountIsReported();
    const long before = gdiObjectsInUse(reported);
    { menutest::Metrics metrics; }
    const long after = gdiObjectsInUse(reported);
    std::printf("%s around one menu style: before %ld, after %ld\n",
                reported ? "GDI objects (GetGuiResources)" : "free GDI handle-table places",
                reported ? before : -before, reported ? after : -after);
    EXPECT_EQ(after, before);
}

TEST_F(GdiLeakTest, TheCountingSeesALeak) {
    // The measure used above must notice one object left behind.
    const bool reported = gdiCountIsReported();
    const long before = gdiObjectsInUse(reported);
    trm::PenHandle leaked(::CreatePen(PS_SOLID, 1, 0));
    EXPECT_EQ(gdiObjectsInUse(reported), before + 1);
}

}  // namespace
