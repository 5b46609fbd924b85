// Starts a program, measures how long its popup menu (a visible window of
// class "#32768") takes to appear, reports the program's peak working set
// up to then and closes the menu with Escape.
//   menu_timer.exe [-settled] OUTPUT-FILE PROGRAM [ARGUMENTS...]
// Writes "milliseconds peak-kib" to OUTPUT-FILE; exits 1 when no menu shows.
// With -settled the time is that of the menu's last change on screen (its
// icons all painted): the menu is watched until it has not changed for a
// second, and the peak working set is read then.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

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

// The window's pixels as they are on the screen.
std::vector<DWORD> pixelsOf(HWND window) {
    RECT area{};
    if (!::GetWindowRect(window, &area) || area.right <= area.left || area.bottom <= area.top) return {};
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::vector<DWORD> pixels;
    if (bitmap != nullptr && bits != nullptr) {
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        ::BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
        ::GdiFlush();
        const DWORD* from = static_cast<const DWORD*>(bits);
        pixels.assign(from, from + static_cast<size_t>(width) * static_cast<size_t>(height));
        ::SelectObject(memory, old);
    }
    if (bitmap != nullptr) ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

// Watches the menu until it has stayed the same for a second (at most 30 s
// in all); the time of its last change.
LARGE_INTEGER lastChange(HWND menu, LARGE_INTEGER shown, const LARGE_INTEGER& frequency) {
    LARGE_INTEGER changed = shown;
    LARGE_INTEGER now = shown;
    std::vector<DWORD> seen = pixelsOf(menu);
    const LONGLONG second = frequency.QuadPart;
    while (now.QuadPart - changed.QuadPart < second && now.QuadPart - shown.QuadPart < 30 * second &&
           ::IsWindowVisible(menu)) {
        // Looked at every 10 ms: the copies of the screen cost the program
        // watched its time too.
        ::Sleep(10);
        std::vector<DWORD> pixels = pixelsOf(menu);
        ::QueryPerformanceCounter(&now);
        if (pixels != seen) {
            changed = now;
            seen.swap(pixels);
        }
    }
    return changed;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const bool settled = __argc > 1 && std::strcmp(__argv[1], "-settled") == 0;
    const int first = settled ? 2 : 1;  // the output file's argument
    if (__argc < first + 2) return 2;
    std::string commandLine = quoted(__argv[first + 1]);
    for (int i = first + 2; i < __argc; ++i) commandLine += " " + quoted(__argv[i]);

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
    if (settled && search.found) shown = lastChange(search.found, shown, frequency);
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
    FILE* output = std::fopen(__argv[first], "w");
    if (output == nullptr) return 4;
    std::fprintf(output, "%.1f %lu\n", milliseconds, static_cast<unsigned long>(memory.PeakWorkingSetSize / 1024));
    std::fclose(output);
    return search.found ? 0 : 1;
}
