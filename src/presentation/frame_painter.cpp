#include "presentation/frame_painter.h"

#include "common/display_dpi.h"
#include "common/gdi_handles.h"
#include "presentation/menu_frame.h"
#include "presentation/menu_style.h"

namespace trm {

namespace {

MenuFrame frameOf(const Settings& settings) {
    return menuFrameOf(settings.displayoutline, settings.displayrounded, settings.displayflat,
                       settings.displaybackground);
}

// The system's frame is light: dark menus get an outline of their own instead.
bool ownFrame(const Settings& settings, const MenuStyle& style) {
    return frameOf(settings) != MenuFrame::system || style.palette.dark();
}

// The system's edges and our line at the menus' DPI.
struct FrameSizes {
    int cxEdge;
    int cyEdge;
    int line;
};

FrameSizes frameSizes(const MenuStyle& style) {
    return {systemMetricForDpi(SM_CXEDGE, style.dpi), systemMetricForDpi(SM_CYEDGE, style.dpi), style.lengths.line};
}

// The four strips along the window's edges, as wide as the system's edge plus a line.
void fillBand(HDC dc, int width, int height, COLORREF colour, const MenuStyle& style) {
    const FrameSizes sizes = frameSizes(style);
    const int cx = sizes.cxEdge + sizes.line;
    const int cy = sizes.cyEdge + sizes.line;
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

void paintRounded(HDC dc, int width, int height, const Settings& settings, const MenuStyle& style) {
    const Palette& palette = style.palette;
    PenHandle fill(
        ::CreatePen(PS_SOLID, 1, palette.colour(settings.displayxp ? PaintRole::xpText : PaintRole::xpIcons)));
    PenHandle light(
        ::CreatePen(PS_SOLID, 1, palette.colour(settings.displayflat ? PaintRole::outline : PaintRole::frameLight)));
    PenHandle dark(
        ::CreatePen(PS_SOLID, 1, palette.colour(settings.displayflat ? PaintRole::outline : PaintRole::frameShadow)));
    const FrameSizes sizes = frameSizes(style);
    for (const FrameLine& line :
         roundedFrameLines(width, height, sizes.cxEdge, sizes.cyEdge, settings.displaybackground)) {
        HPEN pen = line.pen == FramePen::fill ? fill.get() : line.pen == FramePen::light ? light.get() : dark.get();
        drawLine(dc, pen, line.fromX, line.fromY, line.toX, line.toY);
    }
}

// A line wide, round the whole window.
void outlineWindow(HDC dc, int width, int height, const MenuStyle& style) {
    paintOutline(dc, RECT{0, 0, width, height}, frameSizes(style).line, style.palette.colour(PaintRole::outline));
}

void paintFlat(HDC dc, int width, int height, const Settings& settings, const MenuStyle& style) {
    if (settings.displaybackground)
        fillBand(dc, width, height, style.palette.colour(settings.displayxp ? PaintRole::xpText : PaintRole::xpIcons),
                 style);
    outlineWindow(dc, width, height, style);
}

// Light along the top and left, dark along the bottom and right, a line wide.
void paintRaisedLine(HDC dc, int width, int height, const MenuStyle& style) {
    PenHandle light(::CreatePen(PS_SOLID, 1, style.palette.colour(PaintRole::frameLight)));
    PenHandle dark(::CreatePen(PS_SOLID, 1, style.palette.colour(PaintRole::frameShadow)));
    for (int i = 0; i < frameSizes(style).line; ++i) {
        {
            SelectedObject selected(dc, light.get());
            ::MoveToEx(dc, i, height - i, nullptr);
            ::LineTo(dc, i, i);
            ::LineTo(dc, width - i, i);
        }
        SelectedObject selected(dc, dark.get());
        ::MoveToEx(dc, i, height - 1 - i, nullptr);
        ::LineTo(dc, width - 1 - i, height - 1 - i);
        ::LineTo(dc, width - 1 - i, i);
    }
}

}  // namespace

void paintOutline(HDC dc, const RECT& area, int width, COLORREF colour) {
    BrushHandle brush(::CreateSolidBrush(colour));
    for (int i = 0; i < width; ++i) {
        const RECT ring{area.left + i, area.top + i, area.right - i, area.bottom - i};
        ::FrameRect(dc, &ring, brush.get());
    }
}

bool paintMenuFrame(HDC dc, int width, int height, const Settings& settings, const MenuStyle& style) {
    if (!ownFrame(settings, style)) return false;
    const MenuFrame frame = frameOf(settings);
    // What the band showed before (the system's edge) goes first: the frames
    // below draw only some of its pixels, and no frame at all draws none.
    fillBand(
        dc, width, height,
        style.palette.colour(settings.displayxp && settings.displaybackground ? PaintRole::xpText : PaintRole::menu),
        style);
    switch (frame) {
        case MenuFrame::rounded: paintRounded(dc, width, height, settings, style); break;
        case MenuFrame::flat: paintFlat(dc, width, height, settings, style); break;
        case MenuFrame::raisedLine: paintRaisedLine(dc, width, height, style); break;
        case MenuFrame::system: outlineWindow(dc, width, height, style); break;  // dark menus only
        case MenuFrame::none: break;
    }
    return true;
}

bool paintWindowFrame(const OpenMenuWindow& open, const Settings& settings, const MenuStyle& style) {
    const HWND window = open.window;
    RECT area{};
    if (!ownFrame(settings, style) || !::GetWindowRect(window, &area)) return false;
    WindowDC dc(window);
    return dc.get() != nullptr &&
           paintMenuFrame(dc.get(), area.right - area.left, area.bottom - area.top, settings, style);
}

}  // namespace trm
