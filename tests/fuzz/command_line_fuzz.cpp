// A command line through the C runtime's splitting rules and the option
// parser, with a file system in which some of its paths are folders; the
// settings keep their documented ranges and read back from their printing.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/option_parser.h"
#include "fake_path_probe.h"
#include "framework/command_line_info.h"
#include "option_oracles.h"

namespace {

trm::Settings parsed(const std::string& line, FakePathProbe& paths) {
    trm::Settings settings;
    trm::OptionParser parser(settings, paths, false);
    trm::parseArguments(trm::splitCommandLine(line.c_str()), parser);
    return settings;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    FakePathProbe paths;
    for (const std::string& argument : trm::splitCommandLine(line.c_str()))
        if (argument.size() > 3 && argument[1] == ':' && argument.size() % 2 == 0) paths.directories.insert(argument);
    const trm::Settings settings = parsed(line, paths);
    oracle::checkRanges(settings);
    oracle::checkRoundTrip(settings, false, [](const std::string& printed) {
        FakePathProbe none;
        return parsed("trellimond.exe " + printed, none);
    });
    return 0;
}
