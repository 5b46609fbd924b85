// The measuring and placing arithmetic on fuzzed platform facts (within the
// range GDI keeps to) and fuzzed option values (any number): item sizes,
// picture reduction, the anchor, the tooltip's box and its place.
#include <cstddef>
#include <cstdint>
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
    trm::TextSize labelSize(const std::string&) override { return {input.number(), input.number()}; }
    int titleFontHeight(const std::string&) override { return input.number(); }
    int verticalTitleFontHeight(const std::string&) override { return input.number(); }

private:
    FuzzInput& input;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    FuzzedExtents extents(input);
    trm::MenuMeasureState menu;
    menu.maxCheckWidth = input.number();
    menu.maxCheckHeight = input.number();
    menu.hasTitle = input.flag();
    menu.isSideTitle = input.flag();
    menu.maxWidth = input.anyNumber();  // -maxmenuwidth
    const int cxMenuCheck = input.number();
    const int cyMenu = input.number();
    const trm::MenuSystemMetrics metrics{cxMenuCheck, cyMenu, trm::menuLengthsAt(input.number())};  // any DPI
    for (int i = 0; i < 8 && !input.empty(); ++i) {
        trm::ItemToMeasure item;
        item.kind = static_cast<trm::MeasuredKind>(input.byte() % 5);
        item.label = input.text();
        item.hasTextRow = input.flag();
        item.hasSubMenu = input.flag();
        item.hasPicture = input.flag();
        const trm::TextSize reduced =
            trm::reducedPictureSize(input.number(), input.number(), input.anyNumber(), input.anyNumber());
        item.pictureWidth = reduced.width;
        item.pictureHeight = reduced.height;
        trm::ItemLayout layout;
        trm::measureItem(item, metrics, extents, menu, layout);
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
    trm::placeTip({input.number(), input.number()}, trm::tipContentSize(content, metrics.lengths), monitor,
                  metrics.lengths);
    trm::tipDrawingSize(input.anyNumber(), input.anyNumber(), input.flag(), {input.number(), input.number()},
                        input.anyNumber(), input.anyNumber(), metrics.lengths);
    return 0;
}
