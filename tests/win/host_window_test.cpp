// The host window while a menu is tracked and after: sub-menus of unread
// folders are filled as they open (once), an empty folder offers its one
// entry, a folder item's open icon is fetched when it is first highlighted,
// the exit timer closes the window and ends the message loop, and a
// property sheet the shell shows keeps the loop until it is closed.
#include "app/host_window.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <objbase.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "common/command_ids.h"
#include "common/worker_signals.h"
#include "fixture_folder.h"
#include "framework/win_app.h"
#include "launch/shell_context_menu.h"
#include "menu_test_support.h"
#include "menu_typist.h"
#include "menus/owner_draw_menu.h"
#include "model/folder_scanner.h"
#include "popup_run_parts.h"
#include "presentation/tracking_state.h"

namespace {

using menutest::itemDataAt;

class HostWindowTest : public ::testing::Test {
protected:
    explicit HostWindowTest(int display = 0) : tree("host") {
        tree.folder("Empty");
        tree.folder("Sub");
        tree.file("Sub\\a.txt");
        tree.file("top.txt");
        ::GetCurrentDirectoryA(MAX_PATH, startDirectory);
        settings.sort = trm::SortKey::NameNoCase;
        settings.display = display;
        run.hostWindow.create();
        run.icons.setOwner(run.hostWindow.m_hWnd, 0);
        ::SetCurrentDirectoryA(tree.root.c_str());
        run.scanRoot();
        ::SetCurrentDirectoryA(startDirectory);
        run.builder.buildMenu(run.root);
    }
    ~HostWindowTest() override { ::SetCurrentDirectoryA(startDirectory); }

    HMENU menuOf(const char* name) {
        for (auto& sub : run.root.subfolders)
            if (sub->name == name) return sub->menu->GetSafeHmenu();
        return nullptr;
    }
    void opening(HMENU menu, LPARAM lParam = 0) {
        ::SendMessageA(run.hostWindow.m_hWnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), lParam);
    }
    std::string textAt(HMENU menu, int position) {
        const trm::MenuItemData* record = run.records.find(itemDataAt(menu, position));
        return record ? record->label() : "<none>";
    }

    wintest::FixtureFolder tree;
    char startDirectory[MAX_PATH] = {};
    trm::Settings settings;
    trm::PopupRun wholeRun{settings, false};
    trm::PopupRunParts run{wholeRun};
    CWinApp app;  // ends its message loop when the main window goes
};

class HostWindowIconsTest : public HostWindowTest {
protected:
    HostWindowIconsTest() : HostWindowTest(3) {}
};

TEST_F(HostWindowIconsTest, AFolderItemsOpenIconIsFetchedWhenItIsFirstDrawnHighlighted) {
    const trm::StandardFolderIcons& standard = run.icons.folderIcons(false);
    ASSERT_NE(standard.closed, nullptr);
    EXPECT_EQ(standard.open, nullptr) << "not fetched at the start";
    const HMENU root = run.root.menu->GetSafeHmenu();
    trm::MenuItemData* folderItem = run.records.find(itemDataAt(root, 0));
    ASSERT_NE(folderItem, nullptr);
    ASSERT_TRUE(folderItem->subMenu);
    menutest::Canvas canvas(200, 40);
    for (UINT state : {0u, static_cast<UINT>(ODS_SELECTED)}) {
        DRAWITEMSTRUCT request = menutest::drawRequest(canvas.hdc(), itemDataAt(root, 0), RECT{0, 0, 200, 20}, state);
        ::SendMessageA(run.hostWindow.m_hWnd, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&request));
        if (state == 0) {
            EXPECT_EQ(standard.open, nullptr) << "drawn plain, it needs none";
        }
    }
    EXPECT_NE(standard.open, nullptr);
    EXPECT_EQ(folderItem->selectedIcon, standard.open);
}

