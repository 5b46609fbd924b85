#include "app/argument_roles.h"

#include <gtest/gtest.h>

#include <string>

#include "app/option_parser.h"
#include "fake_path_probe.h"
#include "framework/command_line_info.h"

namespace {

using trm::StringList;

struct Parsed {
    StringList carried;  // what a shortcut for the folder carries after it
    StringList missingFolders;
    std::string folder;
};

Parsed parse(const std::string& commandLine) {
    trm::Settings settings;
    FakePathProbe paths;
    paths.directories = {"C:\\Start", "C:\\Stuff"};
    trm::ArgumentRoles roles(paths);
    trm::OptionParser parser(settings, roles, false);
    roles.readBy(parser);
    trm::parseArguments(trm::splitCommandLine(("trellimond.exe " + commandLine).c_str()), roles);
    return {trm::shortcutOptions(roles.options, settings), roles.missingFolders, paths.current};
}

const struct {
    const char* commandLine;
    StringList carried;
    StringList missingFolders;
} cases[] = {
    {"-resolve C:\\Stuff /DOTITLES", {"-resolve", "-DOTITLES"}, {}},
    {"-sort 2 C:\\Stuff", {"-sort", "2", "C:\\Stuff"}, {}},  // sort's value, not the folder
    {"C:\\Stuff -makeshortcut \"D:\\My Links\\Games.lnk\" -sort 2", {"-sort", "2"}, {}},
    {"C:\\Stuff -addexplore \"Browse here\" -makeshortcut", {"-addexplore", "Browse here"}, {}},
    {"C:\\Stuff -sort 2 -useinifile", {"-useinifile"}, {}},
    {"C:\\Stuff -useinifile games.ini -sort 2", {"-useinifile", "games.ini"}, {}},
    {"C:\\NoSuch -sort 2", {"C:\\NoSuch", "-sort", "2"}, {"C:\\NoSuch"}},
};

// The launcher started from the shortcut finds the folder and the options
// that made it, and so the same taskbar identity.
TEST(ArgumentRoles, TheFolderAndMakeshortcutAsideTheRestIsCarriedAndComesBack) {
    for (const auto& c : cases) {
        const Parsed made = parse(c.commandLine);
        EXPECT_EQ(made.carried, c.carried) << c.commandLine;
        EXPECT_EQ(made.missingFolders, c.missingFolders) << c.commandLine;
        if (!made.missingFolders.empty()) continue;
        const std::string line = trm::joinArguments(trm::shortcutArguments(made.folder, made.carried));
        const Parsed started = parse(line);
        EXPECT_EQ(started.folder, made.folder) << line;
        EXPECT_EQ(started.carried, made.carried) << line;
    }
    // A drive's root is no folder argument: the working folder gives it.
    EXPECT_EQ(trm::shortcutArguments("C:\\", {"-sort", "2"}), (StringList{"-sort", "2"}));
}

}  // namespace
