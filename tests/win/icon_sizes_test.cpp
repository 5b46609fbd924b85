// Icons for a menu on a monitor scaled otherwise than the system: what the
// worker's shell calls hand back is the size asked for, for a file, a
// folder, an icon file and the standard folder icon; and a menu
// shown at another DPI asks for its icons again at that DPI's size.
#include <windows.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include <mutex>
#include <string>
#include <vector>

#include "common/display_dpi.h"
#include "common/thread_apartment.h"
#include "common/user_handles.h"
#include "fixture_folder.h"
#include "framework/win_app.h"
#include "model/icon_cache.h"
#include "model/icon_worker.h"
#include "popup_run_parts.h"
#include "wait_for.h"

namespace {

using Kind = trm::IconRequest::Kind;

TEST(IconSizesTest, TheShellsIconsComeAtTheSizeAskedFor) {
    trm::ThreadApartment apartment;
    wintest::FixtureFolder tree("sized");
    tree.file("a.txt");
    tree.folder("Sub");
    char system[MAX_PATH] = {};
    ::GetSystemDirectoryA(system, MAX_PATH);
    struct Case {
        const char* name;
        Kind kind;
        std::string source;
        UINT flags;
        DWORD attributes;
    };
    const UINT small = SHGFI_ICON | SHGFI_SMALLICON;
    const Case cases[] = {
        {"file", Kind::fileInfo, tree.at("a.txt"), small, FILE_ATTRIBUTE_NORMAL},
        {"folder", Kind::fileInfo, tree.at("Sub"), small, FILE_ATTRIBUTE_DIRECTORY},
        {"icon file", Kind::extract, std::string(system) + "\\shell32.dll", 0, 0},
        {"standard folder", Kind::folderClosed, "", 0, 0},
    };
    const int systemSize = trm::systemMetricForDpi(SM_CXSMICON, trm::displayDpi());
    for (const int size : {systemSize + 8, systemSize * 3}) {
        for (const Case& c : cases) {
            trm::IconRequest request;
            request.kind = c.kind;
            request.source = c.source;
            request.flags = c.flags;
            request.attributes = c.attributes;
            request.index = 3;
            request.size = size;
            const trm::IconHandle icon(trm::shellIconOf(request));
            ASSERT_TRUE(icon) << c.name << " at " << size;
            int width = 0;
            int height = 0;
            trm::measureIcon(icon.get(), width, height);
            EXPECT_EQ(width, size) << c.name;
            EXPECT_EQ(height, size) << c.name;
        }
    }
}

TEST(IconSizesTest, AMenuShownAtAnotherDpiAsksForItsIconsAtThatSize) {
    wintest::FixtureFolder tree("dpiicons");
    tree.file("a.txt");
    tree.folder("Sub");
    trm::Settings settings;
    settings.display = 3;
    CWinApp app;
    trm::PopupRun whole(settings, false);
    trm::PopupRunParts run(whole);
    std::mutex lock;
    std::vector<std::pair<std::string, int>> asked;
    run.hostWindow.create();
    run.icons.setOwner(run.hostWindow.m_hWnd, 0);
    run.icons.startWorker(run.hostWindow.m_hWnd, trm::HostWindow::iconArrived, [&](const trm::IconRequest& request) {
        {
            std::lock_guard<std::mutex> held(lock);
            asked.emplace_back(request.key, request.size);
        }
        return trm::shellIconOf(request);
    });
    char startDirectory[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, startDirectory);
    ::SetCurrentDirectoryA(tree.root.c_str());
    run.scanRoot();
    ::SetCurrentDirectoryA(startDirectory);
    run.builder.buildMenu(run.root);

    // A DPI whose icons differ from the system's.
    const int dpi = trm::displayDpi() * 2;
    const int size = run.icons.iconSizeAt(dpi);
    ASSERT_NE(size, run.icons.iconSizeAt(trm::displayDpi()));
    const HMENU root = run.root.menu->GetSafeHmenu();
    run.builder.iconsAt(dpi, root);
    const auto askedAt = [&](const std::string& prefix) {
        std::lock_guard<std::mutex> held(lock);
        for (const auto& request : asked)
            if (request.first.compare(0, prefix.size(), prefix) == 0 && request.second == size) return true;
        return false;
    };
    ASSERT_TRUE(wintest::waitFor(10000,
                                 [&] {
                                     return askedAt(".txt") && askedAt(
                                                                   "\x01"
                                                                   "closed folder");
                                 }))
        << "not asked for at " << size;
    // They fill in as they come, each item at the new size.
    ASSERT_TRUE(wintest::waitFor(10000, [&] { return run.icons.toCome() == 0 && !run.builder.lateIcons().apply(); }));
    for (int position = 0; position < ::GetMenuItemCount(root); ++position) {
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_DATA;
        ASSERT_TRUE(::GetMenuItemInfoA(root, position, TRUE, &item));
        const trm::MenuItemData* record = run.records.find(item.dwItemData);
        ASSERT_NE(record, nullptr);
        ASSERT_NE(record->icon, nullptr) << position;
        int width = 0;
        int height = 0;
        trm::measureIcon(record->icon, width, height);
        EXPECT_EQ(width, size) << position;
        EXPECT_EQ(record->iconWidth, size) << position;
    }
    // Back at the system's DPI, the icon column narrows again.
    run.builder.iconsAt(trm::displayDpi(), root);
    EXPECT_LT(run.root.menu->maxCheckWidth, size);
}

}  // namespace
