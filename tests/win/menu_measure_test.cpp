// MenuDrawing::MeasureItem on real menus: the sizes come from the right
// fonts and system metrics, and only registered items are measured.
#include <windows.h>
#include <gtest/gtest.h>
#include <olectl.h>

#include <string>

#include "menu_test_support.h"
#include "menus/owner_draw_menu.h"

namespace {

using trm::MenuItemData;
using trm::OwnerDrawMenu;

int extentHeight(HFONT font, const std::string& text) {
    trm::WindowDC screen(nullptr);
    trm::SelectedObject selected(screen.get(), font);
    SIZE size{};
    ::GetTextExtentPoint32A(screen.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cy;
}

SIZE labelExtent(HFONT font, const std::string& text) {
    trm::WindowDC screen(nullptr);
    trm::SelectedObject selected(screen.get(), font);
    RECT box{};
    ::DrawTextA(screen.get(), text.c_str(), static_cast<int>(text.size()), &box, DT_CALCRECT | DT_SINGLELINE);
    return {box.right, box.bottom};
}

class MeasureItemTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(menu.CreatePopupMenu());
        metrics.SetImageReduction(1, 1);
    }
    MEASUREITEMSTRUCT measureAt(UINT position) {
        MEASUREITEMSTRUCT request = menutest::measureRequest(menutest::itemDataAt(menu.m_hMenu, position));
        EXPECT_EQ(metrics.MeasureItem(&request), 1);
        return request;
    }
    MenuItemData* recordAt(UINT position) {
        return reinterpret_cast<MenuItemData*>(menutest::itemDataAt(menu.m_hMenu, position));
    }

    menutest::Metrics metrics;
    OwnerDrawMenu menu{metrics.itemDataList, 0, -1};
    const int cx = ::GetSystemMetrics(SM_CXMENUCHECK);
};

// Labels take the size the system's menu font gives them, titles the
// status font's, and a side title upright Arial of the status font's height:
// fonts made here from the system's settings, not the launcher's.
TEST_F(MeasureItemTest, ItemsMeasureInTheSystemsMenuAndStatusFonts) {
    NONCLIENTMETRICSA system{};
    system.cbSize = 340;
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &system, 0));
    LOGFONTA upright{};
    upright.lfHeight = system.lfStatusFont.lfHeight;
    upright.lfEscapement = upright.lfOrientation = 900;
    upright.lfWeight = FW_NORMAL;
    ::lstrcpyA(upright.lfFaceName, "Arial");
    const trm::FontHandle menuFont(::CreateFontIndirectA(&system.lfMenuFont));
    const trm::FontHandle statusFont(::CreateFontIndirectA(&system.lfStatusFont));
    const trm::FontHandle uprightFont(::CreateFontIndirectA(&upright));

    menu.appendItem(MF_STRING, 1100, "Quarterly report.txt");
    EXPECT_EQ(static_cast<int>(measureAt(0).itemWidth),
              cx + 3 + labelExtent(menuFont.get(), "Quarterly report.txt").cx + 6 + 2);
    OwnerDrawMenu titled(metrics.itemDataList, 0, -1);
    ASSERT_TRUE(titled.CreatePopupMenu());
    titled.insertTopTitle("Music collection", 1, 1, 0);
    MEASUREITEMSTRUCT title = menutest::measureRequest(menutest::itemDataAt(titled.m_hMenu, 0));
    ASSERT_EQ(metrics.MeasureItem(&title), 1);
    EXPECT_EQ(static_cast<int>(title.itemHeight), extentHeight(statusFont.get(), "Music collection") + 8);
    OwnerDrawMenu side(metrics.itemDataList, 0, -1);
    ASSERT_TRUE(side.CreatePopupMenu());
    side.insertSideTitle("Pictures", 1, 1, 0, 1110);
    MEASUREITEMSTRUCT strip = menutest::measureRequest(menutest::itemDataAt(side.m_hMenu, 0));
    ASSERT_EQ(metrics.MeasureItem(&strip), 1);
    EXPECT_EQ(static_cast<int>(strip.itemWidth), extentHeight(uprightFont.get(), "Pictures") - 10);
}

