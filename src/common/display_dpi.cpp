#include "common/display_dpi.h"

#include <cstddef>

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

}  // namespace trm
