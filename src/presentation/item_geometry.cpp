#include "presentation/item_geometry.h"

#include <algorithm>

namespace trm {

MeasuredKind measuredKindOf(bool isTitle, bool isSideTitle, bool isSeparator, bool isColumnBreak) {
    if (isTitle) return isSideTitle ? MeasuredKind::sideTitle : MeasuredKind::topTitle;
    if (isSeparator) return MeasuredKind::separator;
    if (isColumnBreak) return MeasuredKind::columnBreak;
    return MeasuredKind::other;
}

int iconColumnWidth(int maxCheckWidth, int cxMenuCheck) {
    return std::max(maxCheckWidth, cxMenuCheck);
}

TextSize measureItem(const ItemToMeasure& item, const MenuSystemMetrics& metrics, MenuTextExtents& extents,
                     MenuMeasureState& menu, ItemLayout& layout) {
    // A negative limit (quoted on the command line) leaves no room at all: it
    // is raised to the minimum below like any limit under it, instead of
    // giving items a negative width.
    if (menu.maxWidth < -1) menu.maxWidth = 0;
    const TextSize text = extents.labelSize(item.label);
    const int cx = metrics.cxMenuCheck;
    const int iconColumn = iconColumnWidth(menu.maxCheckWidth, cx);
    TextSize size;

    switch (item.kind) {
        case MeasuredKind::sideTitle:
            size.width = extents.verticalTitleFontHeight(item.label) - 10;
            // Its column's height comes from the other columns and the painter
            // spans the window; one pixel rather than none, because Wine never
            // asks to paint an item of no height.
            size.height = 1;
            break;
        case MeasuredKind::topTitle: size.height = extents.titleFontHeight(item.label) + 8; break;
        case MeasuredKind::separator: size.height = 5; break;
        case MeasuredKind::columnBreak:
            // Under a top title each further column starts level with the title's lower edge.
            if (menu.hasTitle && !menu.isSideTitle) size.height = extents.titleFontHeight("invisible") + 8;
            break;
        case MeasuredKind::other: {
            const int row = (item.hasTextRow ? std::max(metrics.cyMenu, text.height) : 0) + 1;
            layout.rowHeight = row;
            size.height = row;
            if (item.hasPicture) {
                layout.pictureTop = row;
                layout.pictureBottom = row + item.pictureHeight;
                size.height = row + item.pictureHeight + 1;
            }
            if (menu.maxCheckHeight >= size.height) size.height = menu.maxCheckHeight + 4;
            break;
        }
    }

    if (item.kind != MeasuredKind::sideTitle) {
        int textColumn = text.width != 0 ? text.width + 6 : 0;
        if (item.hasPicture) {
            const int pictureColumn = item.pictureWidth + 3;
            layout.pictureLeft = iconColumn + 6;
            layout.pictureRight = iconColumn + 3 + pictureColumn;
            textColumn = std::max(textColumn, pictureColumn + 3);
        }
        int width = iconColumn + 3 + textColumn + (item.hasSubMenu ? cx : 2);
        if (item.label.empty()) width += 1 - cx;
        size.width = (menu.maxWidth != -1 && width > menu.maxWidth) ? menu.maxWidth : width;
    }

    if (menu.maxWidth != -1) {
        const int minimumWidth = cx + iconColumn + 6;
        // Only a limit below the minimum is raised; a narrow item (a separator,
        // a short label) must not pull the limit down for the items after it.
        if (minimumWidth > menu.maxWidth) {
            menu.clampedTextWidth = minimumWidth - size.width + 9;
            menu.maxWidth = minimumWidth;
        } else if (size.width - minimumWidth + 9 > menu.clampedTextWidth) {
            menu.clampedTextWidth = size.width - minimumWidth + 9;
        }
        layout.pictureRight = menu.maxWidth - 3;
    }
    return size;
}

TextSize reducedPictureSize(int pixelWidth, int pixelHeight, int reductionX, int reductionY) {
    TextSize size{pixelWidth, pixelHeight};
    if (reductionX > 0) size.width = pixelWidth / reductionX;
    if (reductionY > 0) size.height = pixelHeight / reductionY;
    return size;
}

std::vector<Fill> columnBreakFills(const Rect& item, const Rect& client, const Rect& previous, int maxCheckWidth,
                                   bool xpStyle, bool paintBackgrounds) {
    const int iconColumn = maxCheckWidth + 4;
    std::vector<Fill> fills;
    if (xpStyle) {
        if (!paintBackgrounds) return fills;
        const int belowPrevious = client.bottom - previous.bottom;
        fills.push_back({item.left - 4, item.bottom, 4, client.bottom, FillColour::btnHighlight});
        fills.push_back({previous.left + iconColumn, previous.bottom, previous.width() - iconColumn, belowPrevious,
                         FillColour::btnHighlight});
        fills.push_back({previous.left, previous.bottom, iconColumn, belowPrevious, FillColour::btnFace});
        // The new column is filled from the break's lower edge: under a top
        // title the break shares the title's row, and filling from its top
        // would cut the title strip and its outline at this column.
        fills.push_back({item.left, item.bottom, iconColumn, client.bottom - item.bottom, FillColour::btnFace});
        fills.push_back({item.left + iconColumn, item.bottom, client.right - item.left - iconColumn,
                         client.bottom - item.bottom, FillColour::btnHighlight});
        return fills;
    }
    if (paintBackgrounds) fills.push_back({item.left - 4, item.bottom, 4, client.bottom, FillColour::menu});
    // The etched bar between the columns stays even without backgrounds.
    fills.push_back({item.left - 3, item.bottom, 1, client.bottom, FillColour::btnShadow});
    fills.push_back({item.left - 2, item.bottom, 1, client.bottom, FillColour::btnHighlight});
    return fills;
}

Rgb gradientColour(Rgb from, Rgb to, int step, int span) {
    if (span <= 0) return from;
    return {from.red + ((to.red - from.red) * step) / span, from.green + ((to.green - from.green) * step) / span,
            from.blue + ((to.blue - from.blue) * step) / span};
}

int textLeft(int itemLeft, int maxCheckWidth, int cxMenuCheck) {
    return itemLeft + 2 + iconColumnWidth(maxCheckWidth, cxMenuCheck) + 3;
}

int textRight(int itemRight, int textX, int maxWidth, int clampedTextWidth) {
    if (maxWidth != -1 && clampedTextWidth != -1) return textX + clampedTextWidth;
    return itemRight;
}

}  // namespace trm
