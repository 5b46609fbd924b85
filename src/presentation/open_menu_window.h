// One open menu window ("#32768") of the run, as the jobs done on it see
// it: the window, the procedure it had before ours, the menu it shows, the
// DPI that menu is measured and painted at, and dieonmouseout's look at the
// pointer, a timer on the window.
#pragma once

#include <windows.h>

#include "common/user_handles.h"

namespace trm {

class OwnerDrawMenu;

struct OpenMenuWindow {
    HWND window;
    HMENU menuHandle;      // currentMenu when the window was created
    OwnerDrawMenu* menu;   // the run's menu of that handle; null for another menu
    int dpi;               // the DPI of the menu's style
    WNDPROC previousProc;  // also kept in the window's "TRM_OldWndProc" property
    WindowTimer pointerWatch;
};

}  // namespace trm
