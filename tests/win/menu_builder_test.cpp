// The builder on models the scanner read from real folders: the native
// menus it makes, the commands it runs and what the teardown leaves.
#include "menus/menu_builder.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "common/command_ids.h"
#include "fixture_folder.h"
#include "launch/item_launcher.h"
#include "menu_test_support.h"
#include "menus/menu_teardown.h"
#include "menus/owner_draw_menu.h"
#include "menus/picture_header.h"
#include "menus/run_menus.h"
#include "model/folder_scanner.h"
#include "model/icon_worker.h"
#include "model/win_scan_platform.h"
#include "picture_files.h"
#include "shortcut_file.h"

namespace {

using Items = std::vector<std::string>;

class MenuBuilderTest : public ::testing::Test {
protected:
    // The record of the item at `position`, null for none.
    const trm::MenuItemData* recordAt(HMENU menu, int position) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_DATA;
        ::GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
        return records.find(info.dwItemData);
    }

    MenuBuilderTest() : tree("builder") {
        tree.folder("Alpha");
        tree.folder("Beta");
        tree.file("Beta\\inner.txt");
        for (const char* name : {"a.txt", "b.mp3", "c.wav", "d.mp3"}) tree.file(name);
        settings.sort = trm::SortKey::NameNoCase;
        ::GetCurrentDirectoryA(MAX_PATH, startDirectory);
    }
    ~MenuBuilderTest() override {
        trm::tearDownRun(menus, root);
        ::SetCurrentDirectoryA(startDirectory);
    }

    // The icon drawn at its small size on a plain background, pixel by pixel.
    static std::vector<COLORREF> pixelsOf(HICON icon) {
        const int size = ::GetSystemMetrics(SM_CXSMICON);
        menutest::Canvas canvas(size, size);
        ::DrawIconEx(canvas.hdc(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) pixels.push_back(canvas.at(x, y));
        return pixels;
    }

    void shortcut(const std::string& name, const std::string& target, DWORD recordedAttributes = 0,
                  const char* iconFile = nullptr) {
        ASSERT_TRUE(wintest::makeShortcut(tree.at(name + ".lnk"), target, recordedAttributes, iconFile)) << name;
    }

    // Shortcuts to a file, a removed file, a folder, a removed folder, the
    // drive root and a network folder that is not in the (empty) network
    // list. The removed file's link records its target as Windows does, the
    // removed folder's with a zero header as Wine does.
    void makeShortcuts() {
        tree.file("gone.txt");
        tree.folder("Gone");
        shortcut("Doc", tree.at("a.txt"));
        shortcut("Missing", tree.at("gone.txt"), FILE_ATTRIBUTE_ARCHIVE);
        shortcut("ToBeta", tree.at("Beta"));
        shortcut("Removed", tree.at("Gone"));
        shortcut("Root", "C:\\");
        shortcut("Net", "\\\\nowhere\\share", FILE_ATTRIBUTE_DIRECTORY);
        ::DeleteFileA(tree.at("gone.txt").c_str());
        ::RemoveDirectoryA(tree.at("Gone").c_str());
    }

    // Scans the fixture's root (or a sub-folder node) as the popup run does.
    void scan(trm::FolderNode& node, const std::string& path) {
        ASSERT_TRUE(::SetCurrentDirectoryA(path.c_str()));
        node.path = path;
        trm::scanFolder(node, platform);
        ::SetCurrentDirectoryA(startDirectory);
    }

    HMENU build() {
        scan(root, tree.root);
        builder.buildMenu(root);
        return root.menu->GetSafeHmenu();
    }

    trm::FolderNode& sub(size_t index) { return *root.subfolders.at(index); }

    // One word per native item: what the record says it is, its text, and
    // "!" when it is disabled.
    Items itemsOf(HMENU menu) const {
        Items items;
        for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
            MENUITEMINFOA info = {};
            info.cbSize = sizeof info;
            info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_FTYPE | MIIM_STATE;
            ::GetMenuItemInfoA(menu, i, TRUE, &info);
            const trm::MenuItemData* record = records.find(info.dwItemData);
            std::string word;
            if (record == nullptr || !(info.fType & MFT_OWNERDRAW))
                word = "plain";
            else if (record->isTitle)
                word = record->isSideTitle ? "side:" + record->label() : "title:" + record->label();
            else if (record->isTitleColumnBreak)
                word = "titlebreak";
            else if (record->isSeparator)
                word = "sep";
            else if (record->isColumnBreak)
                word = "break";
            else if (info.hSubMenu)
                word = "sub:" + record->label();
            else if (info.wID == static_cast<UINT>(trm::placeholderCommandId))
                word = "placeholder:" + record->label();
            else
                word = record->label();
            // Wine reports separators disabled; that says nothing about us.
            if ((info.fState & MFS_DISABLED) && word != "sep") word += "!";
            items.push_back(word);
        }
        return items;
    }

