#include "presentation/palette.h"

#include <cstdlib>
#include <string>

#include "common/user_registry.h"

namespace trm {

namespace {

int systemIndexOf(PaintRole role) {
    switch (role) {
        case PaintRole::menu: return COLOR_MENU;
        case PaintRole::xpText: return COLOR_BTNHIGHLIGHT;
        case PaintRole::xpIcons: return COLOR_BTNFACE;
        case PaintRole::text: return COLOR_MENUTEXT;
        case PaintRole::selection: return COLOR_HIGHLIGHT;
        case PaintRole::selectionText: return COLOR_HIGHLIGHTTEXT;
        case PaintRole::disabledText: return COLOR_BTNSHADOW;
        case PaintRole::disabledEmboss: return COLOR_BTNHIGHLIGHT;
        case PaintRole::disabledSelectedText: return COLOR_BTNFACE;
        case PaintRole::etchShadow: return COLOR_BTNSHADOW;
        case PaintRole::etchLight: return COLOR_BTNHIGHLIGHT;
        case PaintRole::xpSeparator: return COLOR_BTNFACE;
        case PaintRole::title: return COLOR_INFOBK;
        case PaintRole::titleText: return COLOR_INFOTEXT;
        case PaintRole::litTitle: return COLOR_WINDOW;
        case PaintRole::litTitleText: return COLOR_WINDOWTEXT;
        case PaintRole::outline: return COLOR_MENUTEXT;
        case PaintRole::frameLight: return COLOR_BTNHIGHLIGHT;
        case PaintRole::frameShadow: return COLOR_BTNSHADOW;
        case PaintRole::caption: return COLOR_ACTIVECAPTION;
        case PaintRole::captionEnd: return COLOR_GRADIENTACTIVECAPTION;
        case PaintRole::captionText: return COLOR_CAPTIONTEXT;
        case PaintRole::tip: return COLOR_WINDOW;  // painted white, whatever the system's window colour
        case PaintRole::tipBorder: return COLOR_WINDOWFRAME;
    }
    return COLOR_MENU;
}

bool isCaption(PaintRole role) {
    return role == PaintRole::caption || role == PaintRole::captionEnd || role == PaintRole::captionText;
}

}  // namespace

Palette::Palette(bool dark) : isDark(dark) {
    if (dark) {
        const Rgb back = darkColour(PaintRole::menu);
        background.reset(::CreateSolidBrush(RGB(back.red, back.green, back.blue)));
    }
}

COLORREF Palette::colour(PaintRole role) const {
    if (!isDark || isCaption(role))
        return role == PaintRole::tip ? RGB(255, 255, 255) : ::GetSysColor(systemIndexOf(role));
    const Rgb rgb = darkColour(role);
    return RGB(rgb.red, rgb.green, rgb.blue);
}

Palette Palette::chosen(Theme theme, bool underWine) {
    return Palette(paintsDark(theme, systemAppsUseLightTheme(), systemHighContrast(underWine)));
}

bool systemAppsUseLightTheme() {
    DWORD light = 1;
    readUserDword("Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize", "AppsUseLightTheme", light);
    return light != 0;
}

bool systemHighContrast(bool underWine) {
    HIGHCONTRASTA state{};
    state.cbSize = sizeof state;
    if (::SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof state, &state, 0) && (state.dwFlags & HCF_HIGHCONTRASTON))
        return true;
    if (!underWine) return false;
    // Wine keeps the setting but never reports it: its saved flags say.
    std::string flags;
    return readUserText("Control Panel\\Accessibility\\HighContrast", "Flags", flags) &&
           (std::strtoul(flags.c_str(), nullptr, 10) & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace trm
