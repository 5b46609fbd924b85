// OwnerDrawMenu on real popup menus: the native items it makes and the
// records it registers.
#include "menus/owner_draw_menu.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <olectl.h>

#include <vector>

#include "common/command_ids.h"
#include "menu_test_support.h"
#include "menus/run_menus.h"
#include "model/folder_node.h"

namespace {

using trm::ItemDataList;
using trm::MenuItemData;
using trm::OwnerDrawMenu;

struct NativeItem {
    UINT id = 0;
    UINT type = 0;
    HMENU subMenu = nullptr;
    MenuItemData* record = nullptr;
    UINT state = 0;  // GetMenuState: MF_DISABLED, MF_GRAYED
};

NativeItem itemAt(HMENU menu, UINT position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_SUBMENU | MIIM_DATA;
    EXPECT_TRUE(::GetMenuItemInfoA(menu, position, TRUE, &info)) << "no item at " << position;
    return {info.wID, info.fType, info.hSubMenu, reinterpret_cast<MenuItemData*>(info.dwItemData),
            ::GetMenuState(menu, position, MF_BYPOSITION) & (MF_DISABLED | MF_GRAYED)};
}

int recordCount(const ItemDataList& records) {
    int count = 0;
    for (MenuItemData* record = records.head(); record != nullptr; record = record->next) ++count;
    return count;
}

class OwnerDrawMenuTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(menu.CreatePopupMenu()); }

    ItemDataList records;
    OwnerDrawMenu menu{records, 1, -1};
};

TEST_F(OwnerDrawMenuTest, TopTitleIsOneDisabledOwnerDrawnItemAtTheTop) {
    menu.appendItem(MF_STRING, 1001, "Readme");
    menu.insertTopTitle("Music", 0, 1, trm::titleCommandId);

    ASSERT_EQ(menu.GetMenuItemCount(), 2);
    const NativeItem title = itemAt(menu.m_hMenu, 0);
    EXPECT_EQ(title.id, 0u);
    EXPECT_TRUE(title.type & MFT_OWNERDRAW);
    EXPECT_EQ(title.state, static_cast<UINT>(MF_DISABLED));  // disabled, not grayed
    ASSERT_EQ(title.record, records.head());
    EXPECT_EQ(title.record->label(), "Music");
    EXPECT_EQ(title.record->isTitle, 1);
    EXPECT_EQ(title.record->isSideTitle, 0);
    EXPECT_EQ(title.record->titleBackground, 0);
    EXPECT_EQ(title.record->titleOutline, 1);
    EXPECT_EQ(title.record->menuHandle, menu.m_hMenu);
    EXPECT_EQ(title.record->menu, &menu);
    EXPECT_EQ(title.record->xpStyle, 1);
    EXPECT_EQ(menu.hasTitle, 1);
    EXPECT_EQ(menu.isSideTitle, 0);
    EXPECT_EQ(itemAt(menu.m_hMenu, 1).id, 1001u);
    EXPECT_EQ(recordCount(records), 2);
}

TEST_F(OwnerDrawMenuTest, SideTitleIsFollowedByAnEmptyBreakItem) {
    menu.insertSideTitle("Pictures", 1, 1, 1010, 1011);

    ASSERT_EQ(menu.GetMenuItemCount(), 2);
    const NativeItem title = itemAt(menu.m_hMenu, 0);
    EXPECT_EQ(title.id, 1010u);
    EXPECT_EQ(title.state, static_cast<UINT>(MF_DISABLED));
    EXPECT_TRUE(title.type & MFT_OWNERDRAW);
    ASSERT_NE(title.record, nullptr);
    EXPECT_EQ(title.record->isSideTitle, 1);
    EXPECT_EQ(title.record->label(), "Pictures");

    const NativeItem columnBreak = itemAt(menu.m_hMenu, 1);
    EXPECT_EQ(columnBreak.id, 1011u);
    EXPECT_TRUE(columnBreak.type & MFT_OWNERDRAW);
    EXPECT_TRUE(columnBreak.type & MFT_MENUBREAK);
    ASSERT_NE(columnBreak.record, nullptr);
    EXPECT_EQ(columnBreak.record->isColumnBreak, 1);
    EXPECT_EQ(columnBreak.record->isTitleColumnBreak, 1);
    EXPECT_EQ(columnBreak.record->hasTextRow, 0);
    EXPECT_EQ(columnBreak.record->label(), "");
    EXPECT_EQ(columnBreak.record, records.head());  // newest first
    EXPECT_EQ(menu.hasTitle, 1);
    EXPECT_EQ(menu.isSideTitle, 1);
}