TEST_F(HostWindowTest, AnUnreadFolderIsReadWhenItsMenuOpensAndOnlyThen) {
    const HMENU sub = menuOf("Sub");
    ASSERT_EQ(::GetMenuItemID(sub, 0), static_cast<UINT>(trm::placeholderCommandId));
    opening(sub);
    EXPECT_EQ(run.tracking.currentMenu, sub);
    ASSERT_EQ(::GetMenuItemCount(sub), 1);
    EXPECT_EQ(textAt(sub, 0), "a.txt");
    EXPECT_NE(::GetMenuItemID(sub, 0), static_cast<UINT>(trm::placeholderCommandId));

    // A file that appears later is not picked up: the folder is read once.
    tree.file("Sub\\b.txt");
    opening(sub);
    EXPECT_EQ(::GetMenuItemCount(sub), 1);
    char current[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, current);
    EXPECT_STREQ(current, startDirectory) << "the current directory is put back";
}

TEST_F(HostWindowTest, AnEmptyFolderOffersOneEntryThatOpensIt) {
    settings.addexploretext = "Browse";
    const HMENU empty = menuOf("Empty");
    opening(empty);
    ASSERT_EQ(::GetMenuItemCount(empty), 1);
    EXPECT_EQ(textAt(empty, 0), "Browse");
    const int id = static_cast<int>(::GetMenuItemID(empty, 0));
    EXPECT_GE(id, 1000);
    std::string opened;
    EXPECT_TRUE(run.builder.runCommand(run.root, id, [&opened](const std::string& path) {
        opened = path;
        return true;
    }));
    EXPECT_EQ(opened, tree.at("Empty"));
}

TEST_F(HostWindowTest, AFolderThatCannotBeEnteredIsNotReadFromElsewhere) {
    const HMENU sub = menuOf("Sub");
    wintest::FixtureFolder::removeTree(tree.at("Sub"));
    opening(sub);
    ASSERT_EQ(::GetMenuItemCount(sub), 1);
    EXPECT_EQ(textAt(sub, 0), "Explore");
}

TEST_F(HostWindowTest, WindowMenusAndForeignMenusAreLeftAlone) {
    const HMENU sub = menuOf("Sub");
    opening(sub, MAKELPARAM(0, 1));
    EXPECT_EQ(::GetMenuItemID(sub, 0), static_cast<UINT>(trm::placeholderCommandId));
    HMENU foreign = ::CreatePopupMenu();
    ::AppendMenuA(foreign, MF_STRING, trm::placeholderCommandId, "not ours");
    opening(foreign);
    EXPECT_EQ(::GetMenuItemCount(foreign), 1);
    ::DestroyMenu(foreign);
}

TEST_F(HostWindowTest, TypedCharactersSelectItemsByTheirShownNames) {
    const HMENU root = run.root.menu->GetSafeHmenu();  // Empty, Sub, top.txt
    const HMENU empty = menuOf("Empty");
    opening(empty);  // its one entry: Explore
    const auto typed = [this](char c, HMENU menu) {
        return ::SendMessageA(run.hostWindow.m_hWnd, WM_MENUCHAR, MAKEWPARAM(static_cast<BYTE>(c), MF_POPUP),
                              reinterpret_cast<LPARAM>(menu));
    };
    EXPECT_EQ(typed('T', root), MAKELRESULT(2, MNC_SELECT));
    EXPECT_EQ(typed('x', root), MAKELRESULT(0, MNC_IGNORE)) << "tx names nothing";
    EXPECT_EQ(typed('e', empty), MAKELRESULT(0, MNC_SELECT)) << "another menu starts afresh";
    EXPECT_EQ(typed('s', root), MAKELRESULT(1, MNC_SELECT));
    EXPECT_EQ(typed('u', root), MAKELRESULT(1, MNC_SELECT));
    // Nothing is opened or filled by typing.
    EXPECT_EQ(::GetMenuItemID(menuOf("Sub"), 0), static_cast<UINT>(trm::placeholderCommandId));

    HMENU foreign = ::CreatePopupMenu();
    ::AppendMenuA(foreign, MF_STRING, 1, "&not ours");
    const WPARAM n = MAKEWPARAM('n', MF_POPUP);
    EXPECT_EQ(::SendMessageA(run.hostWindow.m_hWnd, WM_MENUCHAR, n, reinterpret_cast<LPARAM>(foreign)),
              ::DefWindowProcA(run.hostWindow.m_hWnd, WM_MENUCHAR, n, reinterpret_cast<LPARAM>(foreign)));
    ::DestroyMenu(foreign);
}

