#include "presentation/menu_style.h"

#include "common/display_dpi.h"

namespace trm {
namespace {

LOGFONTW uprightTitleFont(LONG height) {
    LOGFONTW font{};
    font.lfHeight = height;
    font.lfEscapement = 900;
    font.lfOrientation = 900;
    font.lfWeight = FW_NORMAL;
    lstrcpyW(font.lfFaceName, L"Arial");
    return font;
}

}  // namespace

MenuStyle::MenuStyle(int dpi, const Palette& palette)
    : dpi(dpi), lengths(menuLengthsAt(dpi)), sizes(menuSystemSizesAt(dpi)), palette(palette) {
    NONCLIENTMETRICSW metrics;
    if (!nonClientMetricsForDpi(metrics, dpi)) return;
    menuFont.reset(::CreateFontIndirectW(&metrics.lfMenuFont));
    titleFont.reset(::CreateFontIndirectW(&metrics.lfStatusFont));
    const LOGFONTW upright = uprightTitleFont(metrics.lfStatusFont.lfHeight);
    verticalTitleFont.reset(::CreateFontIndirectW(&upright));
}

}  // namespace trm