    wintest::FixtureFolder tree;
    char startDirectory[MAX_PATH] = {};
    trm::Settings settings;
    trm::CommandIds ids;
    trm::FolderNode root{settings, ids};
    trm::WinShortcutPlatform shortcuts{settings};
    trm::IconService icons{settings, shortcuts};
    trm::WinScanPlatform platform{shortcuts, icons};
    trm::ItemDataList records;
    trm::RunMenus menus{records};
    trm::MenuBuilder builder{settings, records, menus, icons};
};

TEST_F(MenuBuilderTest, FoldersThenEntriesWithATitleAndUnreadFoldersHoldThePlaceholder) {
    settings.dotitles = true;
    const HMENU menu = build();
    const std::string rootTitle = tree.root.substr(tree.root.rfind('\\') + 1);
    EXPECT_EQ(itemsOf(menu),
              (Items{"title:" + rootTitle + "!", "sub:Alpha", "sub:Beta", "a.txt", "b.mp3", "c.wav", "d.mp3"}));
    EXPECT_EQ(itemsOf(sub(0).menu->GetSafeHmenu()), (Items{"title:Alpha!", "placeholder:" + tree.at("Alpha")}));
    EXPECT_EQ(::GetMenuItemID(sub(1).menu->GetSafeHmenu(), 1), static_cast<UINT>(trm::placeholderCommandId));
    // The sub-menu item carries the sub-menu's own handle.
    EXPECT_EQ(::GetSubMenu(menu, 1), sub(0).menu->GetSafeHmenu());
    EXPECT_EQ(menus.folderOf(sub(1).menu->GetSafeHmenu()), &sub(1));
    EXPECT_EQ(menus.folderOf(menu), &root);
    EXPECT_EQ(menus.folderOf(reinterpret_cast<HMENU>(0x1234)), nullptr);
}

TEST_F(MenuBuilderTest, FillingAnUnreadFolderReplacesItsPlaceholder) {
    build();
    trm::FolderNode& beta = sub(1);
    const HMENU betaMenu = beta.menu->GetSafeHmenu();
    ::DeleteMenu(betaMenu, trm::placeholderCommandId, MF_BYCOMMAND);
    scan(beta, beta.path);
    builder.fillMenu(beta);
    EXPECT_EQ(itemsOf(betaMenu), (Items{"inner.txt"}));
}

TEST_F(MenuBuilderTest, TitlesFromFolderTitlesAndOnTheLeft) {
    settings.dotitles = true;
    settings.dotitlesleft = true;
    settings.foldertitle = {{tree.root, "My Stuff"}};
    const HMENU menu = build();
    EXPECT_EQ(itemsOf(menu).at(0), "side:My Stuff!");
    EXPECT_EQ(itemsOf(menu).at(1), "titlebreak");
    // Not clickable: the title has identifier 0, the break one of its own.
    EXPECT_EQ(::GetMenuItemID(menu, 0), 0u);
    EXPECT_GE(::GetMenuItemID(menu, 1), 1000u);
}

TEST_F(MenuBuilderTest, AClickableSideTitleSharesItsIdentifierWithItsBreak) {
    settings.dotitles = true;
    settings.dotitlesleft = true;
    settings.dotitlesclicktoopenfolder = true;
    const HMENU menu = build();
    EXPECT_GE(::GetMenuItemID(menu, 0), 1000u);
    EXPECT_EQ(::GetMenuItemID(menu, 0), ::GetMenuItemID(menu, 1));
}

