// The DPI the launcher's menus are drawn at, and the system's metrics and
// fonts for it. The program is system-DPI aware: it draws everything at the
// system's DPI, and Windows stretches the picture on a monitor scaled
// otherwise. The DPI of each monitor and window is there for drawing per
// monitor. The calls that take a DPI or answer per monitor are looked up at
// run time (Windows 8.1 and 10 1607 and later); older systems answer for the
// system's DPI.
#pragma once

#include <windows.h>

#include "common/monitor_layout.h"

namespace trm {

// The system's DPI (96 at 100 % scaling), read once.
int displayDpi();

// GetSystemMetricsForDpi, or GetSystemMetrics where the system lacks it.
int systemMetricForDpi(int index, int dpi);

// The non-client metrics (the menu and status fonts among them) for `dpi`;
// false when the system gives none.
bool nonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, int dpi);

// The DPI of the monitor showing `point`, or of the nearest one.
int monitorDpiAt(POINT point);

// The DPI `window` is drawn at.
int windowDpi(HWND window);

// Every monitor with its rectangle and DPI, the primary one first.
MonitorLayout monitorLayout();

}  // namespace trm
