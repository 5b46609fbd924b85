// Reads the file list (CF_HDROP) off the clipboard, from a process of its
// own: what a paste after the launcher has ended would get.
//   clipboard_files.exe OUTPUT-FILE   writes the files, one per line; exits
//                                     0 when the clipboard holds a file list
//   clipboard_files.exe empty         empties the clipboard
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// Another program may hold the clipboard open for a moment.
bool openClipboard() {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (::OpenClipboard(nullptr)) return true;
        ::Sleep(50);
    }
    return false;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc < 2 || !openClipboard()) return 2;
    if (std::strcmp(__argv[1], "empty") == 0) {
        const BOOL emptied = ::EmptyClipboard();
        ::CloseClipboard();
        return emptied ? 0 : 2;
    }
    std::string files;
    HANDLE data = ::GetClipboardData(CF_HDROP);
    if (data != nullptr) {
        HDROP drop = static_cast<HDROP>(data);
        const UINT count = ::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i) {
            char name[MAX_PATH * 4] = {};
            ::DragQueryFileA(drop, i, name, sizeof name);
            files += name;
            files += "\r\n";
        }
    }
    ::CloseClipboard();
    FILE* out = std::fopen(__argv[1], "wb");
    if (out == nullptr) return 2;
    std::fwrite(files.data(), 1, files.size(), out);
    std::fclose(out);
    return data != nullptr ? 0 : 1;
}
