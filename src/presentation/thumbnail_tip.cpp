#include "presentation/thumbnail_tip.h"

#include "presentation/monitor_bounds.h"
#include "presentation/tip_layout.h"

namespace trm {

namespace {

PixelSize bitmapSize(HBITMAP bitmap) {
    BITMAP facts{};
    if (bitmap == nullptr || ::GetObjectA(bitmap, sizeof facts, &facts) == 0) return {};
    return {facts.bmWidth, facts.bmHeight};
}

}  // namespace

bool ThumbnailTip::create() {
    const LPCSTR windowClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW));
    if (!CreateEx(WS_EX_TOPMOST, windowClass, "ToolTip", WS_CHILD | WS_CLIPSIBLINGS | WS_BORDER, 0, 0, 100, 20,
                  ::GetDesktopWindow(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(100))))
        return false;
    ::SetWindowLongA(m_hWnd, GWL_EXSTYLE, ::GetWindowLongA(m_hWnd, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
    ::BringWindowToTop(m_hWnd);
    return true;
}

void ThumbnailTip::showAt(int x, int y) {
    if (m_hWnd == nullptr && !create()) return;
    TipContent content;
    content.hasThumbnail = static_cast<bool>(image.thumbnail);
    content.thumbnail = bitmapSize(image.thumbnail.get());
    content.hasPicture = static_cast<bool>(image.picture);
    const SIZE picture = pixelSize(image.picture.get());
    content.picture = {picture.cx, picture.cy};
    content.widthOverride = widthOverride;
    content.heightOverride = heightOverride;
    const ScreenPoint at{x, y};
    const TipPlacement placed = placeTip(at, tipContentSize(content), monitorBounds(at));
    // Never activated: the menus keep the keyboard.
    ::SetWindowPos(m_hWnd, HWND_TOP, placed.x, placed.y, placed.width, placed.height, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
}

void ThumbnailTip::showAtCursor() {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    showAt(cursor.x + 16, cursor.y + 16);
}

void ThumbnailTip::hide() {
    if (m_hWnd != nullptr) ::ShowWindow(m_hWnd, SW_HIDE);
    image.clear();
}

LRESULT ThumbnailTip::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        paint(reinterpret_cast<HDC>(wParam));
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void ThumbnailTip::paint(HDC dc) {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    // Drawn off screen first, so that the picture never flickers over white.
    MemoryDC memory(dc);
    BitmapHandle canvas(::CreateCompatibleBitmap(dc, client.right, client.bottom));
    if (memory.get() == nullptr || !canvas) return;
    {
        SelectedObject selected(memory.get(), canvas.get());
        ::SetBkColor(memory.get(), RGB(255, 255, 255));
        ::ExtTextOutA(memory.get(), 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);

        RECT area = client;
        area.left += 2;
        area.top += 2;
        if (image.thumbnail) {
            const PixelSize size = bitmapSize(image.thumbnail.get());
            MemoryDC source(memory.get());
            SelectedObject thumbnail(source.get(), image.thumbnail.get());
            ::BitBlt(memory.get(), area.left + 1, area.bottom - size.height - 3,
                     (widthOverride != 0 ? widthOverride : size.width) - 1, size.height, source.get(), 0, 0, SRCCOPY);
        }
        if (image.picture) {
            const SIZE own = pixelSize(image.picture.get());
            const int width = widthOverride != 0 ? widthOverride : own.cx;
            const int height = heightOverride != 0 ? heightOverride : own.cy;
            renderPicture(image.picture.get(), memory.get(), area.left + 1, area.bottom - height - 3, width - 1,
                          height);
        }
        ::BitBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
    }
}

}  // namespace trm
