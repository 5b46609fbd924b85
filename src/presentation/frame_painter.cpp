#include "presentation/frame_painter.h"

#include "common/gdi_handles.h"
#include "presentation/menu_frame.h"

namespace trm {

namespace {

bool ownFrame(const Settings& settings) {
    return menuFrameOf(settings.displayoutline, settings.displayrounded, settings.displayflat,
                       settings.displaybackground) != MenuFrame::system;
}

// The four strips along the window's edges, as wide as the system's edge plus one.
void fillBand(HDC dc, int width, int height, COLORREF colour) {
    const int cx = ::GetSystemMetrics(SM_CXEDGE) + 1;
    const int cy = ::GetSystemMetrics(SM_CYEDGE) + 1;
    BrushHandle brush(::CreateSolidBrush(colour));
    const RECT strips[] = {
        {0, 0, width, cy}, {0, 0, cx, height}, {width - cx, 0, width, height}, {0, height - cy, width, height}};
    for (const RECT& strip : strips) ::FillRect(dc, &strip, brush.get());
}

void drawLine(HDC dc, HPEN pen, int fromX, int fromY, int toX, int toY) {
    SelectedObject selected(dc, pen);
    ::MoveToEx(dc, fromX, fromY, nullptr);
    ::LineTo(dc, toX, toY);
}

void paintRounded(HDC dc, int width, int height, const Settings& settings) {
    PenHandle fill(::CreatePen(PS_SOLID, 1, ::GetSysColor(settings.displayxp ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE)));
    PenHandle light(
        ::CreatePen(PS_SOLID, 1, ::GetSysColor(settings.displayflat ? COLOR_MENUTEXT : COLOR_BTNHIGHLIGHT)));
    PenHandle dark(::CreatePen(PS_SOLID, 1, ::GetSysColor(settings.displayflat ? COLOR_MENUTEXT : COLOR_BTNSHADOW)));
    const int cxEdge = ::GetSystemMetrics(SM_CXEDGE);
    const int cyEdge = ::GetSystemMetrics(SM_CYEDGE);
    for (const FrameLine& line : roundedFrameLines(width, height, cxEdge, cyEdge, settings.displaybackground)) {
        HPEN pen = line.pen == FramePen::fill ? fill.get() : line.pen == FramePen::light ? light.get() : dark.get();
        drawLine(dc, pen, line.fromX, line.fromY, line.toX, line.toY);
    }
}

void paintFlat(HDC dc, int width, int height, const Settings& settings) {
    if (settings.displaybackground)
        fillBand(dc, width, height, ::GetSysColor(settings.displayxp ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE));
    const RECT whole{0, 0, width, height};
    ::FrameRect(dc, &whole, ::GetSysColorBrush(COLOR_MENUTEXT));
}

void paintRaisedLine(HDC dc, int width, int height) {
    PenHandle light(::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT)));
    PenHandle dark(::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW)));
    {
        SelectedObject selected(dc, light.get());
        ::MoveToEx(dc, 0, height, nullptr);
        ::LineTo(dc, 0, 0);
        ::LineTo(dc, width, 0);
    }
    SelectedObject selected(dc, dark.get());
    ::MoveToEx(dc, 0, height - 1, nullptr);
    ::LineTo(dc, width - 1, height - 1);
    ::LineTo(dc, width - 1, 0);
}

}  // namespace

bool paintMenuFrame(HDC dc, int width, int height, const Settings& settings) {
    const MenuFrame frame =
        menuFrameOf(settings.displayoutline, settings.displayrounded, settings.displayflat, settings.displaybackground);
    if (frame == MenuFrame::system) return false;
    // What the band showed before (the system's edge) goes first: the frames
    // below draw only some of its pixels, and no frame at all draws none.
    fillBand(dc, width, height,
             ::GetSysColor(settings.displayxp && settings.displaybackground ? COLOR_BTNHIGHLIGHT : COLOR_MENU));
    switch (frame) {
        case MenuFrame::rounded: paintRounded(dc, width, height, settings); break;
        case MenuFrame::flat: paintFlat(dc, width, height, settings); break;
        case MenuFrame::raisedLine: paintRaisedLine(dc, width, height); break;
        case MenuFrame::none:
        case MenuFrame::system: break;
    }
    return true;
}

bool paintWindowFrame(HWND window, const Settings& settings) {
    RECT area{};
    if (!ownFrame(settings) || !::GetWindowRect(window, &area)) return false;
    WindowDC dc(window);
    return dc.get() != nullptr && paintMenuFrame(dc.get(), area.right - area.left, area.bottom - area.top, settings);
}

}  // namespace trm
