// The menu windows and the thumbnail tip under Wine: frames painted into a
// bitmap, windows of the menu class subclassed, paired, nudged and made
// translucent by the real creation hook, the hover timer answered with the
// tip, and the tip's picture drawn.
#include "presentation/menu_window.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "common/command_ids.h"
#include "fixture_folder.h"
#include "menu_test_support.h"
#include "menus/owner_draw_menu.h"
#include "menus/run_menus.h"
#include "model/folder_node.h"
#include "model/menu_entry.h"
#include "picture_files.h"
#include "presentation/frame_painter.h"
#include "presentation/hover_tip.h"
#include "presentation/menu_hooks.h"
#include "presentation/thumbnail_tip.h"

namespace {

using menutest::Canvas;
using menutest::sys;

const auto* const colours = ::testing::AddGlobalTestEnvironment(new menutest::DistinctSystemColours);

// --- frames ---

class FrameTest : public ::testing::Test {
protected:
    bool paint() { return trm::paintMenuFrame(canvas.hdc(), 100, 80, settings, styles.shown()); }

    trm::MenuStyles styles;
    trm::Settings settings;
    Canvas canvas{100, 80};
};

// Each style is checked on the real program's windows end to end; here the
// combination of two styles, and the plain menu left to the system.
TEST_F(FrameTest, RoundedFlatFramesUseTheTextColourAndPlainOnesAreTheSystems) {
    settings.displayflat = true;
    settings.displayrounded = true;
    ASSERT_TRUE(paint());
    EXPECT_EQ(canvas.at(9, 0), sys(COLOR_MENUTEXT));
    EXPECT_EQ(canvas.at(99, 40), sys(COLOR_MENUTEXT));
    EXPECT_EQ(canvas.at(8, 0), sys(COLOR_MENU));
    EXPECT_TRUE(canvas.all(Canvas::paper, 3, 3, 97, 77)) << "the inside is left to the items";

    trm::Settings plain;
    canvas.clear();
    EXPECT_FALSE(trm::paintMenuFrame(canvas.hdc(), 100, 80, plain, styles.shown()));
    EXPECT_TRUE(canvas.all(Canvas::paper, 0, 0, 100, 80));
}

// --- menu windows made under the real creation hook ---

HWND makeMenuWindow(int x, int y, int width, int height) {
    return ::CreateWindowExA(WS_EX_TOOLWINDOW, MAKEINTATOM(0x8000), "", WS_POPUP, x, y, width, height, nullptr, nullptr,
                             nullptr, nullptr);
}

RECT windowRect(HWND window) {
    RECT area{};
    ::GetWindowRect(window, &area);
    return area;
}

using menutest::pumpUntil;

class MenuWindowTest : public ::testing::Test {
protected:
    MenuWindowTest() : tree("menuwindow") {
        ::CoInitialize(nullptr);
        menu.appendItem(MF_STRING, 1001, "Photo.bmp");
        state.currentMenu = menu.m_hMenu;
    }
    ~MenuWindowTest() override {
        for (HWND window : made) ::DestroyWindow(window);
        hooks.reset();
        ::CoUninitialize();
    }

    HWND open(int x, int y, int width = 120, int height = 80) {
        HWND window = makeMenuWindow(x, y, width, height);
        made.push_back(window);
        return window;
    }
    void install() { hooks = std::make_unique<trm::MenuHooks>(::GetCurrentThreadId(), app); }

