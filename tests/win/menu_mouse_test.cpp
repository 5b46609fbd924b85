// The mouse hook on a menu window made under the real creation hook, with
// the menu of a scanned folder: the item the menu lights and the pointer
// decide between the thumbnail's hover timer, the lit title, the folder a
// click or double click opens, and the shell's context menu of an entry.
#include <windows.h>
#include <gtest/gtest.h>
#include <objbase.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "fixture_folder.h"
#include "menu_test_support.h"
#include "menus/owner_draw_menu.h"
#include "model/folder_scanner.h"
#include "picture_files.h"
#include "popup_run_parts.h"
#include "presentation/menu_hooks.h"
#include "presentation/tracking_state.h"

namespace {

using menutest::pumpUntil;
using menutest::sys;

const auto* const colours = ::testing::AddGlobalTestEnvironment(new menutest::DistinctSystemColours);

// Items of the root menu, by name with -sort 2 under a title.
const int titleRow = 0, subRow = 1, fileRow = 2, photoRow = 3;
const POINT onTitle{160, 112};
const POINT onItems{160, 160};
const POINT offMenus{700, 600};

class MenuMouseTest : public ::testing::Test {
protected:
    MenuMouseTest() : tree("mouse") {
        ::CoInitialize(nullptr);
        tree.folder("Sub");
        tree.file("a.txt");
        tree.file("photo.bmp", wintest::bmpFile(40, 30, RGB(10, 200, 30)));
        settings.sort = trm::SortKey::NameNoCase;
        settings.dotitles = true;
        settings.dotitlesclicktoopenfolder = true;
        settings.dothumbnailsontooltip = true;
        char started[MAX_PATH] = {};
        ::GetCurrentDirectoryA(MAX_PATH, started);
        ::SetCurrentDirectoryA(tree.root.c_str());
        run.scanRoot();
        ::SetCurrentDirectoryA(started);
        run.builder.buildMenu(run.root);
        menu = run.root.menu->GetSafeHmenu();
        run.hookApp.showShellMenu = [this](const trm::ShellContextMenuCall& call) {
            asked.push_back({call.owner, call.path, call.x, call.y});
            return false;
        };
        hooks = std::make_unique<trm::MenuHooks>(::GetCurrentThreadId(), run.hookApp);
    }
    ~MenuMouseTest() override {
        if (::IsWindow(window)) ::DestroyWindow(window);
        hooks.reset();
        ::CoUninitialize();
    }

    // A menu window showing the root menu at (100, 100), its title painted
    // as the system has it painted.
    void openWindow() {
        run.tracking.currentMenu = menu;
        window = ::CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, MAKEINTATOM(0x8000), "", WS_POPUP, 100, 100, 150,
                                   100, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        ::ShowWindow(window, SW_SHOWNOACTIVATE);
        trm::ClientDC dc(window);
        DRAWITEMSTRUCT title =
            menutest::drawRequest(dc.get(), itemData(titleRow), RECT{3, 3, 147, 23}, ODS_DISABLED | ODS_GRAYED);
        title.hwndItem = reinterpret_cast<HWND>(menu);
        run.drawing.DrawItem(&title);
    }
    ULONG_PTR itemData(int position) const { return menutest::itemDataAt(menu, position); }
    // The menu lights the item at `position` (-1: none), as it does under the mouse.
    void light(int position) {
        for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
            MENUITEMINFOA info = {};
            info.cbSize = sizeof info;
            info.fMask = MIIM_STATE;
            ::GetMenuItemInfoA(menu, i, TRUE, &info);
            info.fState = i == position ? (info.fState | MFS_HILITE) : (info.fState & ~MFS_HILITE);
            ::SetMenuItemInfoA(menu, i, TRUE, &info);
        }
    }
    LRESULT mouse(UINT message, POINT at) {
        ::SetCursorPos(at.x, at.y);
        MOUSEHOOKSTRUCT event = {};
        event.pt = at;
        event.hwnd = window;
        return trm::MenuMouseHook(HC_ACTION, message, reinterpret_cast<LPARAM>(&event));
    }
    trm::MenuEntry& entryNamed(const char* name) {
        for (trm::MenuEntry& entry : run.root.entries)
            if (entry.displayName == name) return entry;
        throw std::runtime_error(name);
    }
    bool tipShown() const { return run.thumbnailTip.m_hWnd != nullptr && ::IsWindowVisible(run.thumbnailTip.m_hWnd); }
    COLORREF titlePixel() const {
        trm::ClientDC dc(window);
        return ::GetPixel(dc.get(), 140, 10);
    }
    bool closes() {
        return pumpUntil(3000, [this]() { return !::IsWindow(window); });
    }

    wintest::FixtureFolder tree;
    trm::Settings settings;
    trm::PopupRun wholeRun{settings, false};
    trm::PopupRunParts run{wholeRun};
    HMENU menu = nullptr;
    HWND window = nullptr;
    struct Asked {
        HWND owner;
        std::string path;
        int x, y;
    };
    std::vector<Asked> asked;
    std::unique_ptr<trm::MenuHooks> hooks;
};

