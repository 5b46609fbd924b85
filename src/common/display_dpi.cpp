#include "common/display_dpi.h"

#include <cstddef>

#include "common/kernel_handles.h"

namespace trm {

namespace {

template <typename Function>
Function userFunction(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("user32.dll"), name)));
}

using GetDpiForSystemFn = UINT(WINAPI*)();
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
// The second argument is MONITOR_DPI_TYPE, which older headers lack.
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
const int mdtEffectiveDpi = 0;

// shcore.dll (Windows 8.1 and later), from the system folder only, loaded
// for the first monitor asked about and kept to process exit.
struct ShcoreLibrary {
    ShcoreLibrary() : module(::LoadLibraryExA("shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        if (module)
            dpiForMonitor = reinterpret_cast<GetDpiForMonitorFn>(
                reinterpret_cast<void*>(::GetProcAddress(module.get(), "GetDpiForMonitor")));
    }

    LibraryHandle module;
    GetDpiForMonitorFn dpiForMonitor = nullptr;
};

int monitorDpi(HMONITOR monitor) {
    static const ShcoreLibrary shcore;
    UINT x = 0;
    UINT y = 0;
    if (monitor != nullptr && shcore.dpiForMonitor &&
        SUCCEEDED(shcore.dpiForMonitor(monitor, mdtEffectiveDpi, &x, &y)) && y > 0)
        return static_cast<int>(y);
    return displayDpi();
}

BOOL CALLBACK addMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM layout) noexcept {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!::GetMonitorInfoW(monitor, &info)) return TRUE;
    try {
        auto& monitors = *reinterpret_cast<MonitorLayout*>(layout);
        const RECT& r = info.rcMonitor;
        const MonitorArea area{{r.left, r.top, r.right, r.bottom}, monitorDpi(monitor)};
        if (info.dwFlags & MONITORINFOF_PRIMARY)
            monitors.insert(monitors.begin(), area);
        else
            monitors.push_back(area);
    } catch (...) {
        return FALSE;
    }
    return TRUE;
}

int readDisplayDpi() {
    if (const auto forSystem = userFunction<GetDpiForSystemFn>("GetDpiForSystem")) return static_cast<int>(forSystem());
    const HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

// The size of the structure before Vista added a field: older systems
// reject a larger one, and the fonts lie well inside it.
const UINT nonClientMetricsSize = offsetof(NONCLIENTMETRICSW, lfMessageFont) + sizeof(LOGFONTW);

}  // namespace

int displayDpi() {
    static const int dpi = readDisplayDpi();
    return dpi;
}

int systemMetricForDpi(int index, int dpi) {
    static const auto forDpi = userFunction<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    return forDpi ? forDpi(index, static_cast<UINT>(dpi)) : ::GetSystemMetrics(index);
}

bool nonClientMetricsForDpi(NONCLIENTMETRICSW& metrics, int dpi) {
    static const auto forDpi = userFunction<SystemParametersInfoForDpiFn>("SystemParametersInfoForDpi");
    metrics = NONCLIENTMETRICSW{};
    metrics.cbSize = nonClientMetricsSize;
    if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, nonClientMetricsSize, &metrics, 0, static_cast<UINT>(dpi)))
        return true;
    metrics.cbSize = nonClientMetricsSize;
    return ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, nonClientMetricsSize, &metrics, 0) != FALSE;
}

int monitorDpiAt(POINT point) {
    return monitorDpi(::MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST));
}

int windowDpi(HWND window) {
    static const auto forWindow = userFunction<GetDpiForWindowFn>("GetDpiForWindow");
    const UINT dpi = forWindow && window ? forWindow(window) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : displayDpi();
}

MonitorLayout monitorLayout() {
    MonitorLayout monitors;
    ::EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

}  // namespace trm
