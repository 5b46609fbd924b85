#include "presentation/menu_styles.h"

#include <utility>

#include "common/display_dpi.h"

namespace trm {

MenuStyles::MenuStyles(Palette palette) : colours(std::move(palette)) {}

MenuStyle& MenuStyles::at(int dpi) {
    for (const auto& style : made)
        if (style->dpi == dpi) return *style;
    made.push_back(std::make_unique<MenuStyle>(dpi, colours));
    return *made.back();
}

MenuStyle& MenuStyles::shown() {
    return at(displayDpi());
}

}  // namespace trm