TEST_F(MenuMouseTest, RestingOnAnEntryShowsItsThumbnailUntilThePointerMovesOn) {
    openWindow();
    trm::MenuEntry& photo = entryNamed("photo.bmp");
    light(photoRow);
    mouse(WM_MOUSEMOVE, onItems);
    EXPECT_EQ(run.tracking.hoveredEntry, &photo);
    EXPECT_EQ(run.tracking.hoverTimer.owner(), window);
    ASSERT_TRUE(pumpUntil(5000, [this]() { return tipShown(); })) << "no thumbnail after the hover time";

    // Moving within the same entry keeps what is shown.
    mouse(WM_MOUSEMOVE, POINT{onItems.x + 5, onItems.y});
    EXPECT_TRUE(tipShown());
    EXPECT_FALSE(run.tracking.hoverTimer.running()) << "no new timer for the same entry";

    // Another entry hides it and starts the timer again.
    light(fileRow);
    mouse(WM_MOUSEMOVE, onItems);
    EXPECT_FALSE(tipShown());
    EXPECT_EQ(run.tracking.hoveredEntry, &entryNamed("a.txt"));
    EXPECT_TRUE(run.tracking.hoverTimer.running());

    // A sub-folder's item, and the world outside the menus, stop it.
    light(subRow);
    mouse(WM_MOUSEMOVE, onItems);
    EXPECT_FALSE(run.tracking.hoverTimer.running());
    EXPECT_EQ(run.tracking.hoveredEntry, nullptr);
    light(photoRow);
    mouse(WM_MOUSEMOVE, onItems);
    EXPECT_TRUE(run.tracking.hoverTimer.running());
    mouse(WM_MOUSEMOVE, offMenus);
    EXPECT_FALSE(run.tracking.hoverTimer.running());

    settings.dothumbnailsontooltip = false;
    mouse(WM_MOUSEMOVE, onItems);
    EXPECT_FALSE(run.tracking.hoverTimer.running()) << "no thumbnails asked for";
}

TEST_F(MenuMouseTest, TheTitleUnderThePointerIsLitAndRepaintedOnlyWhenThatChanges) {
    openWindow();
    trm::OwnerDrawMenu& owner = *run.root.menu;
    EXPECT_EQ(titlePixel(), sys(COLOR_INFOBK));
    light(titleRow);
    mouse(WM_MOUSEMOVE, onTitle);
    EXPECT_EQ(run.drawing.layoutOf(owner).titleHighlighted, 1);
    EXPECT_EQ(titlePixel(), sys(COLOR_WINDOW));

    // A mark on the strip stays while the pointer stays on the title.
    {
        trm::ClientDC dc(window);
        ::SetPixel(dc.get(), 140, 10, RGB(1, 2, 3));
    }
    mouse(WM_MOUSEMOVE, POINT{onTitle.x + 3, onTitle.y});
    EXPECT_EQ(titlePixel(), RGB(1, 2, 3));

    light(fileRow);
    mouse(WM_MOUSEMOVE, onItems);
    EXPECT_EQ(run.drawing.layoutOf(owner).titleHighlighted, 0);
    EXPECT_EQ(titlePixel(), sys(COLOR_INFOBK));
}

// That a click on the title and a double click on a sub-folder open them is
// checked on the real program (e2e menu_mouse_test); here, what opens nothing.
TEST_F(MenuMouseTest, ClicksOnOrdinaryItemsAndOnATitleThatIsNoButtonOpenNothingThemselves) {
    openWindow();
    light(fileRow);
    mouse(WM_LBUTTONUP, onItems);
    mouse(WM_LBUTTONDBLCLK, onItems);
    EXPECT_EQ(run.tracking.pendingOpenPath, "") << "an ordinary item is the menu's own";

    // Without clicktoopenfolder the title is no button.
    settings.dotitlesclicktoopenfolder = false;
    light(titleRow);
    mouse(WM_LBUTTONUP, onTitle);
    EXPECT_EQ(run.tracking.pendingOpenPath, "");
}

TEST_F(MenuMouseTest, ARightClickAsksForTheShellsMenuOfTheLitEntryOnly) {
    openWindow();
    light(fileRow);
    mouse(WM_RBUTTONUP, onItems);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].owner, window);
    EXPECT_EQ(asked[0].path, tree.at("a.txt"));
    EXPECT_EQ(asked[0].x, onItems.x);
    EXPECT_EQ(asked[0].y, onItems.y);

    for (int row : {titleRow, subRow, -1}) {
        light(row);
        mouse(WM_RBUTTONUP, onItems);
    }
    mouse(WM_RBUTTONUP, offMenus);
    EXPECT_EQ(asked.size(), 1u) << "titles, sub-folders, nothing lit and other windows have no shell menu";

    // A title picture that is not to be clicked has none either.
    entryNamed("photo.bmp").isTitlePicture = true;
    settings.dotitleimages = true;
    settings.dotitleimagesnoclick = true;
    light(photoRow);
    mouse(WM_RBUTTONUP, onItems);
    EXPECT_EQ(asked.size(), 1u);
    settings.dotitleimagesnoclick = false;
    mouse(WM_RBUTTONUP, onItems);
    EXPECT_EQ(asked.size(), 2u);

    // While the shell's own menu is up, its clicks are not ours, and the
    // pointer over it does not count as having left our menus.
    settings.dieonmouseout = true;
    settings.dieonmouseouttime = 0;
    run.tracking.pointerHasEntered = true;
    run.tracking.shellMenuShown = true;
    mouse(WM_RBUTTONUP, onItems);
    EXPECT_EQ(asked.size(), 2u);
    ::SetCursorPos(offMenus.x, offMenus.y);
    ::SendMessageA(window, WM_NULL, 0, 0);
    EXPECT_FALSE(pumpUntil(300, [this]() { return !::IsWindow(window); }));
    run.tracking.shellMenuShown = false;
    ::SendMessageA(window, WM_NULL, 0, 0);
    EXPECT_TRUE(closes()) << "once the shell's menu is gone, leaving closes ours";
}

}  // namespace