TEST_F(MenuBuilderTest, DriveTitlesCanBeVolumeLabels) {
    settings.dotitles = true;
    trm::FolderNode drive(settings, ids);
    drive.path = "C:\\";
    builder.buildMenu(drive);
    EXPECT_EQ(itemsOf(drive.menu->GetSafeHmenu()).at(0), "title:C:\\!");
    menus.destroyAll();  // before the folder goes

    settings.dotitlesusedrivenames = true;
    char label[MAX_PATH + 1] = {};
    ASSERT_TRUE(::GetVolumeInformationA("C:\\", label, MAX_PATH, nullptr, nullptr, nullptr, nullptr, 0));
    builder.buildMenu(drive);
    EXPECT_EQ(itemsOf(drive.menu->GetSafeHmenu()).at(0), "title:" + std::string(label) + "!");
    menus.destroyAll();  // before the folder goes
}

TEST_F(MenuBuilderTest, SeparatorsAndBreaksAroundNamedItems) {
    settings.separatorbefore = {"A.TXT", "Alpha"};
    settings.barbreakbefore = {"a.txt"};
    settings.barbreakafter = {"b.mp3"};
    settings.separatorafter = {tree.at("b.mp3"), tree.at("Beta")};
    const HMENU menu = build();
    EXPECT_EQ(itemsOf(menu), (Items{"sep", "sub:Alpha", "sub:Beta", "sep", "sep", "break", "a.txt", "b.mp3", "break",
                                    "sep", "c.wav", "d.mp3"}));
}

TEST_F(MenuBuilderTest, TheFilesFoldersSeparatorFollowsTheGroups) {
    settings.separatorbetweenfilesandfolders = true;
    EXPECT_EQ(itemsOf(build()), (Items{"sub:Alpha", "sub:Beta", "sep", "a.txt", "b.mp3", "c.wav", "d.mp3"}));
    trm::tearDownRun(menus, root);
    settings.foldersatbottom = true;
    EXPECT_EQ(itemsOf(build()), (Items{"a.txt", "b.mp3", "c.wav", "d.mp3", "sep", "sub:Alpha", "sub:Beta"}));
    // A folder without files gets no separator.
    trm::tearDownRun(menus, root);
    settings.onlyfolders = true;
    EXPECT_EQ(itemsOf(build()), (Items{"sub:Alpha", "sub:Beta"}));
}

TEST_F(MenuBuilderTest, ExploreAndOpenAllAtEveryPosition) {
    settings.dotitles = true;
    settings.addexplore = settings.addopenall = true;
    const std::string title = "title:" + tree.root.substr(tree.root.rfind('\\') + 1) + "!";
    const Items expected[] = {
        {title, "sub:Alpha", "sub:Beta", "a.txt", "b.mp3", "c.wav", "d.mp3", "Explore", "Open all"},
        {title, "sub:Alpha", "sub:Beta", "Open all", "Explore", "a.txt", "b.mp3", "c.wav", "d.mp3"},
        {title, "sub:Alpha", "sub:Beta", "a.txt", "b.mp3", "c.wav", "d.mp3", "Explore", "Open all"},
        {title, "Explore", "Open all", "sub:Alpha", "sub:Beta", "a.txt", "b.mp3", "c.wav", "d.mp3"},
        {title, "sub:Alpha", "sub:Beta", "a.txt", "b.mp3", "c.wav", "d.mp3", "Open all", "Explore"},
    };
    for (int position = 0; position <= 4; ++position) {
        settings.addexploreposition = settings.addopenallposition = static_cast<trm::SpecialEntryPosition>(position);
        EXPECT_EQ(itemsOf(build()), expected[position]) << "position " << position;
        trm::tearDownRun(menus, root);
    }
}

TEST_F(MenuBuilderTest, HidingFilesKeepsTheCommandEntriesOutsideTheOrder) {
    settings.addexplore = settings.addopenall = true;
    settings.addexploreposition = trm::SpecialEntryPosition::AbsoluteBottom;
    settings.addopenallposition = trm::SpecialEntryPosition::AbsoluteTop;
    settings.addopenallhidefilesfrommenu = true;
    EXPECT_EQ(itemsOf(build()), (Items{"Open all", "sub:Alpha", "sub:Beta", "Explore"}));
}

