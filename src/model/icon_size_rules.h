// The size of the icons of a menu drawn at a given DPI.
#pragma once

namespace trm {

// In pixels: the small-icon metric at `dpi`, or, with the shell's icon size,
// `shellIconSize` (pixels at `systemDpi`, 0 when unset) scaled to `dpi`, or
// the large-icon metric at `dpi` when it is unset.
int menuIconSize(bool shellSize, int shellIconSize, int systemDpi, int dpi, int smallMetric, int largeMetric);

}  // namespace trm
