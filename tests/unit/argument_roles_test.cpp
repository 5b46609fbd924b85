#include "app/argument_roles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/option_parser.h"
#include "fake_path_probe.h"
#include "framework/command_line_info.h"

namespace {

using trm::StringList;

struct Parsed {
    StringList options;
    StringList missingFolders;
    trm::Settings settings;
    std::string current;
};

Parsed parse(const std::vector<std::string>& argv) {
    Parsed parsed;
    FakePathProbe paths;
    paths.directories = {"C:\\Start", "C:\\Stuff", "D:\\Links"};
    trm::ArgumentRoles roles(paths);
    trm::OptionParser parser(parsed.settings, roles, false);
    roles.readBy(parser);
    trm::parseArguments(argv, roles);
    parsed.options = roles.options;
    parsed.missingFolders = roles.missingFolders;
    parsed.current = paths.current;
    return parsed;
}

Parsed parse(const std::string& commandLine) {
    return parse(trm::splitCommandLine(("trellimond.exe " + commandLine).c_str()));
}

struct Case {
    const char* commandLine;
    StringList carried;  // what a shortcut for the folder carries after it
    StringList missingFolders;
};

const Case cases[] = {
    {"C:\\Stuff -sort 2", {"-sort", "2"}, {}},
    {"-resolve C:\\Stuff /DOTITLES", {"-resolve", "-DOTITLES"}, {}},
    {"-sort 2 C:\\Stuff", {"-sort", "2", "C:\\Stuff"}, {}},  // sort's value, not the folder
    {"C:\\Stuff -makeshortcut D:\\Links -sort 2", {"-sort", "2"}, {}},
    {"C:\\Stuff -makeshortcut \"D:\\My Links\\Games.lnk\" -dotitles", {"-dotitles"}, {}},
    {"C:\\Stuff -addexplore \"Browse here\" -makeshortcut", {"-addexplore", "Browse here"}, {}},
    {"C:\\Stuff -sort 2 -useinifile", {"-useinifile"}, {}},
    {"C:\\Stuff -useinifile games.ini -sort 2", {"-useinifile", "games.ini"}, {}},
    {"C:\\NoSuch -sort 2", {"C:\\NoSuch", "-sort", "2"}, {"C:\\NoSuch"}},
};

TEST(ArgumentRoles, TheFolderAndMakeshortcutAsideTheRestIsCarried) {
    for (const Case& c : cases) {
        const Parsed parsed = parse(c.commandLine);
        EXPECT_EQ(trm::shortcutOptions(parsed.options, parsed.settings), c.carried) << c.commandLine;
        EXPECT_EQ(parsed.missingFolders, c.missingFolders) << c.commandLine;
    }
}

// The launcher started from the shortcut finds the folder and the options
// that made it, and so the same taskbar identity.
TEST(ArgumentRoles, AShortcutsArgumentsGiveBackItsFolderAndOptions) {
    for (const Case& c : cases) {
        const Parsed made = parse(c.commandLine);
        if (!made.missingFolders.empty()) continue;
        const StringList carried = trm::shortcutOptions(made.options, made.settings);
        const std::string line = trm::joinArguments(trm::shortcutArguments(made.current, carried));
        const Parsed started = parse(line);
        EXPECT_EQ(started.current, made.current) << line;
        EXPECT_EQ(trm::shortcutOptions(started.options, started.settings), carried) << line;
        EXPECT_FALSE(started.settings.makeshortcut) << line;
    }
    // A drive's root is no folder argument: the working folder gives it.
    EXPECT_EQ(trm::shortcutArguments("C:\\", {"-sort", "2"}), (StringList{"-sort", "2"}));
}

}  // namespace
