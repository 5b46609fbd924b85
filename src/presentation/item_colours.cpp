#include "presentation/item_colours.h"

namespace trm {

ItemColours itemColours(const ItemState& state, const ItemLook& look) {
    ItemColours colours;
    if (look.backgrounds) {
        colours.iconColumn = {look.xp, PaintRole::xpIcons};
        if (state.selected) {
            colours.row = {true, PaintRole::selection};
            colours.outline = {look.xp, PaintRole::outline};
        } else if (look.xp) {
            colours.row = {true, PaintRole::xpText};
            colours.rowBesideIconColumn = true;
        } else {
            colours.row = {true, PaintRole::menu};
        }
    }
    if (!state.disabled) {
        colours.text = state.selected ? PaintRole::selectionText : PaintRole::text;
    } else if (state.selected) {
        colours.text = PaintRole::disabledSelectedText;
    } else {
        colours.text = PaintRole::disabledText;
        colours.emboss = {true, PaintRole::disabledEmboss};
    }
    if (look.xp) {
        colours.separator = PaintRole::xpSeparator;
    } else {
        colours.separator = PaintRole::etchShadow;
        colours.separatorLight = {true, PaintRole::etchLight};
    }
    colours.arrow = {look.dark, state.selected ? PaintRole::selectionText : PaintRole::text};
    return colours;
}

TitleColours titleColours(const ItemState& state, bool background, bool gradientTitles, bool systemGradient) {
    TitleColours colours;
    colours.lit = state.selected && !state.disabled;
    colours.strip = {background, colours.lit ? PaintRole::litTitle : PaintRole::title};
    colours.text = colours.lit ? PaintRole::litTitleText : PaintRole::titleText;
    if (background && gradientTitles && !colours.lit) {
        colours.strip.role = PaintRole::caption;
        colours.text = PaintRole::captionText;
        colours.gradient = systemGradient;
    }
    return colours;
}

}  // namespace trm
