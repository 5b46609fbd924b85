// Makes a ".lnk" shortcut for the end-to-end tests.
//   make_shortcut.exe LINK TARGET [RECORDED-ATTRIBUTES]
// RECORDED-ATTRIBUTES (a number, e.g. 16 for a folder) are written into the
// link's header as Windows records its target's. Exits 1 on failure.
#include <cstdlib>

#include "shortcut_file.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc < 3) return 2;
    const DWORD attributes = __argc > 3 ? static_cast<DWORD>(std::strtoul(__argv[3], nullptr, 0)) : 0;
    return wintest::makeShortcut(__argv[1], __argv[2], attributes) ? 0 : 1;
}
