// Which colour each part of an item is painted in, for its state and look:
// the rule the painter follows, apart from the drawing itself.
#pragma once

#include "presentation/paint_roles.h"

namespace trm {

// What the menu system says of an item, and how the menus look.
struct ItemState {
    bool selected = false;
    bool disabled = false;
};

struct ItemLook {
    bool xp = false;
    bool backgrounds = true;  // displaybackground: item backgrounds and the selection bar
    bool dark = false;        // the dark palette: the launcher draws the sub-menu arrow
};

// An area filled, or not.
struct FillRole {
    bool filled = false;
    PaintRole role = PaintRole::menu;
};

struct ItemColours {
    FillRole iconColumn;  // the xp look's column under the icons
    FillRole row;         // the whole row, or (xp, not selected) the row beside the icon column
    bool rowBesideIconColumn = false;
    FillRole outline;  // round the row
    PaintRole text = PaintRole::text;
    FillRole emboss;  // a copy of the label a line down and right, under it
    // A separator's lines: one for xp, else the shadow above the light.
    PaintRole separator = PaintRole::etchShadow;
    FillRole separatorLight;
    FillRole arrow;  // a sub-menu's arrow, where the launcher draws it
};

ItemColours itemColours(const ItemState& state, const ItemLook& look);

struct TitleColours {
    FillRole strip;         // the title's background, when it has one
    bool gradient = false;  // from `strip` to captionEnd, the system's caption gradient
    PaintRole text = PaintRole::titleText;
    bool lit = false;  // drawn as under the pointer
};

// A title is lit only when drawn selected and enabled (the system always
// draws it disabled; the hover repaint draws it selected). `gradientTitles`
// is dotitlesgradient, `systemGradient` whether the system's captions have one.
TitleColours titleColours(const ItemState& state, bool background, bool gradientTitles, bool systemGradient);

}  // namespace trm
