// Waits for a top-level window with the given caption and writes the texts
// of its child windows, one per line, to a file: lets the tests read what a
// message box says without OCR.
//   dialog_probe.exe CAPTION OUTPUT-FILE [SECONDS]
#include <windows.h>

#include <cstdlib>
#include <string>

#include "wait_for.h"

namespace {

BOOL CALLBACK collectText(HWND child, LPARAM lParam) {
    char text[4096];
    const int length = ::GetWindowTextA(child, text, sizeof text);
    if (length > 0) {
        std::string& out = *reinterpret_cast<std::string*>(lParam);
        out.append(text, length);
        out += "\r\n";
    }
    return TRUE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc < 3) return 2;
    const char* caption = __argv[1];
    const char* outputPath = __argv[2];
    const int seconds = __argc > 3 ? std::atoi(__argv[3]) : 30;

    HWND dialog = nullptr;
    if (!wintest::waitFor(static_cast<DWORD>(seconds) * 1000,
                          [&]() { return (dialog = ::FindWindowA("#32770", caption)) != nullptr; }))
        return 1;

    std::string texts;
    ::EnumChildWindows(dialog, collectText, reinterpret_cast<LPARAM>(&texts));
    HANDLE file = ::CreateFileA(outputPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 3;
    DWORD written = 0;
    ::WriteFile(file, texts.data(), static_cast<DWORD>(texts.size()), &written, nullptr);
    ::CloseHandle(file);
    return 0;
}
