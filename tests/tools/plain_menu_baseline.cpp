// The yardstick for the launcher's start-up: lists a folder with
// FindFirstFileA and tracks a plain (not owner-drawn) popup menu of the
// names at the pointer.
//   plain_menu_baseline.exe FOLDER
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (__argc < 2) return 2;
    HMENU menu = ::CreatePopupMenu();
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((std::string(__argv[1]) + "\\*.*").c_str(), &found);
    UINT id = 1000;
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (found.cFileName[0] != '.') ::AppendMenuA(menu, MF_STRING, id++, found.cFileName);
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "PlainMenuOwner";
    ::RegisterClassA(&windowClass);
    HWND owner =
        ::CreateWindowExA(0, "PlainMenuOwner", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, instance, nullptr);
    POINT at;
    ::GetCursorPos(&at);
    ::SetForegroundWindow(owner);
    ::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_CENTERALIGN | TPM_VCENTERALIGN, at.x, at.y, 0, owner, nullptr);
    ::DestroyMenu(menu);
    ::DestroyWindow(owner);
    return 0;
}