TEST_F(MenuBuilderTest, IconsOnlyShowNoTextAndUnavailableEntriesAreDisabled) {
    settings.display = 1;
    const HMENU menu = build();
    EXPECT_EQ(itemsOf(menu), (Items{"sub:", "sub:", "", "", "", ""}));

    // An unavailable entry is disabled where it has an icon to grey.
    for (const auto& c : {std::make_pair(0, "a.txt"), std::make_pair(3, "a.txt!")}) {
        trm::tearDownRun(menus, root);
        settings.display = c.first;
        scan(root, tree.root);
        for (trm::MenuEntry& entry : root.entries) entry.unavailable = entry.displayName == "a.txt";
        builder.buildMenu(root);
        EXPECT_EQ(itemsOf(root.menu->GetSafeHmenu()).at(2), c.second) << "display " << c.first;
    }
}

TEST_F(MenuBuilderTest, TheTitlePictureIsLoadedIntoItsItemFirst) {
    tree.file("cover.bmp", wintest::bmpFile(40, 30, RGB(9, 9, 9)));
    tree.file("broken.gif", "no picture");
    settings.dotitleimages = settings.dotitleimagesnoclick = true;
    settings.dotitleimagesfile = "COVER.BMP";
    const HMENU menu = build();
    ASSERT_NE(root.titleImageEntry, nullptr);
    const trm::MenuEntry& cover = *root.titleImageEntry;
    ASSERT_TRUE(cover.loadedPicture && cover.loadedPicture->picture);
    EXPECT_TRUE(cover.isTitlePicture);
    // First in the menu, unpickable, and showing the entry's own picture.
    EXPECT_EQ(itemsOf(menu).at(0), "cover.bmp!");
    const trm::MenuItemData* record = recordAt(menu, 0);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->titlePicture, cover.loadedPicture->picture.get());

    // A picture that does not load leaves a plain (still unpickable) item.
    trm::tearDownRun(menus, root);
    settings.dotitleimagesfile = "broken.gif";
    const HMENU again = build();
    EXPECT_FALSE(root.titleImageEntry->loadedPicture && root.titleImageEntry->loadedPicture->picture);
    EXPECT_EQ(itemsOf(again).at(0), "broken.gif!");

    // With usefirst the first picture met is the title; every other picture
    // stays a plain item with its name, not decoded.
    trm::tearDownRun(menus, root);
    settings.dotitleimagesusefirst = true;
    tree.file("second.bmp", wintest::bmpFile(20, 20, RGB(1, 1, 1)));
    const Items items = itemsOf(build());
    int titles = 0, loaded = 0;
    for (const trm::MenuEntry& entry : root.entries) {
        titles += entry.isTitlePicture;
        loaded += entry.loadedPicture != nullptr;
    }
    EXPECT_EQ(titles, 1);
    EXPECT_EQ(loaded, 1);
    for (const char* name : {"broken.gif", "cover.bmp", "second.bmp"})
        EXPECT_EQ(std::count(items.begin(), items.end(), name) +
                      std::count(items.begin(), items.end(), std::string(name) + "!"),
                  1)
            << name;
}

