// Registered in the test prefix as the open command of ".trtest" files and
// of folders: appends what the shell handed it, one line per start, to the
// log named by TRM_RECORDER_LOG (or recorder.log beside it). The line is
// UTF-8 whatever the code page: it is taken from the wide command line.
#include <windows.h>

#include <string>

namespace {

std::string utf8Of(const wchar_t* text) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return std::string();
    std::string bytes(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, &bytes[0], size, nullptr, nullptr);
    bytes.resize(static_cast<size_t>(size - 1));
    return bytes;
}

std::wstring logPath() {
    wchar_t path[MAX_PATH * 4];
    const DWORD length = ::GetEnvironmentVariableW(L"TRM_RECORDER_LOG", path, MAX_PATH * 4);
    if (length > 0 && length < MAX_PATH * 4) return path;
    const DWORD module = ::GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    std::wstring beside(path, module);
    return beside.substr(0, beside.find_last_of(L'\\') + 1) + L"recorder.log";
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int count = 0;
    wchar_t** args = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (args == nullptr) return 1;
    std::string line;
    for (int i = 1; i < count; ++i) {
        if (i > 1) line += ' ';
        line += utf8Of(args[i]);
    }
    ::LocalFree(args);
    line += "\r\n";

    // Open all starts several recorders at once: one at a time appends, so
    // that no line is lost whatever the file system makes of concurrent
    // appends, and a moment's sharing conflict is tried again.
    HANDLE turn = ::CreateMutexW(nullptr, FALSE, L"trm-recorder-log");
    if (turn != nullptr) ::WaitForSingleObject(turn, 10000);
    HANDLE log = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 50 && log == INVALID_HANDLE_VALUE; ++attempt) {
        log = ::CreateFileW(logPath().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (log == INVALID_HANDLE_VALUE) ::Sleep(20);
    }
    DWORD written = 0;
    if (log != INVALID_HANDLE_VALUE) {
        ::WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        ::CloseHandle(log);
    }
    if (turn != nullptr) {
        ::ReleaseMutex(turn);
        ::CloseHandle(turn);
    }
    if (written != line.size()) return 1;
    return 0;
}
