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
    const MenuLengths& at = metrics.lengths;
    const int cx = metrics.cxMenuCheck;
    const int iconColumn = iconColumnWidth(menu.maxCheckWidth, cx);
    TextSize size;

    switch (item.kind) {
        case MeasuredKind::sideTitle:
            // A font lower than the trim (a tiny status font) gives no column
            // rather than a negative one, which the system would read as huge.
            size.width = std::max(0, extents.verticalTitleFontHeight(item.label) - at.sideTitleTrim);
            // Its column's height comes from the other columns and the painter
            // spans the window; one pixel rather than none, because Wine never
            // asks to paint an item of no height.
            size.height = 1;
            break;
        case MeasuredKind::topTitle: size.height = extents.titleFontHeight(item.label) + at.titlePadding; break;
        case MeasuredKind::separator: size.height = at.separatorHeight; break;
        case MeasuredKind::columnBreak:
            // Under a top title each further column starts level with the title's lower edge.
            if (menu.hasTitle && !menu.isSideTitle)
                size.height = extents.titleFontHeight("invisible") + at.titlePadding;
            break;
        case MeasuredKind::other: {
            const int row = (item.hasTextRow ? std::max(metrics.cyMenu, text.height) : 0) + at.rowGap;
            layout.rowHeight = row;
            size.height = row;
            if (item.hasPicture) {
                layout.pictureTop = row;
                layout.pictureBottom = row + item.pictureHeight;
                size.height = row + item.pictureHeight + at.rowGap;
            }
            if (menu.maxCheckHeight >= size.height) size.height = menu.maxCheckHeight + at.iconRowPadding;
            break;
        }
    }

    if (item.kind != MeasuredKind::sideTitle) {
        int textColumn = text.width != 0 ? text.width + at.labelPadding : 0;
        if (item.hasPicture) {
            const int pictureColumn = item.pictureWidth + at.pictureMargin;
            layout.pictureLeft = iconColumn + at.textGap + at.pictureMargin;
            layout.pictureRight = iconColumn + at.textGap + pictureColumn;
            textColumn = std::max(textColumn, pictureColumn + at.pictureMargin);
        }
        int width = iconColumn + at.textGap + textColumn + (item.hasSubMenu ? cx : at.itemEndGap);
        if (item.label.empty()) width += at.emptyLabelWidth - cx;
        size.width = (menu.maxWidth != -1 && width > menu.maxWidth) ? menu.maxWidth : width;
    }

    if (menu.maxWidth != -1) {
        const int minimumWidth = cx + iconColumn + at.minimumWidthGap;
        // Only a limit below the minimum is raised; a narrow item (a separator,
        // a short label) must not pull the limit down for the items after it.
        if (minimumWidth > menu.maxWidth) {
            menu.clampedTextWidth = minimumWidth - size.width + at.widthLimitSlack;
            menu.maxWidth = minimumWidth;
        } else if (size.width - minimumWidth + at.widthLimitSlack > menu.clampedTextWidth) {
            menu.clampedTextWidth = size.width - minimumWidth + at.widthLimitSlack;
        }
        layout.pictureRight = menu.maxWidth - at.pictureMargin;
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
                                   bool xpStyle, bool paintBackgrounds, const MenuLengths& at) {
    const int iconColumn = maxCheckWidth + at.columnGap;
    const int gap = at.columnGap;
    std::vector<Fill> fills;
    if (xpStyle) {
        if (!paintBackgrounds) return fills;
        const int belowPrevious = client.bottom - previous.bottom;
        fills.push_back({item.left - gap, item.bottom, gap, client.bottom, FillColour::xpText});
        fills.push_back({previous.left + iconColumn, previous.bottom, previous.width() - iconColumn, belowPrevious,
                         FillColour::xpText});
        fills.push_back({previous.left, previous.bottom, iconColumn, belowPrevious, FillColour::xpIcons});
        // The new column is filled from the break's lower edge: under a top
        // title the break shares the title's row, and filling from its top
        // would cut the title strip and its outline at this column.
        fills.push_back({item.left, item.bottom, iconColumn, client.bottom - item.bottom, FillColour::xpIcons});
        fills.push_back({item.left + iconColumn, item.bottom, client.right - item.left - iconColumn,
                         client.bottom - item.bottom, FillColour::xpText});
        return fills;
    }
    if (paintBackgrounds) fills.push_back({item.left - gap, item.bottom, gap, client.bottom, FillColour::menu});
    // The etched bar between the columns stays even without backgrounds:
    // two lines from the gap's second pixel on.
    const int bar = item.left - gap + at.line;
    fills.push_back({bar, item.bottom, at.line, client.bottom, FillColour::etchShadow});
    fills.push_back({bar + at.line, item.bottom, at.line, client.bottom, FillColour::etchLight});
    return fills;
}

Rgb gradientColour(Rgb from, Rgb to, int step, int span) {
    if (span <= 0) return from;
    return {from.red + ((to.red - from.red) * step) / span, from.green + ((to.green - from.green) * step) / span,
            from.blue + ((to.blue - from.blue) * step) / span};
}

int textLeft(int itemLeft, int maxCheckWidth, int cxMenuCheck, const MenuLengths& at) {
    return itemLeft + at.iconInset + iconColumnWidth(maxCheckWidth, cxMenuCheck) + at.textGap;
}

int textRight(int itemRight, int textX, int maxWidth, int clampedTextWidth) {
    if (maxWidth != -1 && clampedTextWidth != -1) return textX + clampedTextWidth;
    return itemRight;
}

}  // namespace trm
