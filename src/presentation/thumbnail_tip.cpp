#include "presentation/thumbnail_tip.h"

#include <memory>

#include "common/display_dpi.h"
#include "presentation/frame_painter.h"
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
    // The system's border is drawn in its own colour: a dark tip draws its own.
    const DWORD border = styles.palette().dark() ? 0 : WS_BORDER;
    if (!CreateEx(WS_EX_TOPMOST, windowClass, "ToolTip", WS_CHILD | WS_CLIPSIBLINGS | border, 0, 0, 100, 20,
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
    // Sized for the monitor it shows on.
    shownDpi = monitorDpiAt(POINT{x, y});
    const MenuLengths& lengths = styles.at(shownDpi).lengths;
    const TipPlacement placed = placeTip(at, tipContentSize(content, lengths), monitorBounds(at), lengths);
    // Never activated: the menus keep the keyboard.
    ::SetWindowPos(m_hWnd, HWND_TOP, placed.x, placed.y, placed.width, placed.height, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
}

void ThumbnailTip::showAtCursor() {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    const int offset = styles.at(monitorDpiAt(cursor)).lengths.tipOffset;
    showAt(cursor.x + offset, cursor.y + offset);
}

void ThumbnailTip::hide() {
    if (m_hWnd != nullptr) ::ShowWindow(m_hWnd, SW_HIDE);
    image.clear();
    awaited = 0;
}

void ThumbnailTip::ask(PictureJob job) {
    if (m_hWnd == nullptr && !create()) return;
    if (!worker.start(m_hWnd, pictureArrived)) return;
    awaited = ++lastAsked;
    worker.ask(awaited, std::move(job));
}

void ThumbnailTip::stopWorker() {
    if (!worker.running()) return;
    worker.stop();
    dropPostedPictures(m_hWnd, pictureArrived);
    awaited = 0;
}

LRESULT ThumbnailTip::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == pictureArrived) {
        std::unique_ptr<PictureArrival> arrival(reinterpret_cast<PictureArrival*>(lParam));
        // A picture the pointer has left meanwhile is dropped.
        if (!arrival || arrival->serial != awaited || awaited == 0) return 0;
        awaited = 0;
        image.clear();
        image.thumbnail = std::move(arrival->bitmap);
        widthOverride = arrival->width;
        heightOverride = arrival->height;
        showAtCursor();
        return 0;
    }
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
        const MenuStyle& style = shownDpi != 0 ? styles.at(shownDpi) : styles.shown();
        ::SetBkColor(memory.get(), style.palette.colour(PaintRole::tip));
        ::ExtTextOutA(memory.get(), 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
        if (style.palette.dark())
            paintOutline(memory.get(), client, style.lengths.line, style.palette.colour(PaintRole::tipBorder));

        const MenuLengths& at = style.lengths;
        RECT area = client;
        area.left += at.tipInset;
        area.top += at.tipInset;
        const int left = area.left + at.tipPictureRight;
        if (image.thumbnail) {
            const PixelSize size = bitmapSize(image.thumbnail.get());
            MemoryDC source(memory.get());
            SelectedObject thumbnail(source.get(), image.thumbnail.get());
            ::BitBlt(memory.get(), left, area.bottom - size.height - at.tipPictureBelow,
                     (widthOverride != 0 ? widthOverride : size.width) - at.tipPictureRight, size.height, source.get(),
                     0, 0, SRCCOPY);
        }
        if (image.picture) {
            const SIZE own = pixelSize(image.picture.get());
            const int width = widthOverride != 0 ? widthOverride : own.cx;
            const int height = heightOverride != 0 ? heightOverride : own.cy;
            renderPicture(image.picture.get(), memory.get(), left, area.bottom - height - at.tipPictureBelow,
                          width - at.tipPictureRight, height);
        }
        ::BitBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
    }
}

}  // namespace trm
