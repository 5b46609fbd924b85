#include "presentation/item_colours.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using trm::PaintRole;

std::string nameOf(PaintRole role) {
    switch (role) {
        case PaintRole::menu: return "menu";
        case PaintRole::xpText: return "xpText";
        case PaintRole::xpIcons: return "xpIcons";
        case PaintRole::text: return "text";
        case PaintRole::selection: return "selection";
        case PaintRole::selectionText: return "selectionText";
        case PaintRole::disabledText: return "disabledText";
        case PaintRole::disabledEmboss: return "disabledEmboss";
        case PaintRole::disabledSelectedText: return "disabledSelectedText";
        case PaintRole::etchShadow: return "etchShadow";
        case PaintRole::etchLight: return "etchLight";
        case PaintRole::xpSeparator: return "xpSeparator";
        case PaintRole::title: return "title";
        case PaintRole::titleText: return "titleText";
        case PaintRole::litTitle: return "litTitle";
        case PaintRole::litTitleText: return "litTitleText";
        case PaintRole::outline: return "outline";
        case PaintRole::caption: return "caption";
        case PaintRole::captionText: return "captionText";
        default: return "other";
    }
}

std::string nameOf(const trm::FillRole& fill) {
    return fill.filled ? nameOf(fill.role) : "-";
}

// Every part in one line: icon column, row (+ when beside the column),
// outline, text, emboss, separator lines, arrow.
std::string describe(const trm::ItemColours& colours) {
    return nameOf(colours.iconColumn) + " " + nameOf(colours.row) + (colours.rowBesideIconColumn ? "+" : "") + " " +
           nameOf(colours.outline) + " " + nameOf(colours.text) + " " + nameOf(colours.emboss) + " " +
           nameOf(colours.separator) + "/" + nameOf(colours.separatorLight) + " " + nameOf(colours.arrow);
}

TEST(ItemColours, EachStateAndLookPaintsItsParts) {
    const struct {
        bool selected, disabled, xp, backgrounds, dark;
        const char* expected;
    } cases[] = {
        {false, false, false, true, false, "- menu - text - etchShadow/etchLight -"},
        {true, false, false, true, false, "- selection - selectionText - etchShadow/etchLight -"},
        {false, true, false, true, false, "- menu - disabledText disabledEmboss etchShadow/etchLight -"},
        {true, true, false, true, false, "- selection - disabledSelectedText - etchShadow/etchLight -"},
        {false, false, true, true, false, "xpIcons xpText+ - text - xpSeparator/- -"},
        {true, false, true, true, false, "xpIcons selection outline selectionText - xpSeparator/- -"},
        {true, true, true, true, false, "xpIcons selection outline disabledSelectedText - xpSeparator/- -"},
        // nobackground: no fills and no selection bar, whatever the look
        {true, false, false, false, false, "- - - selectionText - etchShadow/etchLight -"},
        {true, false, true, false, false, "- - - selectionText - xpSeparator/- -"},
        {false, true, true, false, false, "- - - disabledText disabledEmboss xpSeparator/- -"},
        // dark menus draw the sub-menu arrow in the label's colour
        {false, false, false, true, true, "- menu - text - etchShadow/etchLight text"},
        {true, false, true, true, true, "xpIcons selection outline selectionText - xpSeparator/- selectionText"},
        {true, true, false, true, true, "- selection - disabledSelectedText - etchShadow/etchLight selectionText"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(describe(trm::itemColours({c.selected, c.disabled}, {c.xp, c.backgrounds, c.dark})), c.expected);
    }
}

// A title lights only selected and enabled; the gradient takes the caption's
// colours, and only a plain title with a background has one.
TEST(ItemColours, TitlesLightOnlyWhenSelectedAndEnabled) {
    const struct {
        bool selected, disabled, background, gradientTitles, systemGradient;
        const char* strip;
        bool gradient;
        const char* text;
        bool lit;
    } cases[] = {
        {false, true, true, false, true, "title", false, "titleText", false},
        {true, true, true, false, true, "title", false, "titleText", false},
        {true, false, true, false, true, "litTitle", false, "litTitleText", true},
        {false, false, false, false, true, "-", false, "titleText", false},
        {true, false, false, true, true, "-", false, "litTitleText", true},
        {false, true, true, true, true, "caption", true, "captionText", false},
        {false, true, true, true, false, "caption", false, "captionText", false},
        {true, false, true, true, true, "litTitle", false, "litTitleText", true},
        {false, true, false, true, true, "-", false, "titleText", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.selected << c.disabled << c.background << c.gradientTitles << c.systemGradient);
        const trm::TitleColours colours =
            trm::titleColours({c.selected, c.disabled}, c.background, c.gradientTitles, c.systemGradient);
        EXPECT_EQ(nameOf(colours.strip), c.strip);
        EXPECT_EQ(colours.gradient, c.gradient);
        EXPECT_EQ(nameOf(colours.text), c.text);
        EXPECT_EQ(colours.lit, c.lit);
    }
}

}  // namespace
