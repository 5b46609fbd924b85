// Kept running for a whole test run so that the Wine desktop (and the
// keyboard state it holds) outlives each program under test.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    for (;;) ::Sleep(60000);
}
