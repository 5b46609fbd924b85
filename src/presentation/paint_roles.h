// What every colour the launcher paints stands for, and the dark set of
// them. The Windows side's palette gives each role the system's colour, or
// the dark one; nothing paints a colour that is not a role's.
#pragma once

#include "common/settings.h"
#include "presentation/item_geometry.h"

namespace trm {

enum class PaintRole {
    menu,                  // an item's background
    xpText,                // the xp look's text area
    xpIcons,               // the xp look's icon column
    text,                  // a label
    selection,             // the selection bar
    selectionText,         // a label on it
    disabledText,          // a label that cannot be picked
    disabledEmboss,        // its raised copy below and right of it
    disabledSelectedText,  // such a label on the selection bar
    etchShadow,            // the dark line of a separator or column bar
    etchLight,             // its light line
    xpSeparator,           // the xp look's separator
    title,                 // the title strip
    titleText,
    litTitle,  // the title under the pointer (dotitles clicktoopenfolder)
    litTitleText,
    outline,      // outlines: the title's, the xp selection's, the flat frame
    frameLight,   // the raised frames' light side
    frameShadow,  // their dark side
    caption,      // the gradient title strip: the system's caption colours in every theme
    captionEnd,
    captionText,
    tip,        // the thumbnail tip's background
    tipBorder,  // its border
};

// Close to Windows 11's own dark menus.
Rgb darkColour(PaintRole role);

// The contrast ratio of two colours (1 to 21), as the accessibility
// guidelines reckon it.
double contrastRatio(Rgb a, Rgb b);

// Whether the menus are painted dark: as -theme says, the system's app
// theme deciding for "system"; never while high contrast is on.
bool paintsDark(Theme theme, bool appsUseLightTheme, bool highContrast);

}  // namespace trm
