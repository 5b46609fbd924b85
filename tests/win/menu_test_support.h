// Shared by the menu tests: a bitmap to paint items into, distinct system
// colours for the run, and requests as the menu system sends them.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>
#include <olectl.h>

#include <vector>

#include "common/gdi_handles.h"
#include "presentation/menu_drawing.h"
#include "presentation/menu_styles.h"
#include "wait_for.h"

namespace menutest {

// A run's measuring and painting in small: its item records, its styles in
// the system's colours, and the drawing that answers for both, at the
// display's DPI.
struct Metrics {
    trm::MenuStyles styles;
    trm::ItemDataList itemDataList;
    trm::MenuDrawing drawing{itemDataList, styles};
    trm::MenuStyle& style = styles.shown();
    const trm::MenuLengths& lengths = style.lengths;
    const trm::FontHandle& menuFont = style.menuFont;
    const trm::FontHandle& titleFont = style.titleFont;
    const trm::FontHandle& verticalTitleFont = style.verticalTitleFont;

    int MeasureItem(MEASUREITEMSTRUCT* request) { return drawing.MeasureItem(request); }
    int DrawItem(DRAWITEMSTRUCT* request) { return drawing.DrawItem(request); }
    void SetImageReduction(int x, int y) { drawing.SetImageReduction(x, y); }
    void SetGradientTitles(bool on) { drawing.SetGradientTitles(on); }
    void SetPaintBackgrounds(bool on) { drawing.SetPaintBackgrounds(on); }
    trm::MenuItemData* createItemData(trm::OwnerDrawMenu& menu) { return itemDataList.createItemData(menu); }
    trm::MenuLayout& layoutOf(const trm::OwnerDrawMenu& menu) { return drawing.layoutOf(menu); }
};

// A top-down 32-bit DIB selected into a memory DC, filled with `paper`.
class Canvas {
public:
    static constexpr COLORREF paper = RGB(1, 2, 3);

    Canvas(int width, int height) : width(width), height(height), dc(nullptr) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap.reset(::CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        pixels = static_cast<DWORD*>(bits);
        previous = ::SelectObject(dc.get(), bitmap.get());
        clear();
    }
    ~Canvas() { ::SelectObject(dc.get(), previous); }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC hdc() const { return dc.get(); }

    void clear(COLORREF colour = paper) {
        ::GdiFlush();
        for (int i = 0; i < width * height; ++i) pixels[i] = toPixel(colour);
    }

    COLORREF at(int x, int y) const {
        ::GdiFlush();
        const DWORD value = pixels[y * width + x];
        return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
    }

    // Number of pixels of exactly `colour` in [left, right) x [top, bottom).
    int count(COLORREF colour, int left, int top, int right, int bottom) const {
        int found = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) found += at(x, y) == colour;
        return found;
    }
    bool all(COLORREF colour, int left, int top, int right, int bottom) const {
        return count(colour, left, top, right, bottom) == (right - left) * (bottom - top);
    }
    // Bounding box of the pixels of exactly `colour`; empty when none.
    RECT boundsOf(COLORREF colour) const {
        RECT box{width, height, -1, -1};
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (at(x, y) == colour) {
                    box.left = x < box.left ? x : box.left;
                    box.top = y < box.top ? y : box.top;
                    box.right = x + 1 > box.right ? x + 1 : box.right;
                    box.bottom = y + 1 > box.bottom ? y + 1 : box.bottom;
                }
        return box;
    }

    const int width;
    const int height;

private:
    static DWORD toPixel(COLORREF colour) {
        return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
    }

    trm::MemoryDC dc;
    trm::BitmapHandle bitmap;
    DWORD* pixels = nullptr;
    HGDIOBJ previous = nullptr;
};

