// The arithmetic of owner-drawn menu items: the size an item reports, the
// layout values the painter reads back, and the painter's own geometry.
// Platform facts (system metrics, text extents) come in from the caller.
#pragma once

#include <string>
#include <vector>

#include "common/menu_lengths.h"

namespace trm {

enum class MeasuredKind { sideTitle, topTitle, separator, columnBreak, other };

// The first matching row decides: a title before a separator before a break.
MeasuredKind measuredKindOf(bool isTitle, bool isSideTitle, bool isSeparator, bool isColumnBreak);

struct TextSize {
    int width = 0;
    int height = 0;
};

// Text extents in the three menu fonts, supplied by the Windows side.
class MenuTextExtents {
public:
    virtual ~MenuTextExtents() = default;
    // The label as DrawText lays it out in the menu font (DT_CALCRECT).
    virtual TextSize labelSize(const std::string& label) = 0;
    // Heights of GetTextExtentPoint32 in the title font and the upright font.
    virtual int titleFontHeight(const std::string& text) = 0;
    virtual int verticalTitleFontHeight(const std::string& text) = 0;
};

// The system's sizes and the launcher's lengths at the DPI the menu is shown at.
struct MenuSystemMetrics {
    int cxMenuCheck = 0;  // SM_CXMENUCHECK
    int cyMenu = 0;       // SM_CYMENU
    MenuLengths lengths;
};

struct ItemToMeasure {
    MeasuredKind kind = MeasuredKind::other;
    std::string label;
    bool hasTextRow = true;
    bool hasSubMenu = false;
    bool hasPicture = false;
    int pictureWidth = 0;  // already reduced
    int pictureHeight = 0;
};

// What measuring reads and rewrites on the item's menu.
struct MenuMeasureState {
    int maxCheckWidth = 0;
    int maxCheckHeight = 0;
    bool hasTitle = false;
    bool isSideTitle = false;
    int maxWidth = -1;  // -1: no limit
    int clampedTextWidth = -1;
};

// The item's layout values; only those its kind defines are rewritten.
struct ItemLayout {
    int rowHeight = 0;
    int pictureLeft = 0;
    int pictureTop = 0;
    int pictureRight = 0;
    int pictureBottom = 0;
};

// Width of the icon column: the menu's widest icon, at least the check mark.
int iconColumnWidth(int maxCheckWidth, int cxMenuCheck);

// Measures one item: returns the size for the system and updates the
// item's layout values and the menu's width bookkeeping.
TextSize measureItem(const ItemToMeasure& item, const MenuSystemMetrics& metrics, MenuTextExtents& extents,
                     MenuMeasureState& menu, ItemLayout& layout);

// Picture size in pixels divided by the reduction divisors; a divisor of 0
// (not set yet) or below leaves that side as it is: a negative one would
// turn the picture over.
TextSize reducedPictureSize(int pixelWidth, int pixelHeight, int reductionX, int reductionY);

// --- painting ---

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const Rect& other) const {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
};

// The colours a column break fills with, named by their role.
enum class FillColour { xpText, xpIcons, etchShadow, etchLight, menu };

struct Fill {
    int x, y, cx, cy;
    FillColour colour;
    bool operator==(const Fill& other) const {
        return x == other.x && y == other.y && cx == other.cx && cy == other.cy && colour == other.colour;
    }
};

// The fills of a column break, in painting order. item is the break's own
// rectangle, client the menu window's client area, previous the last item of
// the column before.
std::vector<Fill> columnBreakFills(const Rect& item, const Rect& client, const Rect& previous, int maxCheckWidth,
                                   bool xpStyle, bool paintBackgrounds, const MenuLengths& lengths);

struct Rgb {
    int red, green, blue;
    bool operator==(const Rgb& other) const { return red == other.red && green == other.green && blue == other.blue; }
};

// Colour at step of span along a caption gradient from `from` to `to`.
Rgb gradientColour(Rgb from, Rgb to, int step, int span);

// Left edge of an item's label: after the icon column and its margins.
int textLeft(int itemLeft, int maxCheckWidth, int cxMenuCheck, const MenuLengths& lengths);

// Right edge of an item's label: the item's edge, or the menu's text width
// when the menu is limited by maxmenuwidth.
int textRight(int itemRight, int textX, int maxWidth, int clampedTextWidth);

}  // namespace trm