TEST_F(MeasureItemTest, DeclinesWhatIsNotARegisteredMenuItem) {
    MenuItemData stranger;
    for (MEASUREITEMSTRUCT request :
         {menutest::measureRequest(0), menutest::measureRequest(reinterpret_cast<ULONG_PTR>(&stranger))}) {
        request.itemWidth = 77;
        EXPECT_EQ(metrics.MeasureItem(&request), 0);
        EXPECT_EQ(request.itemWidth, 77u);
    }
    menu.appendItem(MF_STRING, 1100, "x");
    MEASUREITEMSTRUCT button = menutest::measureRequest(menutest::itemDataAt(menu.m_hMenu, 0));
    button.CtlType = ODT_BUTTON;
    EXPECT_EQ(metrics.MeasureItem(&button), 0);
    EXPECT_EQ(metrics.MeasureItem(nullptr), 0);
}

TEST_F(MeasureItemTest, EachKindTakesItsHeightFromItsFont) {
    menu.insertTopTitle("Music collection", 1, 1, 0);
    menu.appendItem(MF_STRING, 1101, "Readme.txt");
    menu.appendItem(MF_SEPARATOR, 1102, "");
    menu.appendItem(MF_MENUBREAK, 1103, "mb");
    metrics.layoutOf(menu).lastItemRect = RECT{1, 2, 3, 4};

    const MEASUREITEMSTRUCT title = measureAt(0);
    EXPECT_EQ(title.itemHeight, static_cast<UINT>(extentHeight(metrics.titleFont.get(), "Music collection") + 8));
    EXPECT_TRUE(::IsRectEmpty(&metrics.layoutOf(menu).lastItemRect));

    const MEASUREITEMSTRUCT item = measureAt(1);
    const SIZE label = labelExtent(metrics.menuFont.get(), "Readme.txt");
    const int row = std::max<int>(::GetSystemMetrics(SM_CYMENU), label.cy) + 1;
    EXPECT_EQ(item.itemHeight, static_cast<UINT>(row));
    EXPECT_EQ(recordAt(1)->rowHeight, row);
    EXPECT_EQ(item.itemWidth, static_cast<UINT>(cx + 3 + label.cx + 6 + 2));

    EXPECT_EQ(measureAt(2).itemHeight, 5u);
    EXPECT_EQ(measureAt(3).itemHeight, static_cast<UINT>(extentHeight(metrics.titleFont.get(), "invisible") + 8));
}