TEST_F(HostWindowTest, TheExitTimerClosesTheWindowAndEndsTheLoop) {
    run.hostWindow.startExitTimer(50);
    app.m_pMainWnd = &run.hostWindow;
    const DWORD started = ::GetTickCount();
    MSG message;
    bool quit = false;
    while (!quit && ::GetTickCount() - started < 10000) {
        if (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            quit = message.message == WM_QUIT;
            ::DispatchMessageA(&message);
        } else {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }
    EXPECT_TRUE(quit);
    EXPECT_EQ(run.hostWindow.m_hWnd, nullptr);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
}

TEST_F(HostWindowTest, TheShellsPropertySheetKeepsTheLoopUntilItIsClosed) {
    // Properties, the shell's last command, on a thread of its own: the way
    // Windows shows the sheet once the command has returned.
    bool announced = false;
    std::thread sheetThread([this, &announced]() {
        ::CoInitialize(nullptr);
        wintest::MenuTypist typist({VK_UP, VK_RETURN});
        trm::ShellContextMenuCall call{
            nullptr, nullptr, tree.at("top.txt"), 100, 100, false, [&announced]() { announced = true; }, {}};
        trm::showShellContextMenu(call);
        ::CoUninitialize();
    });
    run.tracking.contextCommandDone = true;
    app.m_pMainWnd = &run.hostWindow;

    // The exit timer starts once the sheet is up, and the host window's
    // timer messages are counted: the sheet is closed after the exit timer
    // and one check have passed with it open; the next check or the one
    // after (the sheet's thread may not have closed it yet) ends the loop.
    const DWORD started = ::GetTickCount();
    HWND sheet = nullptr;
    int timersWhileOpen = 0;
    int timersAfterClose = 0;
    bool closed = false;
    bool quit = false;
    MSG message;
    while (!quit && ::GetTickCount() - started < 30000) {
        if (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            quit = message.message == WM_QUIT;
            const bool hostTimer = message.message == WM_TIMER && message.hwnd == run.hostWindow.m_hWnd;
            ::DispatchMessageA(&message);
            if (hostTimer && closed) ++timersAfterClose;
            if (hostTimer && !closed && sheet != nullptr && ++timersWhileOpen == 2) {
                ::PostMessageA(sheet, WM_CLOSE, 0, 0);
                closed = true;
            }
            continue;
        }
        if (sheet == nullptr && (sheet = ::FindWindowA(nullptr, "Properties for top.txt")) != nullptr)
            run.hostWindow.startExitTimer(100);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    // A sheet left open (the loop ended too soon) would keep its thread.
    wintest::waitFor(10000, [&]() {
        return closed || sheet != nullptr || (sheet = ::FindWindowA(nullptr, "Properties for top.txt")) != nullptr;
    });
    if (sheet != nullptr && !closed) ::PostMessageA(sheet, WM_CLOSE, 0, 0);
    sheetThread.join();
    ASSERT_NE(sheet, nullptr) << "the shell showed no property sheet";
    EXPECT_TRUE(announced);
    ASSERT_TRUE(closed) << "the loop ended while the sheet was open (" << timersWhileOpen << " timers)";
    ASSERT_TRUE(quit) << "the loop went on after the sheet had closed";
    EXPECT_LE(timersAfterClose, 2);
}

// An icon source that keeps the icon until the test lets it go.
struct SlowIcons {
    HANDLE letGo = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    volatile LONG entered = 0;
    volatile LONG returned = 0;
    HICON made = nullptr;
    ~SlowIcons() { ::CloseHandle(letGo); }

    HICON fetch(const trm::IconRequest& request) {
        if (request.kind != trm::IconRequest::Kind::fileInfo) return nullptr;
        ::InterlockedExchange(&entered, 1);
        ::WaitForSingleObject(letGo, 20000);
        std::vector<DWORD> red(16 * 16, 0x00FF0000);
        std::vector<BYTE> mask(16 * 16 / 8, 0);
        made = ::CreateIcon(nullptr, 16, 16, 1, 32, mask.data(), reinterpret_cast<BYTE*>(red.data()));
        ::InterlockedExchange(&returned, 1);
        return made;
    }
};

struct SlowIconRun {
    trm::PopupRunParts* run = nullptr;
    SlowIcons* icons = nullptr;
    bool shownBeforeIcon = false;
    bool redBeforeIcon = false;
    bool paintedAfterIcon = false;
    int ticks = 0;
};
SlowIconRun slowRun;

// The screen's colour at the middle of the first item's icon.
COLORREF iconColour(HMENU menu) {
    RECT item{};
    if (!::GetMenuItemRect(nullptr, menu, 0, &item)) return CLR_INVALID;
    HDC screen = ::GetDC(nullptr);
    const COLORREF colour = ::GetPixel(screen, item.left + 2 + 8, item.top + 2 + 8);
    ::ReleaseDC(nullptr, screen);
    return colour;
}

void CALLBACK watchSlowIcon(HWND, UINT, UINT_PTR id, DWORD) {
    SlowIconRun& state = slowRun;
    const HMENU root = state.run->root.menu->GetSafeHmenu();
    const HWND shown = state.run->root.menu->menuWindow;
    const bool onScreen = shown != nullptr && ::IsWindowVisible(shown);
    if (++state.ticks > 1000) {
        ::KillTimer(nullptr, id);
        ::SetEvent(state.icons->letGo);
        ::EndMenu();
    } else if (!state.shownBeforeIcon && onScreen) {
        ::UpdateWindow(shown);
        state.shownBeforeIcon = state.icons->returned == 0;
        state.redBeforeIcon = iconColour(root) == RGB(255, 0, 0);
        ::SetEvent(state.icons->letGo);
    } else if (state.shownBeforeIcon && iconColour(root) == RGB(255, 0, 0)) {
        state.paintedAfterIcon = true;
        ::KillTimer(nullptr, id);
        ::EndMenu();
    }
}

// A run over a folder of one file whose icon comes from `icons`, with
// `watch` called every 10 ms while it runs.
void runWithSlowIcons(SlowIcons& icons, TIMERPROC watch, std::chrono::milliseconds workerWait) {
    wintest::FixtureFolder tree("lateicon");
    tree.file("a.txt");
    trm::Settings settings;
    settings.display = 3;
    settings.startdirectory = tree.root;
    trm::PopupRun whole(settings, false);
    trm::PopupRunParts run(whole);
    run.iconSource = [&icons](const trm::IconRequest& request) { return icons.fetch(request); };
    run.workerWait = workerWait;
    slowRun = SlowIconRun{&run, &icons};
    ::SetTimer(nullptr, 0, 10, watch);
    run.show();
}

TEST(LateIconsTest, TheMenuShowsBeforeASlowIconAndPaintsItWhenItComes) {
    SlowIcons icons;
    runWithSlowIcons(icons, watchSlowIcon, std::chrono::milliseconds(500));
    EXPECT_TRUE(slowRun.shownBeforeIcon) << "the menu waited for the icon";
    EXPECT_FALSE(slowRun.redBeforeIcon);
    EXPECT_TRUE(slowRun.paintedAfterIcon) << "the icon that came was not painted";
}

void CALLBACK endOnceTheIconIsAskedFor(HWND, UINT, UINT_PTR id, DWORD) {
    const HWND shown = slowRun.run->root.menu->menuWindow;
    if (++slowRun.ticks > 1000 || (shown != nullptr && ::IsWindowVisible(shown) && slowRun.icons->entered)) {
        ::KillTimer(nullptr, id);
        ::EndMenu();
    }
}

// The end of a run waits for a hanging icon only so long; the worker ends
// when the shell lets it go, and destroys the icon that came too late.
TEST(LateIconsTest, AHangingIconHoldsTheEndOnlyBrieflyAndIsDestroyedWhenItComes) {
    SlowIcons icons;
    runWithSlowIcons(icons, endOnceTheIconIsAskedFor, std::chrono::milliseconds(50));
    ASSERT_TRUE(icons.entered) << "the icon was never asked for";
    EXPECT_EQ(trm::workerThreadsAlive().load(), 1) << "the run's end waited for the hanging icon";
    ::SetEvent(icons.letGo);
    for (int i = 0; i < 2000 && trm::workerThreadsAlive().load() != 0; ++i) ::Sleep(10);
    ASSERT_EQ(trm::workerThreadsAlive().load(), 0);
    ICONINFO info{};
    EXPECT_FALSE(::GetIconInfo(icons.made, &info)) << "the late icon was kept";
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    if (info.hbmMask) ::DeleteObject(info.hbmMask);
}

}  // namespace