// A native item's text would be searched for "&" keys before typed
// characters reach the program: typing "d" under a title "R&D" would
// choose the title.
TEST_F(OwnerDrawMenuTest, TitlesLeaveTheSystemNoTextToTakeKeysFrom) {
    OwnerDrawMenu side(records, 0, -1);
    ASSERT_TRUE(side.CreatePopupMenu());
    menu.insertTopTitle("R&D", 1, 1, 0);
    side.insertSideTitle("R&D", 1, 1, 1012, 1013);
    for (const auto& [native, position] : {std::pair{menu.m_hMenu, 0}, {side.m_hMenu, 0}, {side.m_hMenu, 1}}) {
        char text[16] = "unread";
        EXPECT_EQ(::GetMenuStringA(native, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION), 0)
            << text << " at " << position;
    }
    EXPECT_EQ(itemAt(menu.m_hMenu, 0).record->label(), "R&D");
}

TEST_F(OwnerDrawMenuTest, AppendedItemsAreOwnerDrawnAndMarkedByKind) {
    HMENU subMenu = ::CreatePopupMenu();
    EXPECT_TRUE(menu.appendItem(MF_STRING, 1020, "Notes.txt"));
    EXPECT_TRUE(menu.appendItem(MF_SEPARATOR, 1021, ""));
    EXPECT_TRUE(menu.appendItem(MF_MENUBREAK, 1022, "mb"));
    EXPECT_TRUE(menu.appendItem(MF_DISABLED, 1023, "Cover.jpg"));
    EXPECT_EQ(menu.hasSubMenus, 0);
    EXPECT_TRUE(menu.appendItem(MF_POPUP, reinterpret_cast<UINT_PTR>(subMenu), "Photos"));
    EXPECT_EQ(menu.hasSubMenus, 1);

    ASSERT_EQ(menu.GetMenuItemCount(), 5);
    for (UINT position = 0; position < 5; ++position) {
        const NativeItem item = itemAt(menu.m_hMenu, position);
        EXPECT_TRUE(item.type & MFT_OWNERDRAW) << position;
        ASSERT_NE(records.find(reinterpret_cast<ULONG_PTR>(item.record)), nullptr) << position;
        EXPECT_EQ(item.record->menuHandle, menu.m_hMenu);
    }
    const NativeItem plain = itemAt(menu.m_hMenu, 0);
    EXPECT_EQ(plain.id, 1020u);
    EXPECT_EQ(plain.record->label(), "Notes.txt");
    EXPECT_EQ(plain.record->hasTextRow, 1);
    EXPECT_EQ(plain.record->isSeparator + plain.record->isColumnBreak, 0);

    const NativeItem separator = itemAt(menu.m_hMenu, 1);
    EXPECT_EQ(separator.id, 1021u);
    EXPECT_TRUE(separator.type & MFT_SEPARATOR);
    EXPECT_EQ(separator.record->isSeparator, 1);
    EXPECT_EQ(separator.record->hasTextRow, 0);

    const NativeItem columnBreak = itemAt(menu.m_hMenu, 2);
    EXPECT_TRUE(columnBreak.type & MFT_MENUBREAK);
    EXPECT_EQ(columnBreak.record->isColumnBreak, 1);
    EXPECT_EQ(columnBreak.record->isTitleColumnBreak, 0);
    EXPECT_EQ(columnBreak.record->hasTextRow, 0);

    EXPECT_EQ(itemAt(menu.m_hMenu, 3).state, static_cast<UINT>(MF_DISABLED));

    const NativeItem folder = itemAt(menu.m_hMenu, 4);
    EXPECT_EQ(folder.subMenu, subMenu);
    EXPECT_EQ(folder.record->subMenu, subMenu);
    EXPECT_EQ(folder.record->label(), "Photos");
    EXPECT_EQ(recordCount(records), 5);
}

TEST_F(OwnerDrawMenuTest, FailedAppendAddsNoRecord) {
    OwnerDrawMenu detached(records, 0, -1);  // no native menu
    EXPECT_FALSE(detached.appendItem(MF_STRING, 1030, "x"));
    detached.insertTopTitle("t", 1, 1, 0);
    EXPECT_EQ(detached.hasTitle, 0);
    EXPECT_EQ(records.head(), nullptr);
}

