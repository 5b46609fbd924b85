// The measuring and placing arithmetic on fuzzed platform facts (within the
// range GDI keeps to) and fuzzed option values (any number): item sizes,
// picture reduction, the anchor, the tooltip's box and its place. What a
// user would see must hold whatever the values: no item is of negative
// width or wider than -maxmenuwidth, nothing gets smaller on a screen of
// more DPI, and the tooltip stays on the pointer's monitor.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/anchor_point.h"
#include "common/settings.h"
#include "fuzz_input.h"
#include "presentation/item_geometry.h"
#include "presentation/tip_layout.h"

namespace {

class FuzzedExtents : public trm::MenuTextExtents {
public:
    explicit FuzzedExtents(FuzzInput& input) : input(input) {}
    trm::TextSize labelSize(const std::string&) override { return {input.extent(), input.extent()}; }
    int titleFontHeight(const std::string&) override { return input.extent(); }
    int verticalTitleFontHeight(const std::string&) override { return input.extent(); }

private:
    FuzzInput& input;
};

void require(bool holds, const char* what, long long a, long long b) {
    if (holds) return;
    std::fprintf(stderr, "broken: %s (%lld, %lld)\n", what, a, b);
    std::abort();
}

// Every length of the table at `lower` DPI is at most the same length at `higher`.
void requireGrowing(int lower, int higher) {
    int small[sizeof(trm::MenuLengths) / sizeof(int)];
    int large[sizeof(trm::MenuLengths) / sizeof(int)];
    static_assert(sizeof small == sizeof(trm::MenuLengths), "the table holds only lengths");
    const trm::MenuLengths atLower = trm::menuLengthsAt(lower);
    const trm::MenuLengths atHigher = trm::menuLengthsAt(higher);
    std::memcpy(small, &atLower, sizeof small);
    std::memcpy(large, &atHigher, sizeof large);
    for (size_t i = 0; i < sizeof small / sizeof(int); ++i)
        require(small[i] <= large[i], "a length shrank as the DPI grew", lower, higher);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    FuzzedExtents extents(input);
    trm::MenuMeasureState menu;
    menu.maxCheckWidth = input.extent();
    menu.maxCheckHeight = input.extent();
    menu.hasTitle = input.flag();
    menu.isSideTitle = input.flag();
    menu.maxWidth = input.anyNumber();  // -maxmenuwidth
    const int cxMenuCheck = input.extent();
    const int cyMenu = input.extent();
    const int dpi = input.number();
    const trm::MenuSystemMetrics metrics{cxMenuCheck, cyMenu, trm::menuLengthsAt(dpi)};  // any DPI
    for (int i = 0; i < 8 && !input.empty(); ++i) {
        trm::ItemToMeasure item;
        item.kind = static_cast<trm::MeasuredKind>(input.byte() % 5);
        item.label = input.text();
        item.hasTextRow = input.flag();
        item.hasSubMenu = input.flag();
        item.hasPicture = input.flag();
        const trm::TextSize reduced =
            trm::reducedPictureSize(input.extent(), input.extent(), input.anyNumber(), input.anyNumber());
        item.pictureWidth = reduced.width;
        item.pictureHeight = reduced.height;
        trm::ItemLayout layout;
        const trm::TextSize size = trm::measureItem(item, metrics, extents, menu, layout);
        require(size.width >= 0, "a negative width", size.width, menu.maxWidth);
        // A side title is a strip as wide as its font is high, not a label.
        if (item.kind != trm::MeasuredKind::sideTitle && menu.maxWidth != -1)
            require(size.width <= menu.maxWidth, "an item wider than maxmenuwidth", size.width, menu.maxWidth);
        trm::textLeft(input.number(), menu.maxCheckWidth, metrics.cxMenuCheck, metrics.lengths);
    }

    trm::Settings settings;
    settings.appearatxset = input.flag();
    settings.appearatx = input.anyNumber();
    settings.appearatyset = input.flag();
    settings.appearaty = input.anyNumber();
    settings.appearwhererun = input.flag();
    const trm::ScreenBounds monitor{input.number(), input.number(), input.number(), input.number()};
    const trm::ScreenPoint chosen =
        trm::chosenAnchor({input.number(), input.number()}, {input.number(), input.number()}, settings);
    trm::snapToScreenEdges(chosen, monitor);

    trm::TipContent content;
    content.hasThumbnail = input.flag();
    content.thumbnail = {input.number(), input.number()};
    content.hasPicture = input.flag();
    content.picture = {input.number(), input.number()};
    content.widthOverride = input.anyNumber();  // -dothumbnailsontooltipsizex/y
    content.heightOverride = input.anyNumber();
    const trm::PixelSize box = trm::tipContentSize(content, metrics.lengths);
    const trm::ScreenPoint pointer{input.number(), input.number()};
    const trm::TipPlacement tip = trm::placeTip(
        {pointer.x + metrics.lengths.tipOffset, pointer.y + metrics.lengths.tipOffset}, box, monitor, metrics.lengths);
    // With the pointer on its monitor the box never crosses the right or the
    // bottom edge, nor the left or the top one where it fits beside the pointer.
    if (monitor.left <= pointer.x && pointer.x < monitor.right && monitor.top <= pointer.y &&
        pointer.y < monitor.bottom) {
        const trm::MenuLengths& at = metrics.lengths;
        const long long left = tip.x, right = static_cast<long long>(tip.x) + box.width;
        const long long top = tip.y, bottom = static_cast<long long>(tip.y) + at.tipInset + box.height;
        require(right <= monitor.right, "the tip crosses the monitor's right edge", right, monitor.right);
        require(bottom <= monitor.bottom, "the tip crosses the monitor's bottom edge", bottom, monitor.bottom);
        if (box.width + at.tipFlipX - at.tipOffset <= pointer.x - monitor.left)
            require(left >= monitor.left, "the tip crosses the monitor's left edge", left, monitor.left);
        if (box.height + at.tipFlipY - at.tipOffset <= pointer.y - monitor.top)
            require(top >= monitor.top, "the tip crosses the monitor's top edge", top, monitor.top);
    }
    trm::tipDrawingSize(input.anyNumber(), input.anyNumber(), input.flag(), {input.number(), input.number()},
                        input.anyNumber(), input.anyNumber(), metrics.lengths);

    const int length = input.extent();
    const int lower = 1 + input.extent() % 100000;
    const int higher = lower + 1 + input.extent() % 100000;
    require(trm::scaledLength(length, lower) <= trm::scaledLength(length, higher), "a length shrank as the DPI grew",
            lower, higher);
    requireGrowing(lower, higher);
    return 0;
}
