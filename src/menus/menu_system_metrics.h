// The system metrics every menu item is measured and painted with, at one
// DPI. Read once per style, not per item: Wine works SM_CXMENUCHECK out
// afresh on each call, which a menu of a thousand items paid on every start.
#pragma once

namespace trm {

struct MenuSystemSizes {
    int checkWidth;   // SM_CXMENUCHECK
    int checkHeight;  // SM_CYMENUCHECK
    int menuHeight;   // SM_CYMENU
};

// Asks the system each time.
MenuSystemSizes menuSystemSizesAt(int dpi);

// At the display's DPI, read once per process.
const MenuSystemSizes& menuSystemSizes();

}  // namespace trm
