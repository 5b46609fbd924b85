// The yardstick for the launcher's start-up: lists a folder with
// FindFirstFileA and tracks a plain (not owner-drawn) popup menu of the
// names at the pointer.
//   plain_menu_baseline.exe FOLDER [-icon]
// With -icon it also asks the shell for the first file's small icon, as any
// program showing one shell icon must: what the platform's icon set-up costs.
#include <windows.h>
#include <shellapi.h>

#include <cstring>
#include <string>

namespace {

// shell32 is loaded only here, so that the plain yardstick never pays for it.
void fetchOneIcon(const std::string& path) {
    HMODULE shell = ::LoadLibraryA("shell32.dll");
    using GetFileInfo = DWORD_PTR(WINAPI*)(LPCSTR, DWORD, SHFILEINFOA*, UINT, UINT);
    const auto getFileInfo = reinterpret_cast<GetFileInfo>(
        reinterpret_cast<void*>(shell ? ::GetProcAddress(shell, "SHGetFileInfoA") : nullptr));
    SHFILEINFOA info = {};
    if (getFileInfo &&
        getFileInfo(path.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON))
        ::DestroyIcon(info.hIcon);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (__argc < 2) return 2;
    const bool withIcon = __argc > 2 && std::strcmp(__argv[2], "-icon") == 0;
    HMENU menu = ::CreatePopupMenu();
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((std::string(__argv[1]) + "\\*.*").c_str(), &found);
    UINT id = 1000;
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (found.cFileName[0] == '.') continue;
            if (withIcon && id == 1000) fetchOneIcon(std::string(__argv[1]) + "\\" + found.cFileName);
            ::AppendMenuA(menu, MF_STRING, id++, found.cFileName);
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