// A good picture's header on a file longer than any picture may be: never
// read (it would fill the memory), so its item stays plain.
TEST_F(MenuBuilderTest, ATitlePictureFileTooLargeToReadStaysAPlainItem) {
    tree.file("cover.bmp", wintest::bmpFile(40, 30, RGB(9, 9, 9)));
    HANDLE file = ::CreateFileA(tree.at("cover.bmp").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    LARGE_INTEGER length;
    length.QuadPart = static_cast<LONGLONG>(trm::kLargestPictureFile) + 1;
    const bool grown = ::SetFilePointerEx(file, length, nullptr, FILE_BEGIN) && ::SetEndOfFile(file);
    ::CloseHandle(file);
    ASSERT_TRUE(grown);
    settings.dotitleimages = true;
    settings.dotitleimagesfile = "cover.bmp";
    const HMENU menu = build();
    ASSERT_NE(root.titleImageEntry, nullptr);
    EXPECT_FALSE(root.titleImageEntry->loadedPicture && root.titleImageEntry->loadedPicture->picture);
    EXPECT_EQ(itemsOf(menu).at(0), "cover.bmp");
}

TEST_F(MenuBuilderTest, ShortcutsToMissingTargetsAreDisabled) {
    settings.display = 3;
    makeShortcuts();
    EXPECT_EQ(itemsOf(build()), (Items{"sub:Alpha", "sub:Beta", "a.txt", "b.mp3", "c.wav", "d.mp3", "Doc", "Missing!",
                                       "Net!", "Removed!", "Root", "ToBeta"}));
    // Without icons they stay pickable: the shell then says what is wrong.
    trm::tearDownRun(menus, root);
    settings.display = 0;
    EXPECT_EQ(itemsOf(build()).at(7), "Missing");
}

TEST_F(MenuBuilderTest, ShortcutsToFoldersOpenAsTheirFoldersSubMenus) {
    settings.menusforshortcutstofolders = true;
    makeShortcuts();
    const HMENU menu = build();
    EXPECT_EQ(itemsOf(menu), (Items{"sub:Alpha", "sub:Beta", "sub:Net", "sub:Removed", "sub:Root", "sub:ToBeta",
                                    "a.txt", "b.mp3", "c.wav", "d.mp3", "Doc", "Missing"}));
    // Unreachable targets hold one disabled entry that opens nothing.
    EXPECT_EQ(itemsOf(sub(2).menu->GetSafeHmenu()), (Items{"Unavailable!"}));
    EXPECT_EQ(itemsOf(sub(3).menu->GetSafeHmenu()), (Items{"Unavailable!"}));
    EXPECT_FALSE(builder.runCommand(root, sub(3).entries.front().id, [](const std::string&) { return true; }));
    // A reachable one is read when it opens, like any sub-folder.
    trm::FolderNode& toBeta = sub(5);
    EXPECT_EQ(itemsOf(toBeta.menu->GetSafeHmenu()), (Items{"placeholder:" + toBeta.path}));
    ::DeleteMenu(toBeta.menu->GetSafeHmenu(), trm::placeholderCommandId, MF_BYCOMMAND);
    scan(toBeta, toBeta.path);
    builder.fillMenu(toBeta);
    EXPECT_EQ(itemsOf(toBeta.menu->GetSafeHmenu()), (Items{"inner.txt"}));

    // In the one menu too, beside every file of the tree.
    trm::tearDownRun(menus, root);
    settings.onlyonemenu = true;
    EXPECT_EQ(itemsOf(build()), (Items{"sub:Net", "sub:Removed", "sub:Root", "sub:ToBeta", "a.txt", "b.mp3", "c.wav",
                                       "d.mp3", "Doc", "inner.txt", "Missing"}));
}

TEST_F(MenuBuilderTest, IconsAreSharedPerExtensionAndOwnPerProgramShortcutAndFolder) {
    settings.display = 3;
    settings.iconsforfolders = true;
    tree.file("e.txt");
    tree.file("one.exe");
    tree.file("two.exe");
    shortcut("Doc", tree.at("a.txt"));
    shortcut("Notes", tree.at("e.txt"));
    const HMENU menu = build();
    // .txt, .mp3, .wav, the two programs, the two shortcuts and the two folders.
    EXPECT_EQ(icons.cachedIcons(), 9u);
    for (const char* key : {".txt", ".mp3", ".wav"}) EXPECT_NE(icons.findIcon(key), nullptr) << key;
    for (const char* key : {"one.exe", "two.exe", "Doc.lnk", "Notes.lnk", "Alpha", "Beta"})
        EXPECT_NE(icons.findIcon(tree.at(key)), nullptr) << key;
    // Shortcuts to ordinary files share their target's icon, without asking the
    // shell again, and it is the one the shell gives the shortcut itself.
    EXPECT_EQ(icons.shellCalls(), 7);
    const trm::IconRecord* doc = icons.findIcon(tree.at("Doc.lnk"));
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->iconHandle(), icons.findIcon(".txt")->iconHandle());
    SHFILEINFOA own = {};
    ASSERT_TRUE(::SHGetFileInfoA(tree.at("Doc.lnk").c_str(), 0, &own, sizeof own, SHGFI_ICON | SHGFI_SMALLICON));
    EXPECT_EQ(pixelsOf(doc->iconHandle()), pixelsOf(own.hIcon));
    ::DestroyIcon(own.hIcon);
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        const trm::MenuItemData* record = recordAt(menu, i);
        ASSERT_NE(record, nullptr);
        EXPECT_NE(record->icon, nullptr) << record->label().c_str();
        EXPECT_EQ(record->iconWidth, ::GetSystemMetrics(SM_CXSMICON)) << record->label().c_str();
    }

    trm::tearDownRun(menus, root);
    icons.clear();
    settings.display = 0;
    const int asked = icons.shellCalls();
    build();
    EXPECT_EQ(icons.cachedIcons(), 0u);
    EXPECT_EQ(icons.shellCalls(), asked);
}