TEST_F(OwnerDrawMenuTest, IconsGoIntoTheExistingRecordAndRaiseTheCheckSize) {
    const int checkWidth = menu.maxCheckWidth;
    const int checkHeight = menu.maxCheckHeight;
    menu.appendItem(MF_STRING, 1040, "");  // icons only: no text
    MenuItemData* record = records.head();
    HICON small = menutest::solidIcon(8, RGB(255, 0, 0));
    HICON large = menutest::solidIcon(32, RGB(0, 255, 0));

    EXPECT_EQ(menu.setItemIcons(0, small, 8, 8, small, 8, 8), 1);
    EXPECT_EQ(menu.maxCheckWidth, checkWidth);
    EXPECT_EQ(menu.maxCheckHeight, checkHeight);
    EXPECT_EQ(records.head(), record);  // no second record
    EXPECT_EQ(record->label(), "");
    EXPECT_EQ(record->hasIcons, 1);
    EXPECT_EQ(record->icon, small);

    menu.setItemIcons(0, small, 8, 8, large, 32, 30);
    EXPECT_EQ(menu.maxCheckWidth, 32);
    EXPECT_EQ(menu.maxCheckHeight, 30);
    EXPECT_EQ(record->selectedIcon, large);
    EXPECT_EQ(record->selectedIconWidth, 32);
    EXPECT_EQ(record->selectedIconHeight, 30);
    EXPECT_EQ(itemAt(menu.m_hMenu, 0).record, record);
    EXPECT_EQ(recordCount(records), 1);
    ::DestroyIcon(small);
    ::DestroyIcon(large);
}

TEST_F(OwnerDrawMenuTest, IconsOnAPlainItemMakeARecordWithItsNativeText) {
    HMENU subMenu = ::CreatePopupMenu();
    menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(subMenu), "Downloads");
    ASSERT_EQ(records.head(), nullptr);
    HICON icon = menutest::solidIcon(16, RGB(0, 0, 255));

    menu.setItemIcons(0, icon, 16, 16, icon, 16, 16);
    const NativeItem item = itemAt(menu.m_hMenu, 0);
    ASSERT_EQ(item.record, records.head());
    EXPECT_TRUE(item.type & MFT_OWNERDRAW);
    EXPECT_EQ(item.record->label(), "Downloads");
    EXPECT_EQ(item.record->subMenu, subMenu);
    EXPECT_EQ(menu.hasSubMenus, 1);

    // An item whose data is not a registered record is not trusted.
    MENUITEMINFOA forged{};
    forged.cbSize = sizeof forged;
    forged.fMask = MIIM_DATA;
    MenuItemData stranger;
    forged.dwItemData = reinterpret_cast<ULONG_PTR>(&stranger);
    ::SetMenuItemInfoA(menu.m_hMenu, 0, TRUE, &forged);
    menu.setItemIcons(0, icon, 16, 16, icon, 16, 16);
    EXPECT_EQ(recordCount(records), 2);
    EXPECT_EQ(itemAt(menu.m_hMenu, 0).record, records.head());
    ::DestroyIcon(icon);
}

TEST_F(OwnerDrawMenuTest, PictureNeedsAPictureAndDropsTheTextRow) {
    menu.appendItem(MF_DISABLED, 1050, "folder.jpg");
    MenuItemData* record = records.head();
    EXPECT_EQ(menu.setItemPicture(0, nullptr, 0), 0);
    EXPECT_EQ(record->titlePicture, nullptr);
    EXPECT_EQ(record->hasTextRow, 1);

    trm::BitmapHandle bitmap(::CreateBitmap(4, 4, 1, 32, nullptr));
    IPicture* picture = menutest::pictureOf(bitmap.get());
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(menu.setItemPicture(0, picture, 0), 1);
    EXPECT_EQ(records.head(), record);
    EXPECT_EQ(record->titlePicture, picture);
    EXPECT_EQ(record->hasTextRow, 0);
    EXPECT_EQ(record->label(), "folder.jpg");
    picture->Release();
}

