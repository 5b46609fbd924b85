#include "menus/menu_rules.h"

#include <gtest/gtest.h>

#include "common/command_ids.h"
#include "model/folder_node.h"
#include "model/menu_entry.h"

namespace {

using trm::Settings;

TEST(TitleText, LastComponentOrTheWholeDriveRoot) {
    EXPECT_EQ(trm::titleTextOf("C:\\Stuff"), "Stuff");
    EXPECT_EQ(trm::titleTextOf("C:\\Stuff\\Games"), "Games");
    EXPECT_EQ(trm::titleTextOf("C:\\"), "C:\\");
    EXPECT_EQ(trm::titleTextOf("C:\\Stuff\\"), "Stuff\\");
    EXPECT_EQ(trm::titleTextOf("\\\\server\\share"), "share");
    EXPECT_EQ(trm::titleTextOf("noslash"), "noslash");
    EXPECT_EQ(trm::titleTextOf(""), "");
}

TEST(TitleText, FolderTitlesOverrideAndDisplayRulesApply) {
    Settings settings;
    settings.foldertitle = {{"c:\\stuff\\games", "Play time"}, {"C:\\Stuff\\Games", "Second"}};
    EXPECT_EQ(trm::folderTitle("C:\\Stuff\\Games", nullptr, settings), "Play time");
    EXPECT_EQ(trm::folderTitle("C:\\Stuff\\Tools", nullptr, settings), "Tools");
    settings.makepretty = 2;
    EXPECT_EQ(trm::folderTitle("C:\\Stuff\\Tools {old}", nullptr, settings), "TOOLS");
    const std::string label = "DATA";
    EXPECT_EQ(trm::folderTitle("D:\\", &label, settings), "DATA");
    // Titles never lose an extension.
    settings.makepretty = 0;
    settings.removeallext = true;
    EXPECT_EQ(trm::folderTitle("C:\\my.folder", nullptr, settings), "my.folder");
}

TEST(TitleText, VolumeLabelsOnlyForDriveTitles) {
    Settings settings;
    EXPECT_FALSE(trm::wantsVolumeLabel("C:\\", settings));
    settings.dotitlesusedrivenames = true;
    EXPECT_TRUE(trm::wantsVolumeLabel("C:\\", settings));
    EXPECT_FALSE(trm::wantsVolumeLabel("Stuff", settings));
    EXPECT_FALSE(trm::wantsVolumeLabel("C", settings));
}

TEST(EntryFileName, NeedsADotAfterSomeBackslash) {
    EXPECT_EQ(trm::entryFileName("C:\\Stuff\\readme.txt"), "readme.txt");
    EXPECT_EQ(trm::entryFileName("C:\\Stuff\\README"), "");
    EXPECT_EQ(trm::entryFileName("C:\\my.dir\\README"), "README");
    EXPECT_EQ(trm::entryFileName("readme.txt"), "");
    EXPECT_EQ(trm::entryFileName(""), "");
}

TEST(NameLists, EntriesMatchByFileNamePathOrTextIgnoringCase) {
    Settings settings;
    trm::MenuEntry entry;
    entry.path = "C:\\Stuff\\Readme.txt";
    entry.displayName = "Readme";
    EXPECT_TRUE(trm::nameListMatches({"readme.TXT"}, entry, settings));
    EXPECT_TRUE(trm::nameListMatches({"c:\\stuff\\readme.txt"}, entry, settings));
    EXPECT_TRUE(trm::nameListMatches({"x", "README"}, entry, settings));
    EXPECT_FALSE(trm::nameListMatches({"Read"}, entry, settings));
    EXPECT_FALSE(trm::nameListMatches({}, entry, settings));
    // Icons only: the item has no text to match.
    settings.display = 2;
    EXPECT_FALSE(trm::nameListMatches({"README"}, entry, settings));
    EXPECT_TRUE(trm::nameListMatches({"readme.txt"}, entry, settings));
}

TEST(NameLists, FoldersMatchByNameOrPathWhateverTheDisplay) {
    Settings settings;
    trm::CommandIds ids;
    settings.display = 1;
    trm::FolderNode folder(settings, ids);
    folder.name = "Games";
    folder.path = "C:\\Stuff\\Games";
    EXPECT_TRUE(trm::nameListMatches({"games"}, folder));
    EXPECT_TRUE(trm::nameListMatches({"C:\\STUFF\\GAMES"}, folder));
    EXPECT_FALSE(trm::nameListMatches({"Stuff"}, folder));
}

TEST(OpenAll, OnlyPlainEntriesOfTheListedExtensions) {
    Settings settings;
    trm::MenuEntry song;
    song.extension = ".mp3";
    trm::MenuEntry text;
    text.extension = ".txt";
    trm::MenuEntry explore;
    explore.command = "<explore>";
    EXPECT_TRUE(trm::openAllIncludes(song, settings));
    EXPECT_TRUE(trm::openAllIncludes(text, settings));
    EXPECT_FALSE(trm::openAllIncludes(explore, settings));
    settings.addopenallextensions = {".MP3", ".wav"};
    EXPECT_TRUE(trm::openAllIncludes(song, settings));
    EXPECT_FALSE(trm::openAllIncludes(text, settings));
}

TEST(ItemText, IconsOnlyDisplaysShowNoText) {
    Settings settings;
    for (int display : {0, 3, 4, 5, -1}) {
        settings.display = display;
        EXPECT_EQ(trm::itemTextFor("Name", settings), "Name") << display;
    }
    for (int display : {1, 2}) {
        settings.display = display;
        EXPECT_EQ(trm::itemTextFor("Name", settings), "") << display;
    }
}

}  // namespace