// Icons that come from the worker after the menus were built reach each
// waiting item in its own menu: the root's and a sub-folder's filled later.
TEST_F(MenuBuilderTest, IconsThatComeLaterReachTheItemsOfEveryMenu) {
    settings.display = 3;
    const HWND window = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    const UINT arrived = WM_APP + 7;
    icons.startWorker(window, arrived,
                      [](const trm::IconRequest&) { return ::CopyIcon(::LoadIconA(nullptr, IDI_APPLICATION)); });
    build();
    trm::FolderNode& beta = sub(1);
    ::DeleteMenu(beta.menu->GetSafeHmenu(), trm::placeholderCommandId, MF_BYCOMMAND);
    scan(beta, beta.path);
    builder.fillMenu(beta);
    for (int i = 0; i < 500 && icons.toCome() != 0; ++i) {
        MSG posted;
        while (::PeekMessageA(&posted, window, arrived, arrived, PM_REMOVE))
            icons.accept(reinterpret_cast<trm::IconArrival*>(posted.lParam));
        ::Sleep(10);
    }
    builder.lateIcons().apply();
    for (const HMENU menu : {root.menu->GetSafeHmenu(), beta.menu->GetSafeHmenu()}) {
        for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
            const trm::MenuItemData* record = recordAt(menu, i);
            if (record == nullptr || record->isSeparator || record->isTitle || record->isColumnBreak) continue;
            EXPECT_NE(record->icon, nullptr) << record->label().c_str();
        }
    }
    icons.stopWorker();
    ::DestroyWindow(window);
}

// Shortcuts to a drive that is not there: their icons come from the link's
// own icon location or from their target's type, never from the target.
TEST_F(MenuBuilderTest, ShortcutsToUnreachablePlacesTakeTheirIconsWithoutTheTarget) {
    settings.display = 3;
    shortcut("Offline", "Q:\\notes.txt");
    shortcut("Own", "Q:\\tool.exe", 0, "%SystemRoot%\\system32\\shell32.dll");
    build();
    const trm::IconRecord* offline = icons.findIcon(tree.at("Offline.lnk"));
    ASSERT_NE(offline, nullptr);
    EXPECT_EQ(offline->iconHandle(), icons.findIcon(".txt")->iconHandle());
    const trm::IconRecord* own = icons.findIcon(tree.at("Own.lnk"));
    ASSERT_NE(own, nullptr);
    HICON large = nullptr, expected = nullptr;
    ASSERT_NE(::ExtractIconExA("C:\\windows\\system32\\shell32.dll", 0, &large, &expected, 1), 0u);
    EXPECT_EQ(pixelsOf(own->iconHandle()), pixelsOf(expected));
    ::DestroyIcon(large);
    ::DestroyIcon(expected);
}

