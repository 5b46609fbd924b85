// The whole life of a popup run, 200 times in one process, with icons,
// titles, title pictures, shortcuts and thumbnails on: the real run scans
// the folder, builds the menus and tracks the root menu; while it is up a
// timer opens every sub-menu (the host window fills them), paints every
// item through the host window, shows a thumbnail and ends the menu; the
// run then tears everything down and goes. The process must end with as
// many GDI objects, USER objects, kernel handles and menu records as it had
// after the first runs, and every menu of a run must be gone after it.
//
// Counters that work under Wine (GetGuiResources answers 0 there):
// - GDI objects: the free places of the process's GDI handle table, found
//   by making brushes until none can be made (every object left behind
//   takes one place for good);
// - USER objects (menus, windows, icons and cursors): the same with menus;
// - kernel handles: the handle values that GetHandleInformation accepts
//   (GetProcessHandleCount answers 0 under Wine 8);
// - menus: IsMenu on every menu handle of a run after its teardown.
#include <windows.h>
#include <gtest/gtest.h>
#include <objbase.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "common/worker_signals.h"
#include "fixture_folder.h"
#include "handle_counts.h"
#include "menu_test_support.h"
#include "menus/owner_draw_menu.h"
#include "menus/picture.h"
#include "picture_files.h"
#include "popup_run_parts.h"
#include "shortcut_file.h"

namespace {

using wintest::freeGdiPlaces;
using wintest::freeUserPlaces;
using wintest::kernelHandles;

// The records the last run's teardown left in its list.
long recordsLeft = 0;

long menuRecords() {
    return recordsLeft;
}

long recordsOf(const trm::ItemDataList& records) {
    long count = 0;
    for (trm::MenuItemData* record = records.head(); record != nullptr; record = record->next) ++count;
    return count;
}

struct Counts {
    long freeGdi, freeUser, kernel, records;
};

Counts countNow() {
    return {freeGdiPlaces(), freeUserPlaces(), kernelHandles(), menuRecords()};
}

// The menu and its sub-menus, depth first.
void collectMenus(HMENU menu, std::vector<HMENU>& into) {
    into.push_back(menu);
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i)
        if (HMENU sub = ::GetSubMenu(menu, i)) collectMenus(sub, into);
}

// The run under way, and the menus its timer found.
trm::PopupRunParts* running = nullptr;
std::vector<HMENU> runMenus;
// Whether the run waits for the worker's icons before its menu ends.
bool settleIcons = false;
int settleTicks = 0;

// Paints every item of the menus through the host window, as the system
// asks for the items it shows, plain and highlighted.
void paintAll(HWND host, const std::vector<HMENU>& menus) {
    menutest::Canvas canvas(400, 60);
    for (HMENU menu : menus) {
        for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
            const ULONG_PTR data = menutest::itemDataAt(menu, static_cast<UINT>(i));
            MEASUREITEMSTRUCT size = menutest::measureRequest(data);
            ::SendMessageA(host, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&size));
            for (UINT state : {0u, static_cast<UINT>(ODS_SELECTED)}) {
                DRAWITEMSTRUCT request = menutest::drawRequest(canvas.hdc(), data, RECT{0, 0, 400, 60}, state);
                ::SendMessageA(host, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&request));
            }
        }
    }
}

// Fires inside the run's menu loop: what a user would make the run do,
// then the end of the menu.
void CALLBACK actAndEndMenu(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    trm::PopupRunParts& run = *running;
    // Timers may fire in a message loop of the shell's before the menu is up.
    if (run.tracking.openMenuWindows.empty()) {
        ::SetTimer(nullptr, 0, 10, actAndEndMenu);
        return;
    }
    const HWND host = run.hostWindow.m_hWnd;
    // Every sub-menu opens once (the host window fills it), deepest too.
    for (size_t done = 0;;) {
        runMenus.clear();
        collectMenus(run.root.menu->GetSafeHmenu(), runMenus);
        if (done == runMenus.size()) break;
        for (HMENU menu : runMenus) ::SendMessageA(host, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
        done = runMenus.size();
    }
    if (settleIcons && run.icons.toCome() != 0 && ++settleTicks < 500) {
        ::SetTimer(nullptr, 0, 10, actAndEndMenu);
        return;
    }
    paintAll(host, runMenus);
    // A thumbnail, shown and painted.
    trm::ThumbnailTip& tip = run.thumbnailTip;
    trm::loadPicture(run.settings, run.root.path + "\\photo.bmp", 96, tip.image);
    tip.showAt(20, 20);
    menutest::Canvas canvas(120, 90);
    ::SendMessageA(tip.m_hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.hdc()), 0);
    ::EndMenu();
}

