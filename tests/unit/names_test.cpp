#include <gtest/gtest.h>

#include "common/command_ids.h"
#include "common/settings.h"
#include "model/folder_node.h"
#include "model/name_rules.h"

namespace {

using trm::displayNameOf;
using trm::extensionOf;

TEST(Extension, IsTheLastDotOnwardsInLowerCase) {
    EXPECT_EQ(extensionOf("archive.tar.GZ"), ".gz");
    EXPECT_EQ(extensionOf("README"), "");
    EXPECT_EQ(trm::extensionCut("README"), 6u);
    EXPECT_EQ(extensionOf(".profile"), ".profile");
    EXPECT_EQ(extensionOf("trailing."), ".");
    EXPECT_EQ(extensionOf("x.\xC4Q"), ".\xC4q");  // only A-Z fold
}

TEST(DisplayName, ShortcutsAndListedExtensionsLoseTheirExtension) {
    trm::Settings settings;
    EXPECT_EQ(displayNameOf("Backup.lnk", true, settings), "Backup");
    EXPECT_EQ(displayNameOf("Site.URL", true, settings), "Site");
    EXPECT_EQ(displayNameOf("Old.pif", true, settings), "Old");
    EXPECT_EQ(displayNameOf("notes.txt", true, settings), "notes.txt");
    EXPECT_EQ(displayNameOf("Near.lnx", true, settings), "Near.lnx");
    EXPECT_EQ(displayNameOf("Long.lnkx", true, settings), "Long.lnkx");
    EXPECT_EQ(displayNameOf("Backup.lnk", false, settings), "Backup.lnk");  // folders keep theirs

    settings.removeext = {".HTM"};
    EXPECT_EQ(displayNameOf("page.htm", true, settings), "page");
    EXPECT_EQ(displayNameOf("page.html", true, settings), "page");
    EXPECT_EQ(displayNameOf("page.xhtml", true, settings), "page.xhtml");

    settings.removeallext = true;
    EXPECT_EQ(displayNameOf("archive.tar.gz", true, settings), "archive.tar");
    EXPECT_EQ(displayNameOf("README", true, settings), "README");
    EXPECT_EQ(displayNameOf("Report {draft}.txt", true, settings), "Report");
}

TEST(DisplayName, MakePrettyChangesAsciiLettersOnly) {
    trm::Settings settings;
    settings.makepretty = 1;
    EXPECT_EQ(displayNameOf("ABC d\xC9-X", false, settings), "abc d\xC9-x");
    settings.makepretty = 2;
    EXPECT_EQ(displayNameOf("abc d\xE9-x", false, settings), "ABC D\xE9-X");
    settings.makepretty = 3;
    EXPECT_EQ(displayNameOf("my DOCUMENTS\tlist", false, settings), "My Documents\tlist");
    EXPECT_EQ(displayNameOf("o'neil  x-RAY", false, settings), "O'neil  X-ray");
    settings.makepretty = 7;
    EXPECT_EQ(displayNameOf("mIxEd", false, settings), "mIxEd");
}

TEST(DisplayName, MakePrettyChangesEveryLetterWhenTextIsUtf8) {
    trm::Settings settings;
    settings.textIsUtf8 = true;
    settings.makepretty = 3;
    EXPECT_EQ(displayNameOf("\xC3\x89T\xC3\x89 \xC3\xA0 PARIS", false, settings), "\xC3\x89t\xC3\xA9 \xC3\x80 Paris");
    EXPECT_EQ(displayNameOf("\xE6\x9D\xB1 \xD0\x94\xD0\x9E\xD0\x9C", false, settings),
              "\xE6\x9D\xB1 \xD0\x94\xD0\xBE\xD0\xBC");  // 東 ДОМ: 東 Дом
    EXPECT_EQ(displayNameOf("x\xFF"
                            "AB c",
                            false, settings),
              "X\xFF"
              "ab C");  // bytes that are no character stay
    settings.makepretty = 1;
    EXPECT_EQ(displayNameOf("\xCE\xA9MEGA \xC3\x8E", false, settings), "\xCF\x89mega \xC3\xAE");  // ΩMEGA Î
    settings.makepretty = 2;
    EXPECT_EQ(displayNameOf("stra\xC3\x9F\xC3\xA9", false, settings), "STRA\xC3\x9F\xC3\x89");  // straßé
    // Extensions and braced text are cut at ASCII characters, which UTF-8
    // never uses inside another character.
    settings.makepretty = 0;
    settings.removeallext = true;
    EXPECT_EQ(displayNameOf("\xCE\xA9mega {old}.trtest", true, settings), "\xCE\xA9mega");
}

TEST(DisplayName, BracedTextIsCutOutAfterMakePretty) {
    trm::Settings settings;
    EXPECT_EQ(displayNameOf("Budget {2019} final", false, settings), "Budget final");
    EXPECT_EQ(displayNameOf("Notes \t{old}", false, settings), "Notes");
    EXPECT_EQ(displayNameOf("{x} Report", false, settings), "{x} Report");
    EXPECT_EQ(displayNameOf("{x} Report {y}", false, settings), "{x} Report");
    EXPECT_EQ(displayNameOf("A {b} c {d} e", false, settings), "A e");
    EXPECT_EQ(displayNameOf("  {x}y", false, settings), "  y");  // nothing but blanks before: kept
    EXPECT_EQ(displayNameOf("open {only", false, settings), "open {only");
    EXPECT_EQ(displayNameOf("a}b{c", false, settings), "a}b{c");  // no closing brace after the opening one
    settings.makepretty = 2;
    EXPECT_EQ(displayNameOf("Budget {2019} final", false, settings), "BUDGET FINAL");
}

TEST(FileFilters, RejectAtTheFirstFailingTest) {
    trm::Settings settings;
    auto passes = [&settings](const std::string& name) {
        return trm::passesFileFilters(name, extensionOf(name), settings, "trellimond.exe");
    };
    EXPECT_TRUE(passes("notes.txt"));
    EXPECT_FALSE(passes(".profile"));
    EXPECT_FALSE(passes("TrelliMond.EXE"));
    EXPECT_FALSE(passes("trellimond.exe.config"));
    EXPECT_TRUE(passes("trellimond.ex"));

    settings.showonly = {".jp", ".EXE"};
    EXPECT_TRUE(passes("a.jpg"));
    EXPECT_TRUE(passes("b.JPEG"));
    EXPECT_TRUE(passes("tool.exe"));
    EXPECT_FALSE(passes("trellimond.exe"));
    EXPECT_FALSE(passes("README"));
    EXPECT_FALSE(passes("x.pj"));

    settings.showonly.clear();
    settings.blockextensions = {".tm"};
    settings.block = {"thumbs"};
    EXPECT_FALSE(passes("cache.TMP"));
    EXPECT_FALSE(passes("Thumbs.db"));
    EXPECT_TRUE(passes("thumb.db"));
}

TEST(FileFilters, TheRunningExecutableByWhateverName) {
    const trm::Settings settings;
    struct Case {
        const char* ownName;
        const char* name;
        bool listed;
    };
    const Case cases[] = {
        {"Launcher.exe", "launcher.EXE", false},     {"Launcher.exe", "Launcher.exe.config", false},
        {"Launcher.exe", "Launcher.ex", true},       {"Launcher.exe", "trellimond.exe", true},
        {"trellimond.exe", "trellimond.exe", false}, {"", "notes.txt", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(trm::passesFileFilters(c.name, extensionOf(c.name), settings, c.ownName), c.listed)
            << c.ownName << " lists " << c.name;
}

TEST(TitleImageCandidate, NamedFileOrFirstPicture) {
    trm::Settings settings;
    trm::CommandIds ids;
    trm::FolderNode node(settings, ids);
    EXPECT_FALSE(trm::isTitleImageCandidate("folder.jpg", ".jpg", node));
    settings.dotitleimages = true;
    EXPECT_TRUE(trm::isTitleImageCandidate("Folder.JPG", ".jpg", node));
    EXPECT_FALSE(trm::isTitleImageCandidate("other.jpg", ".jpg", node));

    settings.dotitleimagesusefirst = true;
    EXPECT_TRUE(trm::isTitleImageCandidate("x.jpegx", ".jpegx", node));
    EXPECT_TRUE(trm::isTitleImageCandidate("x.ico", ".ico", node));
    EXPECT_FALSE(trm::isTitleImageCandidate("x.png", ".png", node));
    trm::MenuEntry chosen;
    node.titleImageEntry = &chosen;
    EXPECT_FALSE(trm::isTitleImageCandidate("x.gif", ".gif", node));
}

}  // namespace
