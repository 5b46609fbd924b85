#include "presentation/paint_roles.h"

#include <cmath>

namespace trm {

Rgb darkColour(PaintRole role) {
    switch (role) {
        case PaintRole::menu:
        case PaintRole::xpText:
        case PaintRole::disabledEmboss:  // on the background: no raised copy
        case PaintRole::etchLight:       // a separator is one line
        case PaintRole::tip: return {43, 43, 43};
        case PaintRole::xpIcons:
        case PaintRole::title: return {32, 32, 32};
        case PaintRole::text:
        case PaintRole::selectionText:
        case PaintRole::titleText:
        case PaintRole::litTitleText: return {255, 255, 255};
        case PaintRole::selection:
        case PaintRole::litTitle: return {65, 65, 65};
        case PaintRole::disabledText: return {128, 128, 128};
        case PaintRole::disabledSelectedText: return {150, 150, 150};
        case PaintRole::etchShadow:
        case PaintRole::xpSeparator: return {72, 72, 72};
        case PaintRole::outline:
        case PaintRole::tipBorder: return {100, 100, 100};
        case PaintRole::frameLight: return {88, 88, 88};
        case PaintRole::frameShadow: return {20, 20, 20};
        case PaintRole::caption:
        case PaintRole::captionEnd:
        case PaintRole::captionText: break;  // the system's, as in the light theme
    }
    return {0, 0, 0};
}

namespace {
double luminance(Rgb colour) {
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}
}  // namespace

double contrastRatio(Rgb a, Rgb b) {
    const double x = luminance(a) + 0.05;
    const double y = luminance(b) + 0.05;
    return x > y ? x / y : y / x;
}

bool paintsDark(Theme theme, bool appsUseLightTheme, bool highContrast) {
    if (highContrast) return false;
    if (theme == Theme::Dark) return true;
    if (theme == Theme::Light) return false;
    return !appsUseLightTheme;
}

}  // namespace trm
