#include "presentation/window_corners.h"

#include "common/kernel_handles.h"
#include "presentation/menu_frame.h"

namespace trm {

namespace {

// The platform's values; older headers lack them.
const DWORD dwmwaWindowCornerPreference = 33;
const DWORD dwmwcpDoNotRound = 1;
const DWORD dwmwcpRound = 2;

using DwmSetWindowAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);

// dwmapi.dll, loaded for the first menu window and kept to process exit.
struct DwmLibrary {
    DwmLibrary() : module(::LoadLibraryA("dwmapi.dll")) {
        if (module)
            setWindowAttribute = reinterpret_cast<DwmSetWindowAttributeFn>(
                reinterpret_cast<void*>(::GetProcAddress(module.get(), "DwmSetWindowAttribute")));
    }

    LibraryHandle module;
    DwmSetWindowAttributeFn setWindowAttribute = nullptr;
};

DwmSetWindowAttributeFn dwmSetWindowAttribute() {
    static const DwmLibrary library;
    return library.setWindowAttribute;
}

}  // namespace

void setMenuWindowCorners(const OpenMenuWindow& open, const Settings& settings, const Palette& palette) {
    const DwmSetWindowAttributeFn setAttribute = dwmSetWindowAttribute();
    if (setAttribute == nullptr) return;
    const MenuFrame frame =
        menuFrameOf(settings.displayoutline, settings.displayrounded, settings.displayflat, settings.displaybackground);
    const DWORD corners =
        menuCornersOf(frame, settings.displayxp, palette.dark()) == MenuCorners::round ? dwmwcpRound : dwmwcpDoNotRound;
    // Windows before 11 refuse the preference: nothing changes there.
    setAttribute(open.window, dwmwaWindowCornerPreference, &corners, sizeof corners);
}

}  // namespace trm