TEST_F(MenuBuilderTest, RunCommandOpensTheChosenEntryExploreAndOpenAll) {
    settings.addexplore = settings.addopenall = true;
    settings.addopenallextensions = {".mp3"};
    build();
    std::vector<std::string> opened;
    const trm::MenuBuilder::OpenItem open = [&opened](const std::string& path) {
        opened.push_back(path);
        return true;
    };
    auto idOf = [this](const std::string& name) {
        for (const trm::MenuEntry& entry : root.entries)
            if (entry.displayName == name) return entry.id;
        return -1;
    };

    EXPECT_TRUE(builder.runCommand(root, idOf("c.wav"), open));
    EXPECT_EQ(opened, (std::vector<std::string>{tree.at("c.wav")}));
    opened.clear();
    EXPECT_TRUE(builder.runCommand(root, idOf("Open all"), open));
    EXPECT_EQ(opened, (std::vector<std::string>{tree.at("b.mp3"), tree.at("d.mp3")}));
    opened.clear();
    settings.addopenallextensions.clear();
    EXPECT_TRUE(builder.runCommand(root, idOf("Open all"), open));
    EXPECT_EQ(opened,
              (std::vector<std::string>{tree.at("a.txt"), tree.at("b.mp3"), tree.at("c.wav"), tree.at("d.mp3")}))
        << "plain entries only, never Explore or sub-folders";
    opened.clear();
    EXPECT_TRUE(builder.runCommand(root, idOf("Explore"), open));
    EXPECT_EQ(opened, (std::vector<std::string>{tree.root}));
    opened.clear();
    EXPECT_FALSE(builder.runCommand(root, 0, open));
    EXPECT_FALSE(builder.runCommand(root, trm::placeholderCommandId, open));
    EXPECT_TRUE(opened.empty());
}

TEST_F(MenuBuilderTest, RunCommandFindsEntriesOfFilledSubFolders) {
    build();
    trm::FolderNode& beta = sub(1);
    ::DeleteMenu(beta.menu->GetSafeHmenu(), trm::placeholderCommandId, MF_BYCOMMAND);
    scan(beta, beta.path);
    builder.fillMenu(beta);
    std::string opened;
    EXPECT_TRUE(builder.runCommand(root, beta.entries.front().id, [&opened](const std::string& path) {
        opened = path;
        return true;
    }));
    EXPECT_EQ(opened, tree.at("Beta\\inner.txt"));
}

TEST_F(MenuBuilderTest, RunCommandOpensThroughTheShell) {
    tree.file("song.trtest");
    tree.file("clip.trtest");
    const std::string log = tree.at("recorder.log");
    ::SetEnvironmentVariableA("TRM_RECORDER_LOG", log.c_str());
    settings.addopenall = true;
    settings.block = {"recorder"};
    build();
    int openAllId = -1;
    for (const trm::MenuEntry& entry : root.entries)
        if (entry.command == trm::openAllMarker) openAllId = entry.id;
    settings.addopenallextensions = {".trtest"};
    const bool underWine = trm::runningUnderWine();
    EXPECT_TRUE(builder.runCommand(root, openAllId, [underWine](const std::string& path) {
        return trm::launchItem(nullptr, path, "", underWine);
    }));
    std::string recorded;
    wintest::waitFor(15000, [&]() {
        recorded = tree.read("recorder.log");
        return std::count(recorded.begin(), recorded.end(), '\n') >= 2;
    });
    ::SetEnvironmentVariableA("TRM_RECORDER_LOG", nullptr);
    // Programs started at once may log in any order.
    EXPECT_NE(recorded.find(tree.at("clip.trtest") + "\r\n"), std::string::npos) << recorded;
    EXPECT_NE(recorded.find(tree.at("song.trtest") + "\r\n"), std::string::npos) << recorded;
    EXPECT_EQ(std::count(recorded.begin(), recorded.end(), '\n'), 2) << recorded;
}

TEST_F(MenuBuilderTest, TeardownLeavesNoMenusAndNoRecords) {
    settings.dotitles = true;
    const HMENU menu = build();
    const HMENU alpha = sub(0).menu->GetSafeHmenu();
    ASSERT_NE(records.head(), nullptr);
    trm::tearDownRun(menus, root);
    EXPECT_EQ(records.head(), nullptr);
    EXPECT_FALSE(::IsMenu(menu));
    EXPECT_FALSE(::IsMenu(alpha));
    EXPECT_EQ(root.menu, nullptr);
    EXPECT_TRUE(root.subfolders.empty());
    EXPECT_TRUE(root.entries.empty());
    EXPECT_EQ(root.exploreEntry, nullptr);
}

TEST_F(MenuBuilderTest, IdentifiersKeepRisingWhenTheMenusAreBuiltAgain) {
    build();
    const int first = root.entries.front().id;
    trm::tearDownRun(menus, root);
    build();
    EXPECT_GT(root.entries.front().id, first);
    EXPECT_GE(first, 1000);
}

}  // namespace