// Labels are UTF-8 under the manifest; each is measured as its characters
// (given here in UTF-16) are drawn, whatever character set the font names.
TEST_F(MeasureItemTest, LabelsMeasureAsDrawTextDrawsThem) {
    ASSERT_EQ(::GetACP(), static_cast<UINT>(CP_UTF8));
    const std::pair<std::string, std::wstring> labels[] = {
        {"Readme.txt", L"Readme.txt"},
        {"Fish & Chips", L"Fish & Chips"},
        {"&&x", L"&&x"},
        {"Tab\there", L"Tab\there"},
        {"Tab\t&more", L"Tab\t&more"},
        {"\xC3\xA9t\xC3\xA9 caf\xC3\xA9", L"\u00E9t\u00E9 caf\u00E9"},
        {"\xE6\x9D\xB1\xE4\xBA\xAC \xCE\xA9mega", L"\u6771\u4EAC \u03A9mega"},
        {"W", L"W"},
        {std::string(300, 'm'), std::wstring(300, L'm')},
    };
    UINT id = 1150;
    for (const auto& label : labels) {
        const int position = menu.GetMenuItemCount();
        menu.appendItem(MF_STRING, id++, label.first);
        trm::WindowDC screen(nullptr);
        trm::SelectedObject selected(screen.get(), metrics.menuFont.get());
        RECT box{};
        ::DrawTextW(screen.get(), label.second.c_str(), static_cast<int>(label.second.size()), &box,
                    DT_CALCRECT | DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        const MEASUREITEMSTRUCT item = measureAt(static_cast<UINT>(position));
        EXPECT_EQ(static_cast<int>(item.itemWidth), cx + 3 + (box.right - box.left) + 6 + 2) << label.first;
        const int row = std::max<int>(::GetSystemMetrics(SM_CYMENU), box.bottom - box.top) + 1;
        EXPECT_EQ(static_cast<int>(item.itemHeight), row) << label.first;
    }
}

TEST_F(MeasureItemTest, SideTitleIsAsWideAsTheUprightFontIsHigh) {
    menu.insertSideTitle("Pictures", 1, 1, 0, 1110);
    menu.appendItem(MF_MENUBREAK, 1111, "mb");
    const MEASUREITEMSTRUCT title = measureAt(0);
    EXPECT_EQ(title.itemHeight, 1u);
    EXPECT_EQ(static_cast<int>(title.itemWidth), extentHeight(metrics.verticalTitleFont.get(), "Pictures") - 10);
    EXPECT_EQ(measureAt(1).itemHeight, 0u);  // the title's own break
    EXPECT_EQ(measureAt(2).itemHeight, 0u);  // a later break beside a side title
}

TEST_F(MeasureItemTest, LargeIconsWidenAndHeightenTheItems) {
    menu.appendItem(MF_STRING, 1120, "");
    HICON icon = menutest::solidIcon(32, RGB(0, 0, 255));
    menu.setItemIcons(0, icon, 32, 32, icon, 32, 32);
    const MEASUREITEMSTRUCT item = measureAt(0);
    EXPECT_EQ(item.itemHeight, 36u);
    EXPECT_EQ(static_cast<int>(item.itemWidth), 32 + 6 - cx);
    ::DestroyIcon(icon);
}

TEST_F(MeasureItemTest, PictureSizeIsReducedAndPlacedBelowTheRow) {
    trm::BitmapHandle bitmap(::CreateBitmap(80, 40, 1, 32, nullptr));
    IPicture* picture = menutest::pictureOf(bitmap.get());
    ASSERT_NE(picture, nullptr);
    menu.appendItem(MF_DISABLED, 1130, "folder.jpg");
    menu.setItemPicture(0, picture, 0);
    metrics.SetImageReduction(2, 1);

    const MEASUREITEMSTRUCT item = measureAt(0);
    const MenuItemData& record = *recordAt(0);
    EXPECT_EQ(record.rowHeight, 1);
    EXPECT_EQ(record.pictureTop, 1);
    EXPECT_EQ(record.pictureBottom, 41);
    EXPECT_EQ(item.itemHeight, 42u);
    EXPECT_EQ(record.pictureLeft, cx + 6);
    EXPECT_EQ(record.pictureRight - record.pictureLeft, 40);  // 80 pixels halved
    // A divisor of 0 (-imagereductionx 0) keeps the one before it.
    metrics.SetImageReduction(0, 2);
    EXPECT_EQ(measureAt(0).itemHeight, 22u);
    EXPECT_EQ(recordAt(0)->pictureRight - recordAt(0)->pictureLeft, 40);
    picture->Release();
}

// A menu to show at another DPI takes that DPI's style, and asks to be
// measured again only when it was measured at another.
TEST_F(MeasureItemTest, AMenuShownAtAnotherDpiTakesItsStyleAndIsMeasuredAgain) {
    menu.appendItem(MF_STRING, 1150, "Readme.txt");
    const int system = metrics.style.dpi;
    const int other = system * 3 / 2;
    EXPECT_FALSE(metrics.drawing.showAt(menu, other)) << "never measured: nothing to measure again";
    EXPECT_EQ(metrics.layoutOf(menu).style->dpi, other);
    measureAt(0);
    EXPECT_FALSE(metrics.drawing.showAt(menu, other));
    EXPECT_TRUE(metrics.drawing.showAt(menu, system));
    EXPECT_EQ(metrics.layoutOf(menu).style, &metrics.style);
}

TEST_F(MeasureItemTest, WidthLimitCutsTheItemsOfItsMenu) {
    OwnerDrawMenu limited(metrics.itemDataList, 0, 60);
    ASSERT_TRUE(limited.CreatePopupMenu());
    limited.appendItem(MF_STRING, 1140, "A label much wider than sixty pixels");
    limited.appendItem(MF_SEPARATOR, 1141, "");
    for (UINT position : {0u, 1u}) {
        MEASUREITEMSTRUCT request = menutest::measureRequest(menutest::itemDataAt(limited.m_hMenu, position));
        ASSERT_EQ(metrics.MeasureItem(&request), 1);
        if (position == 0) {
            EXPECT_EQ(request.itemWidth, 60u);
        }
    }
    EXPECT_EQ(limited.maxWidth, 60);
    EXPECT_EQ(metrics.layoutOf(limited).clampedTextWidth, 60 - (cx + cx + 6) + 9);
}

}  // namespace
