// Writes what another process's menus look like from outside: each visible
// menu window ("#32768") with its place, whether it is layered and its
// alpha, and the system colours the menus are painted with.
//   menu_window_probe.exe OUTPUT-FILE
// Lines: "menu LEFT TOP WIDTH HEIGHT layered|opaque ALPHA" (ALPHA -1 when
// not layered) and "colour NAME R G B".
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

BOOL CALLBACK describeMenu(HWND window, LPARAM lParam) {
    char name[32] = {};
    ::GetClassNameA(window, name, sizeof name);
    if (::lstrcmpiA(name, "#32768") != 0 || !::IsWindowVisible(window)) return TRUE;
    RECT area{};
    ::GetWindowRect(window, &area);
    const bool layered = (::GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
    int alpha = -1;
    BYTE value = 0;
    DWORD flags = 0;
    if (layered && ::GetLayeredWindowAttributes(window, nullptr, &value, &flags) && (flags & LWA_ALPHA)) alpha = value;
    char line[160];
    std::snprintf(line, sizeof line, "menu %ld %ld %ld %ld %s %d\r\n", area.left, area.top, area.right - area.left,
                  area.bottom - area.top, layered ? "layered" : "opaque", alpha);
    *reinterpret_cast<std::string*>(lParam) += line;
    return TRUE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc < 2) return 2;
    std::string out;
    ::EnumWindows(describeMenu, reinterpret_cast<LPARAM>(&out));
    const struct {
        const char* name;
        int index;
    } colours[] = {{"menu", COLOR_MENU},           {"menutext", COLOR_MENUTEXT},         {"btnface", COLOR_BTNFACE},
                   {"btnshadow", COLOR_BTNSHADOW}, {"btnhighlight", COLOR_BTNHIGHLIGHT}, {"infobk", COLOR_INFOBK},
                   {"highlight", COLOR_HIGHLIGHT}};
    for (const auto& colour : colours) {
        const COLORREF value = ::GetSysColor(colour.index);
        char line[80];
        std::snprintf(line, sizeof line, "colour %s %d %d %d\r\n", colour.name, GetRValue(value), GetGValue(value),
                      GetBValue(value));
        out += line;
    }
    FILE* file = std::fopen(__argv[1], "wb");
    if (file == nullptr) return 3;
    std::fwrite(out.data(), 1, out.size(), file);
    std::fclose(file);
    return 0;
}
