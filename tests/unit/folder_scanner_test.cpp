#include "model/folder_scanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/command_ids.h"
#include "common/settings.h"
#include "fake_directory.h"

namespace {

std::vector<std::string> names(const trm::FolderNode& node) {
    std::vector<std::string> result;
    for (const trm::MenuEntry& e : node.entries) result.push_back(e.displayName);
    return result;
}

std::vector<std::string> folderNames(const trm::FolderNode& node) {
    std::vector<std::string> result;
    for (const auto& sub : node.subfolders) result.push_back(sub->name);
    return result;
}

using Names = std::vector<std::string>;

class Scanner : public ::testing::Test {
protected:
    trm::FolderNode& scan() {
        node.path = fs.current;
        trm::scanFolder(node, fs);
        return node;
    }
    trm::Settings settings;
    trm::CommandIds ids;
    FakeDirectory fs;
    trm::FolderNode node{settings, ids};
};

TEST_F(Scanner, FilesBecomeEntriesAndFoldersUnreadChildren) {
    settings.sort = static_cast<trm::SortKey>(99);
    settings.makepretty = 3;
    fs.file("notes.TXT", 10, 20);
    fs.folder("my.stuff", 30, 40);
    fs.folder(".config");
    fs.file(".profile");
    fs.file("Trellimond.exe");
    fs.ownName = "trellimond.exe";
    fs.file("Link.lnk");
    fs.file("sub\\inner.txt");
    scan();

    EXPECT_EQ(names(node), (Names{"Notes.txt", "Link"}));
    const trm::MenuEntry& notes = node.entries.front();
    EXPECT_EQ(notes.path, "C:\\Root\\notes.TXT");
    EXPECT_EQ(notes.extension, ".txt");
    EXPECT_EQ(notes.created.low, 10u);
    EXPECT_EQ(notes.accessed.low, 20u);
    EXPECT_FALSE(notes.isCommand);

    EXPECT_EQ(folderNames(node), (Names{"My.stuff", "Sub"}));
    const trm::FolderNode& stuff = *node.subfolders[0];
    EXPECT_EQ(stuff.path, "C:\\Root\\my.stuff");
    EXPECT_EQ(stuff.created.low, 30u);
    EXPECT_EQ(stuff.accessed.low, 40u);
    EXPECT_TRUE(node.subfolders[1]->entries.empty());  // unread
    EXPECT_EQ(fs.shortcutsHandled, (Names{"C:\\Root\\Link.lnk"}));
    EXPECT_TRUE(fs.iconsFetched.empty());  // display 0
    EXPECT_EQ(fs.waitCursorsShown, 1);
    EXPECT_EQ(fs.cursor, &fs.arrowCursor);
}

TEST_F(Scanner, IdentifiersAreConsecutiveInEnumerationOrder) {
    settings.sort = trm::SortKey::NameNoCase;
    settings.block = {"skip"};
    for (const char* name : {"c.txt", "skip.txt", "a.txt", ".hidden", "b.txt"}) fs.file(name);
    const int first = ids.peek();
    scan();
    EXPECT_EQ(names(node), (Names{"a.txt", "b.txt", "c.txt"}));
    std::vector<int> offsets;
    for (const trm::MenuEntry& e : node.entries) offsets.push_back(e.id - first);
    EXPECT_EQ(offsets, (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(ids.peek(), first + 3);
}

TEST_F(Scanner, HiddenItemsAreLeftOutBeforeAnyOtherTest) {
    settings.noshowhidden = true;
    settings.dotitleimages = true;
    settings.onlyonemenu = true;
    fs.file("folder.jpg", 0, 0, trm::attributeHidden);
    fs.file("shown.txt");
    fs.folder("secret", 0, 0, trm::attributeHidden);
    fs.file("secret\\inside.txt");
    scan();
    EXPECT_EQ(names(node), (Names{"shown.txt"}));
    EXPECT_EQ(node.titleImageEntry, nullptr);
}

TEST_F(Scanner, OnlyFilesAndOnlyFolders) {
    fs.folder("sub");
    fs.file("a.txt");
    fs.file("b.lnk");
    settings.onlyfolders = true;
    scan();
    EXPECT_TRUE(node.entries.empty());
    EXPECT_TRUE(fs.shortcutsHandled.empty());  // shortcuts are not even looked at
    EXPECT_EQ(folderNames(node), (Names{"sub"}));

    trm::FolderNode filesOnly(settings, ids);
    settings.onlyfolders = false;
    settings.onlyfiles = true;
    trm::scanFolder(filesOnly, fs);
    EXPECT_EQ(names(filesOnly), (Names{"a.txt", "b"}));
    EXPECT_TRUE(filesOnly.subfolders.empty());
}

TEST_F(Scanner, BlockedFoldersByBareNameEverywhereByFullPathOnce) {
    settings.onlyonemenu = true;
    settings.sort = trm::SortKey::NameBytes;
    settings.blockfolders = {"CACHE", "c:\\root\\one\\TMP"};
    fs.file("one\\tmp\\gone.txt");
    fs.file("two\\tmp\\kept.txt");
    fs.file("two\\cache\\gone.txt");
    fs.file("cache\\gone.txt");
    scan();
    EXPECT_EQ(names(node), (Names{"kept.txt"}));
}

TEST_F(Scanner, CommandEntriesInTheirPlaces) {
    settings.sort = trm::SortKey::NameNoCase;
    settings.addexplore = settings.addopenall = true;
    fs.file("Apple");
    fs.file("Zebra");

    settings.addexploreposition = settings.addopenallposition = trm::SpecialEntryPosition::Top;
    EXPECT_EQ(names(scan()), (Names{"Open all", "Explore", "Apple", "Zebra"}));

    trm::FolderNode bottom(settings, ids);
    settings.addexploreposition = settings.addopenallposition = trm::SpecialEntryPosition::Bottom;
    trm::scanFolder(bottom, fs);
    EXPECT_EQ(names(bottom), (Names{"Apple", "Zebra", "Explore", "Open all"}));

    // Placed first, then ordered against like any entry.
    trm::FolderNode leading(settings, ids);
    settings.addexploreposition = settings.addopenallposition = trm::SpecialEntryPosition::Default;
    const int first = ids.peek();
    trm::scanFolder(leading, fs);
    EXPECT_EQ(names(leading), (Names{"Apple", "Explore", "Open all", "Zebra"}));
    EXPECT_EQ(leading.entries.front().id, first + 2);
    EXPECT_EQ(std::next(leading.entries.begin())->id, first);
    EXPECT_EQ(std::next(leading.entries.begin())->path, "C:\\Root");
    EXPECT_STREQ(std::next(leading.entries.begin())->command, "<explore>");
    EXPECT_STREQ(std::next(leading.entries.begin(), 2)->command, "<openall>");
    EXPECT_EQ(std::next(leading.entries.begin(), 2)->path, "");
    EXPECT_EQ(leading.exploreEntry, nullptr);

    trm::FolderNode absolute(settings, ids);
    settings.addexploreposition = trm::SpecialEntryPosition::AbsoluteTop;
    settings.addopenallposition = trm::SpecialEntryPosition::AbsoluteBottom;
    trm::scanFolder(absolute, fs);
    ASSERT_NE(absolute.exploreEntry, nullptr);
    ASSERT_NE(absolute.openAllEntry, nullptr);
    EXPECT_STREQ(absolute.exploreEntry->command, "<explore>");
    EXPECT_STREQ(absolute.openAllEntry->command, "<openall>");
}

TEST_F(Scanner, CommandEntriesOfAnEmptyOrUnreadableFolder) {
    settings.addexplore = true;
    fs.current = "C:\\Root\\missing";
    EXPECT_EQ(names(scan()), (Names{"Explore"}));
    EXPECT_EQ(node.entries.front().path, "C:\\Root\\missing");
}

TEST_F(Scanner, OneMenuOrdersTheWholeTreeTogether) {
    settings.onlyonemenu = true;
    settings.sort = trm::SortKey::Created;
    settings.addexplore = true;
    settings.addexploreposition = trm::SpecialEntryPosition::AbsoluteBottom;
    fs.file("top.txt", 5);
    fs.file("a\\mid.txt", 2);
    fs.file("a\\b\\deep.txt", 9);
    fs.file("a\\b\\first.txt", 1);
    fs.file("after.txt", 3);
    scan();
    EXPECT_TRUE(node.subfolders.empty());
    EXPECT_EQ(names(node),
              (Names{"first.txt", "mid.txt", "after.txt", "top.txt", "deep.txt", "Explore", "Explore", "Explore"}));
    // Each folder brings its own Explore entry; the outermost is kept last.
    EXPECT_EQ(std::prev(node.entries.end(), 2)->path, "C:\\Root\\a");
    EXPECT_EQ(node.exploreEntry->path, "C:\\Root");
    EXPECT_EQ(node.exploreEntry, &node.entries.back());
    EXPECT_EQ(fs.current, "C:\\Root");
    EXPECT_EQ(fs.cursor, &fs.arrowCursor);
}

TEST_F(Scanner, OneMenuNeverFollowsALinkBackToAFolderAlreadyOpen) {
    settings.onlyonemenu = true;
    fs.file("root.txt");
    fs.file("a\\b\\deep.txt");
    fs.link("a\\b\\up", "a");
    fs.link("a\\loop", "");
    fs.link("side", "a\\b");  // not an ancestor: read again
    scan();
    EXPECT_EQ(names(node), (Names{"root.txt", "deep.txt", "deep.txt"}));
    EXPECT_EQ(fs.current, "C:\\Root");
}

TEST_F(Scanner, OneMenuDepthIsCappedWhenFoldersCannotBeTold) {
    settings.onlyonemenu = true;
    fs.identitiesKnown = false;
    fs.file("a\\x.txt");
    fs.link("a\\again", "a");
    scan();
    EXPECT_EQ(node.entries.size(), static_cast<size_t>(trm::maxOneMenuDepth));
    EXPECT_EQ(fs.current, "C:\\Root");
}

TEST_F(Scanner, TitlePicturesAreKeptWhateverTheFilters) {
    settings.dotitleimages = true;
    settings.showonly = {".txt"};
    fs.file("a.txt");
    fs.file("cover.jpg");
    fs.file("FOLDER.JPG");
    fs.file("folder.jpg.txt");
    scan();
    EXPECT_EQ(names(node), (Names{"a.txt", "FOLDER.JPG", "folder.jpg.txt"}));
    EXPECT_EQ(node.titleImageEntry->displayName, "FOLDER.JPG");

    trm::FolderNode first(settings, ids);
    settings.dotitleimagesusefirst = true;
    fs.file("later.gif");
    trm::scanFolder(first, fs);
    EXPECT_EQ(names(first), (Names{"a.txt", "cover.jpg", "folder.jpg.txt"}));
    EXPECT_EQ(first.titleImageEntry->displayName, "cover.jpg");
}

TEST_F(Scanner, ShortcutAndIconHooksAtTheirStep) {
    settings.display = 3;
    settings.block = {"blocked"};
    fs.file("blocked.lnk");
    fs.file("tool.EXE");
    fs.file("doc.txt");
    fs.file("gone.lnk");
    fs.onShortcut = [](trm::MenuEntry& entry, bool& include, trm::FolderNode&) {
        if (entry.displayName == "gone") include = false;
    };
    const int first = ids.peek();
    scan();
    EXPECT_EQ(fs.shortcutsHandled, (Names{"C:\\Root\\blocked.lnk", "C:\\Root\\gone.lnk"}));
    EXPECT_EQ(fs.iconsFetched, (Names{".exe|C:\\Root\\tool.EXE|file", ".txt|C:\\Root\\doc.txt|type"}));
    EXPECT_EQ(names(node), (Names{"tool.EXE", "doc.txt"}));
    EXPECT_EQ(ids.peek(), first + 2);
}

}  // namespace
