// Registered in the test prefix as the open command of ".trtest" files and
// of folders: appends what the shell handed it, one line per start, to the
// log named by TRM_RECORDER_LOG (or recorder.log beside it).
#include <windows.h>

#include <cstdlib>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::string line;
    for (int i = 1; i < __argc; ++i) {
        if (i > 1) line += ' ';
        line += __argv[i];
    }
    line += "\r\n";

    char logPath[MAX_PATH * 4];
    DWORD length = ::GetEnvironmentVariableA("TRM_RECORDER_LOG", logPath, sizeof logPath);
    if (length == 0 || length >= sizeof logPath) {
        length = ::GetModuleFileNameA(nullptr, logPath, sizeof logPath);
        std::string path(logPath, length);
        path = path.substr(0, path.find_last_of('\\') + 1) + "recorder.log";
        lstrcpynA(logPath, path.c_str(), sizeof logPath);
    }
    // FILE_APPEND_DATA makes each write land at the end even when several
    // recorders run at once (Open all).
    HANDLE log = ::CreateFileA(logPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    ::WriteFile(log, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    ::CloseHandle(log);
    return 0;
}