    wintest::FixtureFolder tree;
    trm::Settings settings;
    trm::CommandIds ids;
    trm::FolderNode root{settings, ids};
    menutest::Metrics metrics;
    trm::ThumbnailTip tip{metrics.styles};
    trm::RunMenus menus{metrics.itemDataList};
    trm::OwnerDrawMenu& menu = menus.create(root, 0, -1);
    trm::HookApp app{settings, false, menus, tip, metrics.drawing, nullptr};
    trm::TrackingState state;
    trm::TrackingScope tracked{state};
    std::unique_ptr<trm::MenuHooks> hooks;
    std::vector<HWND> made;
};

TEST_F(MenuWindowTest, MenuWindowsAreSubclassedPairedAndReleased) {
    settings.transparent = true;
    settings.transparentlevel = 50;
    install();
    const HWND window = open(100, 100);
    ASSERT_NE(window, nullptr);
    EXPECT_NE(::GetPropA(window, "TRM_OldWndProc"), nullptr);
    EXPECT_EQ(::GetWindowLongPtrA(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&trm::MenuWindowProc));
    ASSERT_EQ(state.openMenuWindows.size(), 1u);
    EXPECT_EQ(state.openMenuWindows[0].menuHandle, menu.m_hMenu);
    EXPECT_EQ(menu.menuWindow, window);
    // Translucent at 200 - 2 x 50.
    EXPECT_TRUE(::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 100);
    EXPECT_TRUE(flags & LWA_ALPHA);

    // Other windows are left alone.
    HWND other = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(::GetPropA(other, "TRM_OldWndProc"), nullptr);
    EXPECT_EQ(state.openMenuWindows.size(), 1u);
    ::DestroyWindow(other);

    ::DestroyWindow(window);
    made.clear();
    EXPECT_TRUE(state.openMenuWindows.empty());
    EXPECT_EQ(menu.menuWindow, nullptr);
}

TEST_F(MenuWindowTest, SubMenusMoveAwayFromTheirParentsButStayOnTheScreen) {
    install();
    const int edge = ::GetSystemMetrics(SM_CXEDGE);
    const HWND parent = open(100, 100);
    const HWND child = open(0, 0);
    ::SetWindowPos(child, nullptr, 220, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(windowRect(child).left, 220 + edge + 3);
    ::SetWindowPos(child, nullptr, 30, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(windowRect(child).left, 30 - edge);
    const int right = ::GetSystemMetrics(SM_CXSCREEN);
    ::SetWindowPos(child, nullptr, right - 120, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(windowRect(child).left, right - 120);
    EXPECT_EQ(windowRect(parent).left, 100) << "the root menu stays where the system put it";
}

TEST_F(MenuWindowTest, APendingCloseOnAWindowThatGoesIsStartedAgainOnAnother) {
    settings.dieonmouseout = true;
    settings.dieonmouseouttime = 300;
    install();
    const HWND root = open(100, 100);
    const HWND sub = open(230, 100);
    ::SetCursorPos(150, 150);
    ::SendMessageA(root, WM_NULL, 0, 0);
    ASSERT_TRUE(state.pointerHasEntered);
    // Outside: the sub-menu starts the delay, then closes before it runs out.
    ::SetCursorPos(700, 600);
    ::SendMessageA(sub, WM_NULL, 0, 0);
    ASSERT_EQ(state.closeTimer.owner(), sub);
    ::DestroyWindow(sub);
    EXPECT_TRUE(pumpUntil(3000, [root]() { return !::IsWindow(root); })) << "the root menu never closed";
    made.clear();
}

TEST_F(MenuWindowTest, TheHoverTimerShowsTheEntrysPictureUnlessItWasLeft) {
    settings.dothumbnailsontooltip = true;
    settings.dothumbnailsontooltipsizex = 0;
    settings.dothumbnailsontooltipsizey = 0;
    settings.imagereductionx = 2;
    tree.file("photo.bmp", wintest::bmpFile(40, 30, RGB(10, 200, 30)));
    tree.file("broken.jpg", "no picture");
    install();
    // The pointer over the menu window: leaving the menus hides the tip.
    POINT pointer{};
    ::GetCursorPos(&pointer);
    const HWND window = open(pointer.x - 60, pointer.y - 40);

    trm::MenuEntry photo, broken, other;
    photo.path = tree.at("photo.bmp");
    broken.path = tree.at("broken.jpg");
    other.path = tree.at("photo.bmp");
    const auto tipShown = [this]() { return tip.m_hWnd != nullptr && ::IsWindowVisible(tip.m_hWnd); };

    trm::startHoverTimer(state, tip, window, broken);
    EXPECT_EQ(state.hoverTimer.owner(), window);
    EXPECT_FALSE(pumpUntil(1500, tipShown)) << "a picture that cannot be loaded shows nothing";
    EXPECT_FALSE(state.hoverTimer.running());

    // Moving on to another entry before the timer fires restarts it for that one.
    trm::startHoverTimer(state, tip, window, photo);
    trm::startHoverTimer(state, tip, window, other);
    ASSERT_TRUE(pumpUntil(3000, tipShown));
    EXPECT_EQ(state.hoveredEntry, &other);
    // Drawn at its pixel size reduced by imagereduction, with the margins.
    const RECT shown = windowRect(tip.m_hWnd);
    EXPECT_EQ(shown.right - shown.left, 40 / 2 + 7);
    EXPECT_EQ(shown.bottom - shown.top, 30 + 8);

    tip.hide();
    EXPECT_FALSE(::IsWindowVisible(tip.m_hWnd));
    EXPECT_TRUE(tip.image.empty());
}

// --- the tip on its own ---

class TipTest : public ::testing::Test {
protected:
    TipTest() : tree("tip") {
        ::CoInitialize(nullptr);
        tree.file("photo.bmp", wintest::bmpFile(40, 30, RGB(10, 200, 30)));
    }
    ~TipTest() override { ::CoUninitialize(); }

    void loadPhoto() { trm::loadPicture(settings, tree.at("photo.bmp"), 96, tip.image); }

    wintest::FixtureFolder tree;
    trm::Settings settings;
    trm::MenuStyles styles;
    trm::ThumbnailTip tip{styles};
};

TEST_F(TipTest, ThePictureIsDrawnOverWhiteFromTheBottomLeft) {
    loadPhoto();
    tip.showAt(10, 10);
    RECT client{};
    ::GetClientRect(tip.m_hWnd, &client);
    Canvas canvas(client.right, client.bottom);
    ::SendMessageA(tip.m_hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.hdc()), 0);
    const COLORREF green = RGB(10, 200, 30);
    const int top = client.bottom - 30 - 3;
    EXPECT_EQ(canvas.at(2, top), RGB(255, 255, 255));
    EXPECT_EQ(canvas.at(3, top), green);
    EXPECT_EQ(canvas.at(3 + 38, top + 29), green);
    EXPECT_EQ(canvas.at(3 + 39, top + 29), RGB(255, 255, 255));
    EXPECT_EQ(canvas.at(3, top + 30), RGB(255, 255, 255));
    EXPECT_EQ(canvas.count(green, 0, 0, client.right, client.bottom), 39 * 30);
}

// A bitmap of the size given, as a picture job hands it over.
trm::PictureArrival pictureOf(int width, int height) {
    trm::PictureArrival picture;
    picture.bitmap.reset(::CreateBitmap(width, height, 1, 32, nullptr));
    picture.width = width + 10;
    picture.height = height;
    return picture;
}

// The picture comes from a worker: asking never waits for it, the wait the
// pointer has left is dropped with its picture, and the picture asked for
// last shows when it comes.
TEST_F(TipTest, APictureShowsWhenItComesUnlessThePointerMovedOn) {
    const HANDLE letGo = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    volatile LONG entered = 0;
    HBITMAP left = nullptr;
    tip.ask([&]() {
        ::InterlockedExchange(&entered, 1);
        ::WaitForSingleObject(letGo, 20000);
        trm::PictureArrival picture = pictureOf(5, 5);
        left = picture.bitmap.get();
        return picture;
    });
    ASSERT_TRUE(pumpUntil(5000, [&entered]() { return entered != 0; }));
    tip.hide();
    tip.ask([]() { return pictureOf(7, 6); });
    ::SetEvent(letGo);
    ASSERT_TRUE(pumpUntil(5000, [this]() { return ::IsWindowVisible(tip.m_hWnd) != FALSE; }));
    BITMAP facts{};
    ASSERT_NE(::GetObjectA(tip.image.thumbnail.get(), sizeof facts, &facts), 0);
    EXPECT_EQ(facts.bmWidth, 7) << "the picture the pointer left was shown";
    EXPECT_EQ(tip.widthOverride, 17);
    EXPECT_EQ(::GetObjectA(left, sizeof facts, &facts), 0) << "the picture the pointer left was kept";
    ::CloseHandle(letGo);
}

}  // namespace
