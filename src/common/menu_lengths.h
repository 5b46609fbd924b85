// Every length the launcher measures or paints with by itself, named once,
// in pixels at 96 DPI (100 % display scaling). The Windows side scales the
// table to the DPI the menus are shown at; what the system gives (fonts,
// the check-mark and menu-bar sizes, edges, icons) it asks for that DPI.
#pragma once

namespace trm {

struct MenuLengths {
    // Items.
    int iconInset = 2;        // the icon from the item's left and top edges
    int textGap = 3;          // from the icon column to the label
    int labelPadding = 6;     // added to the label's width
    int itemEndGap = 2;       // after the label of an item with no sub-menu arrow
    int rowGap = 1;           // below a text row, and below a picture
    int iconRowPadding = 4;   // below and above an icon as tall as its row
    int pictureMargin = 3;    // around a title picture in its column
    int minimumWidthGap = 6;  // the narrowest item: check mark, icon column and this
    int widthLimitSlack = 9;  // a maxmenuwidth menu's text width beyond its narrowest item
    int emptyLabelWidth = 1;  // an icon-only item beyond its icon column and end gap
    // Separators and columns.
    int separatorHeight = 5;
    int separatorInset = 3;  // the separator's line from the item's ends
    int line = 1;            // separator lines, the column bar's lines, outlines, the embossed label's offset
    int columnGap = 4;       // before a new column (its bar and fill); the xp icon column beyond the icons
    // Titles.
    int titlePadding = 8;       // a top title's strip beyond its font's height
    int titleTextInset = 4;     // a top title's label from the strip's ends; a side title's from its foot
    int sideTitleTrim = 10;     // a side title's column, narrower than its font's height
    int sideTitleWiden = 4;     // the side strip beyond its column
    int sideTitleTextLeft = 2;  // the side title's label from the strip's left
    // Sub-menus.
    int subMenuShift = 3;  // a sub-menu further from its parent than the system puts it
    // The thumbnail tip.
    int tipOffset = 16;       // its corner from the pointer
    int tipPictureRight = 1;  // the box beyond the picture, to the right
    int tipPictureBelow = 3;  // the box beyond the picture, below
    int tipFrameWidth = 7;    // the window beyond the box: border and margins
    int tipFrameHeight = 8;
    int tipInset = 2;          // the box from the window's corner
    int tipFlipX = 32;         // flipped left of the pointer: the box's right edge from it
    int tipFlipY = 34;         // flipped above the pointer: the box's foot from it
    int thumbnailWidth = 160;  // a shell thumbnail's box when the tip has no size of its own
    int thumbnailHeight = 120;
};

// A length at 96 DPI at `dpi`, rounded to the nearest pixel; a length of at
// least one pixel stays at least one.
int scaledLength(int length, int dpi);

// The whole table at `dpi`.
MenuLengths menuLengthsAt(int dpi);

}  // namespace trm
