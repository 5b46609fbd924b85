// The shell's standard folder icons, taken from the desktop directory's own
// icon.
#pragma once

#include <windows.h>

namespace trm {

// The desktop directory's closed or open icon: large (of shellIconSize
// pixels) or small; null when the shell has none. The caller owns it.
// A `size` other than 0 asks for that many pixels, falling back to the
// system's size when the shell cannot give it.
HICON desktopDirectoryIcon(HWND owner, bool large, int shellIconSize, bool open, int size = 0);

}  // namespace trm
