#include "presentation/item_geometry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "presentation/paint_roles.h"

namespace {

using trm::Fill;
using trm::FillColour;
using trm::ItemLayout;
using trm::ItemToMeasure;
using trm::MeasuredKind;
using trm::MenuMeasureState;
using trm::Rect;
using trm::TextSize;

// Labels 7 pixels a character and 13 high; the title font 14 high, the
// upright font 17. Remembers what it was asked about the title font.
class FakeExtents : public trm::MenuTextExtents {
public:
    TextSize labelSize(const std::string& label) override { return {7 * static_cast<int>(label.size()), 13}; }
    int titleFontHeight(const std::string& text) override {
        titleTexts.push_back(text);
        return 14;
    }
    int verticalTitleFontHeight(const std::string&) override { return 17; }
    std::vector<std::string> titleTexts;
};

const trm::MenuSystemMetrics metrics{13, 19, trm::MenuLengths{}};  // SM_CXMENUCHECK, SM_CYMENU, lengths at 96 DPI

class Measure : public ::testing::Test {
protected:
    TextSize measure(const ItemToMeasure& item) { return trm::measureItem(item, metrics, extents, menu, layout); }
    static ItemToMeasure item(MeasuredKind kind, std::string label) {
        ItemToMeasure result;
        result.kind = kind;
        result.label = std::move(label);
        if (kind != MeasuredKind::other) result.hasTextRow = false;
        return result;
    }