class RunCycleLeakTest : public ::testing::Test {
protected:
    RunCycleLeakTest() : tree("runleak") {
        ::CoInitialize(nullptr);
        ::GetCurrentDirectoryA(MAX_PATH, startDirectory);
        tree.file("folder.jpg", wintest::jpegFile());
        tree.file("photo.bmp", wintest::bmpFile(40, 30, RGB(10, 200, 30)));
        tree.file("logo.ico", wintest::icoFile(16, RGB(200, 0, 0)));
        tree.file("anim.gif", wintest::gifFile());
        for (const char* name : {"a.txt", "b.mp3", "c.doc", "d.bat", "e.html", "tool.exe"}) tree.file(name);
        tree.folder("Music");
        tree.file("Music\\folder.jpg", wintest::jpegFile());
        for (const char* name : {"Music\\one.mp3", "Music\\two.wav", "Music\\cover.bmp"}) tree.file(name);
        tree.folder("Music\\Live");
        tree.file("Music\\Live\\three.mp3");
        tree.folder("Empty");
        tree.folder("Pictures");
        tree.file("Pictures\\x.gif", wintest::gifFile());
        tree.file("Pictures\\y.bmp", wintest::bmpFile(20, 20, RGB(0, 0, 200)));
        wintest::makeShortcut(tree.at("Readme.lnk"), tree.at("a.txt"));
        wintest::makeShortcut(tree.at("To music.lnk"), tree.at("Music"), FILE_ATTRIBUTE_DIRECTORY);
        wintest::makeShortcut(tree.at("Gone.lnk"), tree.at("gone.txt"), FILE_ATTRIBUTE_ARCHIVE);

        settings.startdirectory = tree.root;
        settings.sort = trm::SortKey::NameNoCase;
        settings.display = 3;
        settings.dotitles = true;
        settings.dotitlesgradient = true;
        settings.dotitleimages = true;
        settings.iconsforfolders = true;
        settings.menusforshortcutstofolders = true;
        settings.dothumbnailsontooltip = true;
        settings.addexplore = true;
        settings.addopenall = true;
        settings.separatorbetweenfilesandfolders = true;
        settings.noavailablecheck = true;  // no probing of drives and networks 200 times
    }
    ~RunCycleLeakTest() override {
        ::SetCurrentDirectoryA(startDirectory);
        ::CoUninitialize();
    }

    // One run, the real one; its menus go to `menus`.
    void oneRun(std::vector<HMENU>& menus) {
        trm::PopupRun whole(settings, false);
        trm::PopupRunParts run(whole);
        // A worker that a slow shell call (a loaded machine) keeps past the
        // end's bounded wait goes on beside the teardown, and that overlap
        // costs Wine's tables an object now and then: these runs wait for
        // their workers, as a run whose shell answers in time does.
        run.workerWait = std::chrono::minutes(1);
        running = &run;
        ::SetTimer(nullptr, 0, 10, actAndEndMenu);
        run.show();
        recordsLeft = recordsOf(run.records);
        running = nullptr;
        menus = runMenus;
        ASSERT_EQ(trm::workerThreadsAlive().load(), 0) << "a run left a worker thread running";
    }

    wintest::FixtureFolder tree;
    char startDirectory[MAX_PATH] = {};
    trm::Settings settings;
};

TEST_F(RunCycleLeakTest, TwoHundredRunsLeaveNothingBehind) {
    std::vector<HMENU> menus;
    // The first runs fill what the system keeps for the process (the
    // shell's image list, the picture loader, font and DC caches): they
    // wait for every icon asked of the worker, which the later runs mostly
    // leave behind, so that the shell has met each of them once.
    settleIcons = true;
    for (int run = 0; run < 5; ++run) {
        settleTicks = 0;
        oneRun(menus);
    }
    settleIcons = false;
    ASSERT_GE(menus.size(), 5u) << "the runs did not make the sub-menus";
    const Counts before = countNow();
    const std::vector<bool> slotsBefore = wintest::freeUserSlots();
    int menusLeft = 0;
    for (int run = 0; run < 200; ++run) {
        oneRun(menus);
        for (HMENU menu : menus) menusLeft += ::IsMenu(menu) ? 1 : 0;
    }
    const Counts after = countNow();
    const int ownTaken = wintest::ownObjectsTaken(slotsBefore, wintest::freeUserSlots());
    std::printf(
        "after 5 runs / after 205 runs (%zu menus a run):\n"
        "  free GDI handle-table places %ld / %ld\n"
        "  free USER handle-table places %ld / %ld\n"
        "  kernel handles (valid handle values) %ld / %ld\n"
        "  menu item records %ld / %ld\n"
        "  menus left after their teardown: %d\n",
        menus.size(), before.freeGdi, after.freeGdi, before.freeUser, after.freeUser, before.kernel, after.kernel,
        before.records, after.records, menusLeft);
    EXPECT_EQ(menusLeft, 0);
    EXPECT_EQ(after.records, 0);
    EXPECT_EQ(after.freeGdi, before.freeGdi);
    // The places this process's objects took, not the raw count: see
    // ownObjectsTaken for the places Wine loses by itself.
    EXPECT_EQ(ownTaken, 0) << "free USER places " << before.freeUser << " / " << after.freeUser;
    EXPECT_EQ(after.kernel, before.kernel);
}

// Icons (the icon cache's and the folder icons) are USER objects under Wine
// as on Windows: one left behind takes a place of the USER table too.
TEST(RunCycleLeakCounters, EachCounterSeesOneObjectLeftBehind) {
    const Counts before = countNow();
    HBRUSH brush = ::CreateSolidBrush(RGB(4, 5, 6));
    HMENU menu = ::CreatePopupMenu();
    HANDLE event = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
    const Counts after = countNow();
    std::printf("one brush, one menu, one event: GDI %ld -> %ld, USER %ld -> %ld, kernel %ld -> %ld\n", before.freeGdi,
                after.freeGdi, before.freeUser, after.freeUser, before.kernel, after.kernel);
    EXPECT_EQ(after.freeGdi, before.freeGdi - 1);
    EXPECT_EQ(after.freeUser, before.freeUser - 1);
    EXPECT_EQ(after.kernel, before.kernel + 1);
    HICON icon = menutest::solidIcon(16, RGB(9, 9, 9));
    const long withIcon = freeUserPlaces();
    std::printf("and one icon: USER %ld -> %ld\n", after.freeUser, withIcon);
    EXPECT_EQ(withIcon, after.freeUser - 1);
    ::DestroyIcon(icon);
    ::CloseHandle(event);
    ::DestroyMenu(menu);
    ::DeleteObject(brush);
    EXPECT_TRUE(::IsMenu(::CreatePopupMenu()));
}

}  // namespace
