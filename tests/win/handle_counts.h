// Counts of the process's handles that work under Wine, where
// GetGuiResources and GetProcessHandleCount answer 0.
#pragma once

#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace wintest {

// Free places of a handle table: how many objects `make` can add before it
// fails; all of them are freed again. Every object left behind elsewhere
// takes one place for good.
template <typename Handle>
long freePlaces(const std::function<Handle()>& make, const std::function<void(Handle)>& free) {
    std::vector<Handle> made;
    made.reserve(70000);
    for (;;) {
        Handle handle = make();
        if (handle == nullptr) break;
        made.push_back(handle);
    }
    for (Handle handle : made) free(handle);
    return static_cast<long>(made.size());
}

inline long freeGdiPlaces() {
    return freePlaces<HBRUSH>([] { return ::CreateSolidBrush(RGB(1, 2, 3)); },
                              [](HBRUSH brush) { ::DeleteObject(brush); });
}

// The free places of the USER handle table, by the low word of the handle
// given out for each: the place's index, under Wine as on Windows.
inline std::vector<bool> freeUserSlots() {
    std::vector<bool> freeSlots(0x10000, false);
    freePlaces<HMENU>([] { return ::CreatePopupMenu(); },
                      [&freeSlots](HMENU menu) {
                          freeSlots[LOWORD(reinterpret_cast<ULONG_PTR>(menu))] = true;
                          ::DestroyMenu(menu);
                      });
    return freeSlots;
}

inline long freeUserPlaces() {
    return freePlaces<HMENU>([] { return ::CreatePopupMenu(); }, [](HMENU menu) { ::DestroyMenu(menu); });
}

// What holds the USER table's place `slot`, as far as this process can
// tell. A handle with a zero high word names the place whatever object
// took it since.
inline std::string userObjectAt(WORD slot) {
    const HANDLE handle = reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(slot));
    char text[700];
    const HWND window = static_cast<HWND>(handle);
    if (::IsWindow(window)) {
        char windowClass[128] = {};
        ::GetClassNameA(window, windowClass, sizeof windowClass);
        DWORD process = 0;
        const DWORD thread = ::GetWindowThreadProcessId(window, &process);
        std::snprintf(text, sizeof text, "window of class \"%s\", process %lu%s, thread %lu", windowClass,
                      static_cast<unsigned long>(process), process == ::GetCurrentProcessId() ? " (this one)" : "",
                      static_cast<unsigned long>(thread));
        return text;
    }
    if (::IsMenu(static_cast<HMENU>(handle))) {
        std::snprintf(text, sizeof text, "menu of %d items", ::GetMenuItemCount(static_cast<HMENU>(handle)));
        return text;
    }
    // Declared for Vista and later only; looked up so the tests build for XP.
    struct IconInfoEx {
        DWORD cbSize;
        BOOL fIcon;
        DWORD xHotspot, yHotspot;
        HBITMAP hbmMask, hbmColor;
        WORD wResID;
        WCHAR szModName[MAX_PATH];
        WCHAR szResName[MAX_PATH];
    };
    using IconInfoGetter = BOOL(WINAPI*)(HICON, IconInfoEx*);
    const auto getInfo = reinterpret_cast<IconInfoGetter>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("user32.dll"), "GetIconInfoExW")));
    IconInfoEx info{};
    info.cbSize = sizeof info;
    if (getInfo != nullptr && getInfo(static_cast<HICON>(handle), &info)) {
        BITMAP mask{};
        ::GetObjectA(info.hbmMask, sizeof mask, &mask);
        if (info.hbmMask) ::DeleteObject(info.hbmMask);
        if (info.hbmColor) ::DeleteObject(info.hbmColor);
        char module[MAX_PATH] = {};
        char resource[MAX_PATH] = {};
        ::WideCharToMultiByte(CP_UTF8, 0, info.szModName, -1, module, MAX_PATH, nullptr, nullptr);
        ::WideCharToMultiByte(CP_UTF8, 0, info.szResName, -1, resource, MAX_PATH, nullptr, nullptr);
        std::snprintf(text, sizeof text, "%s %ldx%ld from \"%s\", resource %u \"%s\"", info.fIcon ? "icon" : "cursor",
                      mask.bmWidth, info.hbmColor ? mask.bmHeight : mask.bmHeight / 2, module, info.wResID, resource);
        return text;
    }
    if (::CopyAcceleratorTableA(static_cast<HACCEL>(handle), nullptr, 0) > 0) return "accelerator table";
    // Input contexts are USER objects under Wine.
    using ContextLocker = void*(WINAPI*)(HANDLE);
    using ContextUnlocker = BOOL(WINAPI*)(HANDLE);
    if (HMODULE imm = ::LoadLibraryA("imm32.dll")) {
        const auto lock = reinterpret_cast<ContextLocker>(reinterpret_cast<void*>(::GetProcAddress(imm, "ImmLockIMC")));
        const auto unlock =
            reinterpret_cast<ContextUnlocker>(reinterpret_cast<void*>(::GetProcAddress(imm, "ImmUnlockIMC")));
        const bool context = lock != nullptr && unlock != nullptr && lock(handle) != nullptr;
        if (context) unlock(handle);
        ::FreeLibrary(imm);
        if (context) return "input context";
    }
    return "none of this process's windows, menus, icons or accelerators";
}

// How many places taken between the two looks hold objects of this
// process, each printed with what holds it. A hook, event hook or
// deferral of ours is found by ending it: the count has failed by then.
// Under Wine the table is the whole wineserver's, and Wine itself loses
// places: an icon the shell makes on a worker while the UI thread is busy
// with its menus can lose its entry in the process's side of the table,
// and is then nobody's ("from other process") until the process ends.
// Such places hold nothing this process can name.
inline int ownObjectsTaken(const std::vector<bool>& before, const std::vector<bool>& after) {
    int own = 0;
    for (size_t slot = 0; slot < before.size(); ++slot) {
        if (!before[slot] || after[slot]) continue;
        const HANDLE handle = reinterpret_cast<HANDLE>(slot);
        std::string what = userObjectAt(static_cast<WORD>(slot));
        bool ours = what.rfind("window", 0) != 0 || what.find("(this one)") != std::string::npos;
        if (what.rfind("none", 0) == 0) {
            ours = ::UnhookWindowsHookEx(static_cast<HHOOK>(handle)) ||
                   ::UnhookWinEvent(static_cast<HWINEVENTHOOK>(handle)) ||
                   ::EndDeferWindowPos(static_cast<HDWP>(handle));
            if (ours) what = "a hook, event hook or window deferral";
        }
        std::printf("  USER place %#06zx taken: %s\n", slot, what.c_str());
        own += ours ? 1 : 0;
    }
    return own;
}

// GetProcessHandleCount answers 0 under Wine 8, so the handles are counted
// by asking after every handle value in turn (they are multiples of 4, given
// out from the lowest free one) up to far beyond what the process holds.
inline long kernelHandles() {
    long count = 0;
    for (ULONG_PTR value = 4; value < 0x10000; value += 4) {
        DWORD flags = 0;
        if (::GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
    }
    return count;
}

}  // namespace wintest
