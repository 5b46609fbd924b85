// Starts a program, measures how long its popup menu (a visible window of
// class "#32768") takes to appear, reports the program's peak working set
// up to then and closes the menu with Escape.
//   menu_timer.exe OUTPUT-FILE PROGRAM [ARGUMENTS...]
// Writes "milliseconds peak-kib" to OUTPUT-FILE; exits 1 when no menu shows.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK findMenuWindow(HWND window, LPARAM lParam) {
    Search& search = *reinterpret_cast<Search*>(lParam);
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && lstrcmpA(className, "#32768") == 0 && ::IsWindowVisible(window)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

std::string quoted(const char* argument) {
    return std::string("\"") + argument + "\"";
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc < 3) return 2;
    std::string commandLine = quoted(__argv[2]);
    for (int i = 3; i < __argc; ++i) commandLine += " " + quoted(__argv[i]);

    LARGE_INTEGER frequency, started, shown;
    ::QueryPerformanceFrequency(&frequency);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ::QueryPerformanceCounter(&started);
    if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return 3;

    Search search = {process.dwProcessId, nullptr};
    for (int tries = 0; tries < 120000 && search.found == nullptr; ++tries) {
        ::EnumWindows(findMenuWindow, reinterpret_cast<LPARAM>(&search));
        // Looked for again each millisecond, or given up once the program has ended.
        if (search.found == nullptr && ::WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;
    }
    ::QueryPerformanceCounter(&shown);
    // Read while the program still runs: Wine knows nothing of a process
    // that has ended.
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    ::GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    if (search.found) {
        ::PostMessageA(search.found, WM_KEYDOWN, VK_ESCAPE, 0);
        ::PostMessageA(search.found, WM_KEYUP, VK_ESCAPE, 0);
    }
    if (::WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) ::TerminateProcess(process.hProcess, 1);

    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);

    const double milliseconds =
        1000.0 * static_cast<double>(shown.QuadPart - started.QuadPart) / static_cast<double>(frequency.QuadPart);
    FILE* output = std::fopen(__argv[1], "w");
    if (output == nullptr) return 4;
    std::fprintf(output, "%.1f %lu\n", milliseconds, static_cast<unsigned long>(memory.PeakWorkingSetSize / 1024));
    std::fclose(output);
    return search.found ? 0 : 1;
}
