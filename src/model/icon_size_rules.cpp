#include "model/icon_size_rules.h"

#include <cstdint>

namespace trm {

int menuIconSize(bool shellSize, int shellIconSize, int systemDpi, int dpi, int smallMetric, int largeMetric) {
    if (!shellSize) return smallMetric;
    if (shellIconSize <= 0) return largeMetric;
    // At the system's DPI the size stays exactly what the user set.
    if (dpi == systemDpi || systemDpi <= 0 || dpi <= 0) return shellIconSize;
    const std::int64_t scaled = (std::int64_t{shellIconSize} * dpi + systemDpi / 2) / systemDpi;
    return scaled < 1 ? 1 : scaled > 256 ? 256 : static_cast<int>(scaled);
}

}  // namespace trm