    FakeExtents extents;
    MenuMeasureState menu{13, 13, false, false, -1, -1};
    ItemLayout layout;
};

TEST_F(Measure, OrdinaryItemIsIconColumnTextAndMargins) {
    const TextSize size = measure(item(MeasuredKind::other, "Readme"));  // 42 wide
    EXPECT_EQ(size.width, 13 + 3 + 42 + 6 + 2);
    EXPECT_EQ(size.height, 19 + 1);
    EXPECT_EQ(layout.rowHeight, 20);
}

TEST_F(Measure, SubMenuReservesTheArrowInsteadOfTwoPixels) {
    ItemToMeasure folder = item(MeasuredKind::other, "Docs");
    folder.hasSubMenu = true;
    EXPECT_EQ(measure(folder).width, 13 + 3 + 28 + 6 + 13);
}

TEST_F(Measure, EmptyLabelIsIconColumnPlusSixLessTheCheckWidth) {
    EXPECT_EQ(measure(item(MeasuredKind::other, "")).width, 13 + 6 - 13);
    menu.maxCheckWidth = 32;  // a wide icon widens the icon column
    EXPECT_EQ(measure(item(MeasuredKind::other, "")).width, 32 + 6 - 13);
}

TEST_F(Measure, TallIconsSetTheHeightOfShortItems) {
    menu.maxCheckHeight = 20;  // equal to the row: not greater, so raised
    EXPECT_EQ(measure(item(MeasuredKind::other, "a")).height, 24);
    menu.maxCheckHeight = 19;
    EXPECT_EQ(measure(item(MeasuredKind::other, "a")).height, 20);
    ItemToMeasure iconOnly = item(MeasuredKind::other, "");
    iconOnly.hasTextRow = false;
    menu.maxCheckHeight = 0;
    EXPECT_EQ(measure(iconOnly).height, 1);
}

TEST_F(Measure, SeparatorIsFivePixelsHighWhateverTheIcons) {
    menu.maxCheckHeight = 32;
    const TextSize size = measure(item(MeasuredKind::separator, ""));
    EXPECT_EQ(size.height, 5);
    EXPECT_EQ(size.width, 13 + 6 - 13);
}

TEST_F(Measure, TitlesAndBreaksTakeTheirHeightFromTheTitleFont) {
    EXPECT_EQ(measure(item(MeasuredKind::topTitle, "Music")).height, 14 + 8);
    EXPECT_EQ(measure(item(MeasuredKind::topTitle, "Music")).width, 13 + 3 + 35 + 6 + 2);

    // A break under a top title lines up with the title; otherwise it has no height.
    EXPECT_EQ(measure(item(MeasuredKind::columnBreak, "mb")).height, 0);
    menu.hasTitle = true;
    EXPECT_EQ(measure(item(MeasuredKind::columnBreak, "mb")).height, 14 + 8);
    menu.isSideTitle = true;
    EXPECT_EQ(measure(item(MeasuredKind::columnBreak, "")).height, 0);
    EXPECT_EQ(extents.titleTexts, (std::vector<std::string>{"Music", "Music", "invisible"}));
}

TEST_F(Measure, SideTitleIsTheUprightHeightLessTenAndOnePixelHigh) {
    menu.maxWidth = 30;
    const TextSize size = measure(item(MeasuredKind::sideTitle, "A long folder name"));
    EXPECT_EQ(size.width, 17 - 10);
    EXPECT_EQ(size.height, 1);
}

TEST_F(Measure, PictureStandsBelowTheLabelRow) {
    ItemToMeasure withPicture = item(MeasuredKind::other, "x");
    withPicture.hasPicture = true;
    withPicture.pictureWidth = 100;
    withPicture.pictureHeight = 60;
    const TextSize size = measure(withPicture);
    EXPECT_EQ(layout.rowHeight, 20);
    EXPECT_EQ(layout.pictureTop, 20);
    EXPECT_EQ(layout.pictureBottom, 80);
    EXPECT_EQ(size.height, 81);
    EXPECT_EQ(layout.pictureLeft, 13 + 6);
    EXPECT_EQ(layout.pictureRight, 13 + 3 + 103);
    EXPECT_EQ(size.width, 13 + 3 + 106 + 2);  // the picture column is wider than the text

    withPicture.hasTextRow = false;
    withPicture.label.clear();
    EXPECT_EQ(measure(withPicture).height, 1 + 60 + 1);
}

TEST_F(Measure, PictureOfZeroSizeStillGetsItsLayout) {
    ItemToMeasure withPicture = item(MeasuredKind::other, "");
    withPicture.hasPicture = true;
    EXPECT_EQ(measure(withPicture).height, 21);
    EXPECT_EQ(layout.pictureTop, 20);
    EXPECT_EQ(layout.pictureBottom, 20);
}

TEST_F(Measure, WithoutLimitNoWidthBookkeeping) {
    layout.pictureRight = 77;
    measure(item(MeasuredKind::other, "A rather long label indeed"));
    EXPECT_EQ(menu.maxWidth, -1);
    EXPECT_EQ(menu.clampedTextWidth, -1);
    EXPECT_EQ(layout.pictureRight, 77);
}

TEST_F(Measure, LimitCutsWideItemsAndKeepsTheWidestTextWidth) {
    menu.maxWidth = 120;
    const int minimum = 13 + 13 + 6;
    const TextSize narrow = measure(item(MeasuredKind::other, "abc"));  // 13 + 3 + 27 + 2 = 45
    EXPECT_EQ(narrow.width, 45);
    EXPECT_EQ(menu.clampedTextWidth, 45 - minimum + 9);
    EXPECT_EQ(layout.pictureRight, 117);

    const TextSize wide = measure(item(MeasuredKind::other, std::string(40, 'w')));
    EXPECT_EQ(wide.width, 120);
    EXPECT_EQ(menu.clampedTextWidth, 120 - minimum + 9);

    measure(item(MeasuredKind::other, "abc"));
    EXPECT_EQ(menu.clampedTextWidth, 120 - minimum + 9);
    EXPECT_EQ(menu.maxWidth, 120);
}

TEST_F(Measure, NarrowItemsDoNotPullTheLimitDown) {
    menu.maxWidth = 120;
    menu.hasTitle = true;
    measure(item(MeasuredKind::other, std::string(40, 'w')));
    const int clamped = menu.clampedTextWidth;
    measure(item(MeasuredKind::separator, ""));
    measure(item(MeasuredKind::sideTitle, "Title"));
    measure(item(MeasuredKind::columnBreak, "mb"));
    EXPECT_EQ(menu.maxWidth, 120);
    EXPECT_EQ(menu.clampedTextWidth, clamped);
    EXPECT_EQ(measure(item(MeasuredKind::other, std::string(40, 'w'))).width, 120);
}

TEST_F(Measure, LimitBelowTheMinimumIsRaisedByTheFirstItem) {
    menu.maxWidth = 20;
    const int minimum = 13 + 13 + 6;
    const TextSize first = measure(item(MeasuredKind::other, "Documents"));
    EXPECT_EQ(first.width, 20);
    EXPECT_EQ(menu.maxWidth, minimum);
    EXPECT_EQ(menu.clampedTextWidth, minimum - 20 + 9);
    EXPECT_EQ(layout.pictureRight, minimum - 3);

    EXPECT_EQ(measure(item(MeasuredKind::other, "Documents")).width, minimum);
    EXPECT_EQ(menu.clampedTextWidth, minimum - 20 + 9);
}

TEST_F(Measure, ANegativeLimitIsNoRoomAtAll) {
    menu.maxWidth = -2000000000;
    const int minimum = 13 + 13 + 6;
    EXPECT_EQ(measure(item(MeasuredKind::other, "Documents")).width, 0);
    EXPECT_EQ(menu.maxWidth, minimum);
    EXPECT_EQ(menu.clampedTextWidth, minimum + 9);
}

TEST(ReducedPictureSize, DividesEachSideTruncating) {
    const TextSize halved = trm::reducedPictureSize(101, 75, 2, 1);
    EXPECT_EQ(halved.width, 50);
    EXPECT_EQ(halved.height, 75);
    const TextSize unset = trm::reducedPictureSize(101, 75, 0, 3);
    EXPECT_EQ(unset.width, 101);
    EXPECT_EQ(unset.height, 25);
}

TEST(ColumnBreakFills, XpFillsTheGapBothIconColumnsAndBothTextAreas) {
    const Rect item{150, 0, 290, 0};
    const Rect client{0, 0, 300, 200};
    const Rect previous{0, 100, 146, 120};
    const std::vector<Fill> expected{
        {146, 0, 4, 200, FillColour::xpText},   {20, 120, 126, 80, FillColour::xpText},
        {0, 120, 20, 80, FillColour::xpIcons},  {150, 0, 20, 200, FillColour::xpIcons},
        {170, 0, 130, 200, FillColour::xpText},
    };
    EXPECT_EQ(trm::columnBreakFills(item, client, previous, 16, true, true, trm::MenuLengths{}), expected);
    EXPECT_TRUE(trm::columnBreakFills(item, client, previous, 16, true, false, trm::MenuLengths{}).empty());
}

TEST(ColumnBreakFills, XpLeavesTheTopTitleRowToTheTitle) {
    const Rect item{150, 0, 290, 22};  // the break shares the title's row
    const Rect client{0, 0, 300, 200};
    const Rect previous{0, 100, 146, 120};
    for (const Fill& fill : trm::columnBreakFills(item, client, previous, 16, true, true, trm::MenuLengths{})) {
        EXPECT_GE(fill.y, 22);
        EXPECT_GE(fill.y + fill.cy, 200);
    }
}

TEST(ColumnBreakFills, ClassicKeepsItsEtchedBarWithoutBackgrounds) {
    const Rect item{150, 0, 290, 22};  // below a top title
    const Rect client{0, 0, 300, 200};
    const std::vector<Fill> bar{{147, 22, 1, 200, FillColour::etchShadow}, {148, 22, 1, 200, FillColour::etchLight}};
    EXPECT_EQ(trm::columnBreakFills(item, client, Rect{}, 16, false, false, trm::MenuLengths{}), bar);
    std::vector<Fill> withBackground{{146, 22, 4, 200, FillColour::menu}};
    withBackground.insert(withBackground.end(), bar.begin(), bar.end());
    EXPECT_EQ(trm::columnBreakFills(item, client, Rect{}, 16, false, true, trm::MenuLengths{}), withBackground);
}

TEST(GradientColour, RunsFromStartTowardsTheEndTruncating) {
    const trm::Rgb caption{10, 36, 106};
    const trm::Rgb end{166, 202, 240};
    EXPECT_EQ(trm::gradientColour(caption, end, 0, 200), caption);
    EXPECT_EQ(trm::gradientColour(caption, end, 199, 200), (trm::Rgb{165, 201, 239}));
    EXPECT_EQ(trm::gradientColour(caption, end, 100, 200), (trm::Rgb{88, 119, 173}));
    // Downwards the quotient truncates toward zero, not toward minus infinity.
    EXPECT_EQ(trm::gradientColour(end, caption, 1, 3), (trm::Rgb{114, 147, 196}));
    EXPECT_EQ(trm::gradientColour(caption, end, 0, 0), caption);
}

// One menu at 96 and at 144 DPI: every length the launcher adds scales with
// the system's sizes and the fonts, so the items come out half as large again.
TEST(Scaling, AMenuMeasuresHalfAsLargeAgainAt144Dpi) {
    struct Scaled : FakeExtents {
        explicit Scaled(int dpi) : dpi(dpi) {}
        TextSize labelSize(const std::string& label) override {
            const TextSize at96 = FakeExtents::labelSize(label);
            return {trm::scaledLength(at96.width, dpi), trm::scaledLength(at96.height, dpi)};
        }
        int titleFontHeight(const std::string& text) override {
            return trm::scaledLength(FakeExtents::titleFontHeight(text), dpi);
        }
        int dpi;
    };
    const auto measureAt = [](int dpi, MeasuredKind kind, const std::string& label) {
        Scaled extents(dpi);
        trm::MenuMeasureState menu;
        menu.maxCheckWidth = menu.maxCheckHeight = trm::scaledLength(16, dpi);  // small icons
        trm::ItemLayout layout;
        ItemToMeasure item;
        item.kind = kind;
        item.label = label;
        const trm::MenuSystemMetrics system{trm::scaledLength(13, dpi), trm::scaledLength(19, dpi),
                                            trm::menuLengthsAt(dpi)};
        return trm::measureItem(item, system, extents, menu, layout);
    };
    for (const auto kind : {MeasuredKind::other, MeasuredKind::topTitle, MeasuredKind::separator}) {
        const TextSize at96 = measureAt(96, kind, "Budget final.txt");
        const TextSize at144 = measureAt(144, kind, "Budget final.txt");
        EXPECT_NEAR(at144.width, at96.width * 1.5, 2) << static_cast<int>(kind);
        EXPECT_NEAR(at144.height, at96.height * 1.5, 2) << static_cast<int>(kind);
    }
}

// Half a pixel rounds away from zero, either sign; a line never vanishes.
TEST(Scaling, LengthsRoundToThePixelAndNeverVanish) {
    EXPECT_EQ(trm::scaledLength(1, 144), 2);
    EXPECT_EQ(trm::scaledLength(-10, 120), -13);
    EXPECT_EQ(trm::scaledLength(3, 120), 4);
    EXPECT_EQ(trm::scaledLength(1, 72), 1);
}

// The dark palette reads: text and its background at least 4.5:1, what
// cannot be picked at least 3:1.
TEST(DarkPalette, KeepsTheContrastTheGuidelinesAsk) {
    using trm::PaintRole;
    const struct {
        PaintRole text, back;
        double least;
    } pairs[] = {{PaintRole::text, PaintRole::menu, 4.5},
                 {PaintRole::selectionText, PaintRole::selection, 4.5},
                 {PaintRole::titleText, PaintRole::title, 4.5},
                 {PaintRole::litTitleText, PaintRole::litTitle, 4.5},
                 {PaintRole::text, PaintRole::xpText, 4.5},
                 {PaintRole::disabledText, PaintRole::menu, 3.0},
                 {PaintRole::disabledSelectedText, PaintRole::selection, 3.0}};
    for (const auto& pair : pairs)
        EXPECT_GE(trm::contrastRatio(trm::darkColour(pair.text), trm::darkColour(pair.back)), pair.least)
            << static_cast<int>(pair.text);
}

}  // namespace
