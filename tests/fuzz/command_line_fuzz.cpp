// A command line through the C runtime's splitting rules and the option
// parser, with a file system in which some of its paths are folders.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/option_parser.h"
#include "fake_path_probe.h"
#include "framework/command_line_info.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> argv = trm::splitCommandLine(line.c_str());
    FakePathProbe paths;
    for (const std::string& argument : argv)
        if (argument.size() > 3 && argument[1] == ':' && argument.size() % 2 == 0) paths.directories.insert(argument);
    trm::Settings settings;
    trm::OptionParser parser(settings, paths, false);
    trm::parseArguments(argv, parser);
    return 0;
}