// Wine's default scheme gives several of the menu colours the same value
// (info background, window and menu are all white; both caption colours
// match), which would hide a wrong choice. The run sets them apart and puts
// the user's colours back at the end.
class DistinctSystemColours : public ::testing::Environment {
public:
    void SetUp() override {
        const std::vector<std::pair<int, COLORREF>> colours{
            {COLOR_INFOBK, RGB(255, 240, 160)},        {COLOR_INFOTEXT, RGB(90, 0, 0)},
            {COLOR_WINDOW, RGB(250, 250, 250)},        {COLOR_WINDOWTEXT, RGB(0, 0, 90)},
            {COLOR_ACTIVECAPTION, RGB(0, 40, 120)},    {COLOR_GRADIENTACTIVECAPTION, RGB(160, 200, 240)},
            {COLOR_CAPTIONTEXT, RGB(255, 255, 254)},   {COLOR_MENU, RGB(220, 220, 200)},
            {COLOR_MENUTEXT, RGB(10, 10, 10)},         {COLOR_HIGHLIGHT, RGB(40, 100, 40)},
            {COLOR_HIGHLIGHTTEXT, RGB(250, 250, 120)}, {COLOR_BTNFACE, RGB(200, 200, 230)},
            {COLOR_BTNSHADOW, RGB(120, 120, 120)},     {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)},
        };
        std::vector<COLORREF> values;
        for (const auto& [index, value] : colours) {
            indices.push_back(index);
            saved.push_back(::GetSysColor(index));
            values.push_back(value);
        }
        ::SetSysColors(static_cast<int>(indices.size()), indices.data(), values.data());
    }
    void TearDown() override { ::SetSysColors(static_cast<int>(indices.size()), indices.data(), saved.data()); }

private:
    std::vector<int> indices;
    std::vector<COLORREF> saved;
};

inline COLORREF sys(int index) {
    return ::GetSysColor(index);
}

inline DRAWITEMSTRUCT drawRequest(HDC dc, ULONG_PTR itemData, RECT item, UINT state) {
    DRAWITEMSTRUCT request{};
    request.CtlType = ODT_MENU;
    request.itemAction = ODA_DRAWENTIRE;
    request.itemState = state;
    request.hDC = dc;
    request.rcItem = item;
    request.itemData = itemData;
    return request;
}

inline MEASUREITEMSTRUCT measureRequest(ULONG_PTR itemData) {
    MEASUREITEMSTRUCT request{};
    request.CtlType = ODT_MENU;
    request.itemData = itemData;
    return request;
}

// The item data the native item at `position` carries.
inline ULONG_PTR itemDataAt(HMENU menu, UINT position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA;
    ::GetMenuItemInfoA(menu, position, TRUE, &info);
    return info.dwItemData;
}

// An invisible window standing in for the native menu window.
class StandInWindow {
public:
    StandInWindow(int width, int height) {
        window = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, width, height, nullptr, nullptr, nullptr, nullptr);
    }
    ~StandInWindow() { ::DestroyWindow(window); }
    StandInWindow(const StandInWindow&) = delete;
    StandInWindow& operator=(const StandInWindow&) = delete;
    HWND get() const { return window; }

private:
    HWND window;
};

// A solid-colour icon of the given size.
inline HICON solidIcon(int size, COLORREF colour) {
    HDC screen = ::GetDC(nullptr);
    trm::BitmapHandle colourBitmap(::CreateCompatibleBitmap(screen, size, size));
    ::ReleaseDC(nullptr, screen);
    trm::BitmapHandle mask(::CreateBitmap(size, size, 1, 1, nullptr));
    {
        trm::MemoryDC dc(nullptr);
        HGDIOBJ old = ::SelectObject(dc.get(), colourBitmap.get());
        trm::BrushHandle brush(::CreateSolidBrush(colour));
        const RECT all{0, 0, size, size};
        ::FillRect(dc.get(), &all, brush.get());
        ::SelectObject(dc.get(), mask.get());
        ::PatBlt(dc.get(), 0, 0, size, size, BLACKNESS);  // opaque everywhere
        ::SelectObject(dc.get(), old);
    }
    ICONINFO info{TRUE, 0, 0, mask.get(), colourBitmap.get()};
    return ::CreateIconIndirect(&info);
}

// An OLE picture of the bitmap (which stays the caller's); null on failure.
inline IPicture* pictureOf(HBITMAP bitmap) {
    PICTDESC description{};
    description.cbSizeofstruct = sizeof description;
    description.picType = PICTYPE_BITMAP;
    description.bmp.hbitmap = bitmap;
    IPicture* picture = nullptr;
    if (::OleCreatePictureIndirect(&description, IID_IPicture, FALSE, reinterpret_cast<void**>(&picture)) != S_OK)
        return nullptr;
    return picture;
}

// Messages for this thread's windows, for up to `limit` ms or until done().
template <typename Done>
bool pumpUntil(DWORD limit, Done done) {
    return wintest::waitFor(limit, done);
}

}  // namespace menutest
