// The bytes of an options file: the choice of its code page, the tokenizer
// and the option parser reading it after a command line; the settings keep
// their documented ranges and read back from their printing as a file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/option_parser.h"
#include "app/options_file_text.h"
#include "app/options_file_tokenizer.h"
#include "fake_path_probe.h"
#include "option_oracles.h"

namespace {

trm::Settings parsed(const std::string& text) {
    FakePathProbe paths;
    trm::Settings settings;
    trm::OptionParser parser(settings, paths, true);
    trm::tokenizeOptionsFile(text, parser);
    return settings;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (const unsigned active : {trm::utf8CodePage, trm::westernCodePage}) {
        const trm::OptionsFileText text = trm::optionsFileText(bytes, active, size % 3 ? 0 : 932);
        const trm::Settings settings = parsed(text.text);
        oracle::checkRanges(settings);
        oracle::checkRoundTrip(settings, true, parsed);
    }
    return 0;
}
