// MenuDrawing::DrawItem: title strips, column breaks, separators and
// ordinary items in the classic and xp looks, with or without backgrounds.
#include "common/win_text.h"
#include "menus/picture.h"
#include "presentation/frame_painter.h"
#include "presentation/item_colours.h"
#include "presentation/item_geometry.h"
#include "presentation/menu_drawing.h"

namespace trm {
namespace {

// One solid colour; the DC's background colour is restored by the caller.
void fill(HDC dc, int x, int y, int cx, int cy, COLORREF colour) {
    if (cx <= 0 || cy <= 0) return;
    const RECT area{x, y, x + cx, y + cy};
    ::SetBkColor(dc, colour);
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

// A horizontal line `width` pixels thick, from its top edge down.
void line(HDC dc, int fromX, int fromY, int toX, int toY, int width, COLORREF colour) {
    if (width > 1) {
        fill(dc, fromX, fromY, toX - fromX, width, colour);
        return;
    }
    PenHandle pen(::CreatePen(PS_SOLID, 1, colour));
    SelectedObject selected(dc, pen.get());
    ::MoveToEx(dc, fromX, fromY, nullptr);
    ::LineTo(dc, toX, toY);
}

void drawLabel(HDC dc, const CString& label, RECT area, COLORREF colour) {
    ::SetTextColor(dc, colour);
    const std::wstring wide = wideOf(label);
    ::DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &area, labelFormat);
}

PaintRole roleOf(FillColour colour) {
    switch (colour) {
        case FillColour::xpText: return PaintRole::xpText;
        case FillColour::xpIcons: return PaintRole::xpIcons;
        case FillColour::etchShadow: return PaintRole::etchShadow;
        case FillColour::etchLight: return PaintRole::etchLight;
        case FillColour::menu: break;
    }
    return PaintRole::menu;
}

Rgb rgbOf(COLORREF colour) {
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}
COLORREF colourOf(Rgb rgb) {
    return RGB(static_cast<BYTE>(rgb.red), static_cast<BYTE>(rgb.green), static_cast<BYTE>(rgb.blue));
}

Rect rectOf(const RECT& area) {
    return {area.left, area.top, area.right, area.bottom};
}

// Wine sends ODS_DISABLED only for grayed items, never for MF_DISABLED
// ones, which would then look enabled; the menu itself still knows.
bool disabledInItsMenu(const DRAWITEMSTRUCT& request) {
    const UINT state = ::GetMenuState(reinterpret_cast<HMENU>(request.hwndItem), request.itemID, MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & (MF_DISABLED | MF_GRAYED)) != 0;
}

bool systemGradientCaptions() {
    BOOL on = FALSE;
    return ::SystemParametersInfoA(SPI_GETGRADIENTCAPTIONS, 0, &on, 0) && on;
}

// The system draws a sub-menu's arrow after the item in its light colours
// (Wine on a light square): dark menus draw their own, and keep the
// system's out of the whole item, wherever its version puts the arrow.
void paintSubMenuArrow(HDC dc, const RECT& item, int box, COLORREF colour) {
    const int half = box / 4 > 2 ? box / 4 : 2;
    const int x = item.right - box / 2;
    const int y = (item.top + item.bottom) / 2;
    const POINT arrow[] = {{x - half / 2, y - half}, {x - half / 2, y + half}, {x + half / 2 + 1, y}};
    {
        BrushHandle brush(::CreateSolidBrush(colour));
        PenHandle pen(::CreatePen(PS_SOLID, 1, colour));
        SelectedObject filling(dc, brush.get());
        SelectedObject outline(dc, pen.get());
        ::Polygon(dc, arrow, 3);
    }
    ::ExcludeClipRect(dc, item.left, item.top, item.right, item.bottom);
}

}  // namespace

int MenuDrawing::DrawItem(DRAWITEMSTRUCT* request, IconService* icons) {
    if (request == nullptr || request->CtlType != ODT_MENU) return 0;
    MenuItemData* record = records.find(request->itemData);
    if (record == nullptr) return 0;
    if (record->selectedIconLate && (request->itemState & ODS_SELECTED) && icons != nullptr) {
        record->selectedIconLate = false;
        // At the size of the menu's other icons.
        const int size = record->menu != nullptr ? record->menu->iconSize : 0;
        record->selectedIcon = size > 0 ? icons->folderIconsAt(true, size).open : icons->folderIcons(true).open;
    }
    MenuLayout& layout = layoutOf(*record->menu);
    {
        TextColoursKept kept(request->hDC);
        if (record->isTitle)
            paintTitle(*request, *record, layout);
        else if (record->isColumnBreak && !record->isTitleColumnBreak)
            paintColumnBreak(*request, *record, layout);
        else
            paintItem(*request, *record, layout);
    }
    // The next column's break fills below this item.
    layout.lastItemRect = request->rcItem;
    return 1;
}

void MenuDrawing::paintTitle(const DRAWITEMSTRUCT& request, const MenuItemData& record, MenuLayout& layout) const {
    const MenuStyle& style = *layout.style;
    const MenuLengths& lengths = style.lengths;
    const Palette& palette = style.palette;
    HDC dc = request.hDC;
    const RECT& item = request.rcItem;
    const OwnerDrawMenu& menu = *record.menu;
    const bool side = record.isSideTitle != 0;

    // The strip spans the whole menu window, not just the title's column.
    // The title is the first item: its offset is the margin the system
    // leaves around the items (none on Windows; under Wine the band of the
    // window's edge, inside the client area), kept on the far sides too.
    int width = item.right - item.left;
    int height = item.bottom - item.top;
    RECT client{};
    if (menu.menuWindow != nullptr && ::GetClientRect(menu.menuWindow, &client)) {
        if (side) {
            width += lengths.sideTitleWiden;
            height = client.bottom - 2 * item.top;
        } else {
            width = client.right - 2 * item.left;
        }
    }

    const ItemState state{(request.itemState & ODS_SELECTED) != 0, (request.itemState & ODS_DISABLED) != 0};
    // The system's setting is asked for only where it decides.
    const bool gradientWanted = record.titleBackground && gradientTitles;
    const TitleColours colours =
        titleColours(state, record.titleBackground, gradientTitles, gradientWanted && systemGradientCaptions());

    if (colours.strip.filled) {
        const int stripWidth = (item.right - item.left) + lengths.sideTitleWiden;
        if (!colours.gradient) {
            fill(dc, item.left, item.top, side ? stripWidth : width, height, palette.colour(colours.strip.role));
        } else {
            const Rgb caption = rgbOf(palette.colour(colours.strip.role));
            const Rgb captionEnd = rgbOf(palette.colour(PaintRole::captionEnd));
            if (side) {
                for (int y = 0; y < height; ++y)
                    fill(dc, item.left, item.top + y, stripWidth, 1,
                         colourOf(gradientColour(captionEnd, caption, y, height)));
            } else {
                for (int x = 0; x < width; ++x)
                    fill(dc, item.left + x, item.top, 1, height,
                         colourOf(gradientColour(caption, captionEnd, x, width)));
            }
        }
    }

    const RECT strip{item.left, item.top, item.left + width, item.top + height};
    if (record.titleOutline) paintOutline(dc, strip, lengths.line, palette.colour(PaintRole::outline));
    layout.titleRect = strip;
    layout.titleHighlighted = colours.lit;

    const COLORREF text = palette.colour(colours.text);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, text);
    if (side) {
        SelectedObject font(dc, style.verticalTitleFont.get());
        // Up to the terminating zero, like the text it was made from.
        const std::wstring label = wideOf(record.label().c_str());
        ::TextOutW(dc, item.left + lengths.sideTitleTextLeft, item.top + height - lengths.titleTextInset, label.c_str(),
                   static_cast<int>(label.size()));
    } else {
        SelectedObject font(dc, style.titleFont.get());
        drawLabel(dc, record.label(),
                  RECT{item.left + lengths.titleTextInset, item.top, item.right - lengths.titleTextInset, item.bottom},
                  text);
    }
}

