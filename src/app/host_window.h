// The hidden window that owns the popup menu and, after it has closed,
// carries the timers that end the process.
#pragma once

#include "framework/wnd.h"

namespace trm {

class LauncherApp;

class HostWindow : public CWnd {
public:
    explicit HostWindow(LauncherApp& app) : app(app) {}

    LauncherApp& app;
    int exitTimer = -1;   // timer 2 (waittodietime), later the sheet check
    int sheetTimer = -1;  // timer 1 (property-sheet watch)
};

}  // namespace trm