TEST_F(OwnerDrawMenuTest, DestroyWithItemsRemovesExactlyThatMenusRecords) {
    OwnerDrawMenu other(records, 0, -1);
    ASSERT_TRUE(other.CreatePopupMenu());
    other.insertTopTitle("Other", 1, 1, 0);
    menu.insertSideTitle("Mine", 1, 1, 0, 1060);
    other.appendItem(MF_STRING, 1061, "b");
    menu.appendItem(MF_STRING, 1062, "a");
    HMENU mine = menu.m_hMenu;
    ASSERT_EQ(recordCount(records), 5);

    menu.destroyWithItems();
    EXPECT_EQ(menu.m_hMenu, nullptr);
    EXPECT_FALSE(::IsMenu(mine));
    EXPECT_EQ(recordCount(records), 2);
    for (MenuItemData* record = records.head(); record != nullptr; record = record->next)
        EXPECT_EQ(record->menuHandle, other.m_hMenu);
    EXPECT_EQ(itemAt(other.m_hMenu, 0).record->label(), "Other");
}

TEST_F(OwnerDrawMenuTest, AMenuObjectLeavesNoRecordBehind) {
    {
        OwnerDrawMenu shortLived(records, 0, -1);
        ASSERT_TRUE(shortLived.CreatePopupMenu());
        shortLived.appendItem(MF_STRING, 1070, "gone");
    }
    EXPECT_EQ(records.head(), nullptr);
}

TEST_F(OwnerDrawMenuTest, AnItemsDataIsTrustedOnlyWhenItNamesALiveRecord) {
    // Enough records for several blocks, some released and taken again.
    std::vector<MenuItemData*> made;
    for (int i = 0; i < 600; ++i) made.push_back(records.createItemData(menu));
    for (int i = 0; i < 600; i += 3) records.remove(made[i]);
    for (int i = 0; i < 600; i += 3) made[i] = nullptr;
    for (int i = 0; i < 100; ++i) made.push_back(records.createItemData(menu));
    ASSERT_EQ(recordCount(records), 500);

    for (MenuItemData* record : made) {
        if (record == nullptr) continue;
        const auto data = reinterpret_cast<ULONG_PTR>(record);
        EXPECT_EQ(records.find(data), record);
        EXPECT_EQ(records.find(data + sizeof(void*)), nullptr);  // inside a record
    }
    int local = 0;
    EXPECT_EQ(records.find(reinterpret_cast<ULONG_PTR>(&local)), nullptr);
    EXPECT_EQ(records.find(0), nullptr);

    const auto kept = reinterpret_cast<ULONG_PTR>(made.back());
    records.remove(made.back());
    EXPECT_EQ(records.find(kept), nullptr);
    records.clear();
    EXPECT_EQ(records.find(reinterpret_cast<ULONG_PTR>(made[1])), nullptr);
}

// A run's menus are found by handle with their folders, and destroyed sub-menus first.
TEST(RunMenus, FindEachMenuAndItsFolderByHandleAndDestroyThemAll) {
    menutest::Metrics metrics;
    trm::Settings settings;
    trm::CommandIds ids;
    trm::FolderNode parent{settings, ids}, child{settings, ids};
    trm::RunMenus menus(metrics.itemDataList);
    OwnerDrawMenu& first = menus.create(parent, 1, -1);
    OwnerDrawMenu& second = menus.create(child, 0, 200);
    first.appendItem(MF_POPUP, reinterpret_cast<UINT_PTR>(second.m_hMenu), "sub");
    second.appendItem(MF_STRING, 1081, "two");
    const HMENU top = first.m_hMenu, sub = second.m_hMenu;
    EXPECT_EQ(menus.menuOf(top), &first);
    EXPECT_EQ(menus.folderOf(sub), &child);
    EXPECT_EQ(parent.menu, &first);
    const HMENU foreign = ::CreatePopupMenu();
    EXPECT_EQ(menus.menuOf(foreign), nullptr);
    EXPECT_EQ(menus.folderOf(foreign), nullptr);
    ::DestroyMenu(foreign);

    MenuItemData* made = metrics.createItemData(first);
    EXPECT_EQ(metrics.itemDataList.head(), made);
    EXPECT_EQ(made->menu, &first);
    EXPECT_EQ(made->xpStyle, 1);
    EXPECT_EQ(made->titleBackground + made->titleOutline + made->hasTextRow, 3);

    menus.destroyAll();
    EXPECT_FALSE(::IsMenu(top));
    EXPECT_FALSE(::IsMenu(sub));
    EXPECT_EQ(parent.menu, nullptr);
    EXPECT_EQ(child.menu, nullptr);
    EXPECT_EQ(menus.menuOf(top), nullptr);
    EXPECT_EQ(metrics.itemDataList.head(), nullptr) << "every record goes with its menu";
}

}  // namespace