void MenuDrawing::paintColumnBreak(const DRAWITEMSTRUCT& request, const MenuItemData& record,
                                   const MenuLayout& layout) const {
    const OwnerDrawMenu& menu = *record.menu;
    RECT client{};
    if (menu.menuWindow == nullptr || !::GetClientRect(menu.menuWindow, &client)) return;
    // A column starts at the top margin the system leaves around the items
    // (the band of the window's edge under Wine): the fills stop as far from
    // the bottom and the right, off the window's edge.
    const int margin = request.rcItem.top;
    const int saved = ::SaveDC(request.hDC);
    ::IntersectClipRect(request.hDC, 0, 0, client.right - margin, client.bottom - margin);
    for (const Fill& area :
         columnBreakFills(rectOf(request.rcItem), rectOf(client), rectOf(layout.lastItemRect),
                          layout.iconColumnWidth(menu), record.xpStyle != 0, paintBackgrounds, layout.style->lengths))
        fill(request.hDC, area.x, area.y, area.cx, area.cy, layout.style->palette.colour(roleOf(area.colour)));
    ::RestoreDC(request.hDC, saved);
}

void MenuDrawing::paintItem(const DRAWITEMSTRUCT& request, const MenuItemData& record, const MenuLayout& layout) const {
    const MenuStyle& style = *layout.style;
    const MenuLengths& lengths = style.lengths;
    const Palette& palette = style.palette;
    HDC dc = request.hDC;
    const RECT& item = request.rcItem;
    const bool selected = (request.itemState & ODS_SELECTED) != 0;
    const ItemState state{selected, (request.itemState & ODS_DISABLED) != 0 || disabledInItsMenu(request)};
    const ItemColours colours = itemColours(state, {record.xpStyle != 0, paintBackgrounds, palette.dark()});
    const int iconColumn = layout.iconColumnWidth(*record.menu) + lengths.columnGap;
    const int itemWidth = item.right - item.left;
    const int itemHeight = item.bottom - item.top;

    if (colours.iconColumn.filled)
        fill(dc, item.left, item.top, iconColumn, itemHeight, palette.colour(colours.iconColumn.role));
    if (colours.row.filled) {
        if (colours.rowBesideIconColumn)
            fill(dc, item.left + iconColumn, item.top, itemWidth - iconColumn, itemHeight,
                 palette.colour(colours.row.role));
        else
            fill(dc, item.left, item.top, itemWidth, itemHeight, palette.colour(colours.row.role));
    }
    if (colours.outline.filled) paintOutline(dc, item, lengths.line, palette.colour(colours.outline.role));

    if (record.hasTextRow && record.hasIcons) {
        const int x = item.left + lengths.iconInset;
        const int y = item.top + lengths.iconInset;
        if (selected && record.selectedIcon != nullptr)
            ::DrawIconEx(dc, x, y, record.selectedIcon, record.selectedIconWidth, record.selectedIconHeight, 0, nullptr,
                         DI_NORMAL);
        else if (record.icon != nullptr)
            ::DrawIconEx(dc, x, y, record.icon, record.iconWidth, record.iconHeight, 0, nullptr, DI_NORMAL);
    }

    const int textX = textLeft(item.left, layout.iconColumnWidth(*record.menu), style.sizes.checkWidth, lengths);
    const int textEnd = textRight(item.right, textX, layout.maxWidth, layout.clampedTextWidth);

    if (record.isSeparator) {
        const int middle = item.top + itemHeight / 2;
        const int inset = lengths.separatorInset;
        const int width = lengths.line;
        // The xp line starts at the text; the etched one spans the item.
        const int from = record.xpStyle ? textX + inset : item.left + inset;
        line(dc, from, middle, textEnd - inset, middle, width, palette.colour(colours.separator));
        if (colours.separatorLight.filled)
            line(dc, from, middle + width, textEnd - inset, middle + width, width,
                 palette.colour(colours.separatorLight.role));
        return;
    }

    RECT textArea{textX, item.top, textEnd, item.bottom};
    if (record.titlePicture != nullptr) textArea.bottom = item.top + record.rowHeight;

    if (record.hasTextRow) {
        SelectedObject font(dc, style.menuFont.get());
        ::SetBkMode(dc, TRANSPARENT);
        if (colours.emboss.filled) {
            // Embossed: a light copy a line's width down and right under the shadow.
            const int by = lengths.line;
            const RECT offset{textArea.left + by, textArea.top + by, textArea.right + by, textArea.bottom + by};
            drawLabel(dc, record.label(), offset, palette.colour(colours.emboss.role));
        }
        drawLabel(dc, record.label(), textArea, palette.colour(colours.text));
    }

    if (record.titlePicture != nullptr)
        renderPicture(record.titlePicture, dc, textX, item.top + record.pictureTop,
                      record.pictureRight - record.pictureLeft, record.pictureBottom - record.pictureTop);
    if (record.subMenu != nullptr && colours.arrow.filled)
        paintSubMenuArrow(dc, item, style.sizes.checkWidth, palette.colour(colours.arrow.role));
}

}  // namespace trm
