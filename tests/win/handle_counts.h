// Counts of the process's handles that work under Wine, where
// GetGuiResources and GetProcessHandleCount answer 0.
#pragma once

#include <windows.h>

#include <functional>
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

inline long freeUserPlaces() {
    return freePlaces<HMENU>([] { return ::CreatePopupMenu(); }, [](HMENU menu) { ::DestroyMenu(menu); });
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
