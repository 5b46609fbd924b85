// Waits until Wine reports a key held down, so that a test pressing a key
// with xdotool knows the next program started will see it (on a busy
// machine the desktop can take more than a second to take the X event).
//   key_probe.exe VIRTUAL-KEY [TIMEOUT-MS]
// Exits 0 once GetAsyncKeyState says the key is down, 1 at the time-out.
#include <windows.h>

#include <cstdlib>

#include "wait_for.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc < 2) return 2;
    const int key = std::atoi(__argv[1]);
    const DWORD timeout = __argc > 2 ? static_cast<DWORD>(std::atoi(__argv[2])) : 20000;
    return wintest::waitFor(timeout, [key]() { return (::GetAsyncKeyState(key) & 0x8000) != 0; }) ? 0 : 1;
}
