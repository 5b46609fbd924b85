// File names through the naming and filtering rules under fuzzed settings:
// extensions, display names (makepretty, removed extensions, braces, UTF-8
// or not), the file filters, and the character-boundary helpers.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/settings.h"
#include "common/utf8.h"
#include "fuzz_input.h"
#include "model/name_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    trm::Settings settings;
    settings.makepretty = input.byte() % 5;
    settings.removeallext = input.flag();
    settings.textIsUtf8 = input.flag();
    settings.dotitleimages = input.flag();
    settings.dotitleimagesusefirst = input.flag();
    settings.removeext.push_back(input.text());
    settings.showonly.push_back(input.text());
    settings.block.push_back(input.text());
    settings.blockextensions.push_back(input.text());
    settings.dotitleimagesfile = input.text();
    const std::string ownName = input.text();
    while (!input.empty()) {
        const std::string name = input.text();
        const std::string extension = trm::extensionOf(name);
        if (trm::extensionCut(name) > name.size()) __builtin_trap();
        const std::string shown = trm::displayNameOf(name, input.flag(), settings);
        // Valid text stays valid: no rule cuts inside a character.
        if (settings.textIsUtf8 && trm::isValidUtf8(name) && !trm::isValidUtf8(shown)) __builtin_trap();
        trm::passesFileFilters(name, extension, settings, ownName);
        trm::isTitlePictureFile(name, extension, settings);
        trm::hasOwnIcon(extension);
        if (!trm::isValidUtf8(trm::withoutBrokenTail(name.substr(0, name.size() / 2))) && trm::isValidUtf8(name))
            __builtin_trap();
    }
    return 0;
}
