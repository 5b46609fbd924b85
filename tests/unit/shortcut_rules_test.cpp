#include "model/shortcut_rules.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/ascii.h"
#include "common/command_ids.h"
#include "common/settings.h"
#include "model/folder_node.h"
#include "model/scan_platform.h"

namespace {

// Links, drives, folders and servers held in memory; counts what was probed.
class FakeShortcuts : public trm::ShortcutPlatform {
public:
    bool readLink(const std::string& linkPath, bool wantFolderPath, trm::LinkTarget& target) override {
        const auto found = links.find(linkPath);
        if (found == links.end()) return false;
        target = found->second;
        if (!wantFolderPath) target.folderPath.clear();
        return true;
    }
    bool driveSelectable(char letter) override {
        ++driveProbes;
        return drives.count(letter) != 0;
    }
    trm::PathState lookUpFolder(const std::string& folder) override {
        return listable.count(folder) ? trm::PathState::present : look(folder);
    }
    trm::PathState lookUp(const std::string& path) override {
        return present.count(path) ? trm::PathState::present : look(path);
    }
    trm::PathState look(const std::string& path) {
        ++lookups;
        const bool dead = deadServers.count(serverOf(path)) || deadDrives.count(path[0]);
        return dead ? trm::PathState::unreachable : trm::PathState::absent;
    }
    bool serverAnswers(const std::string& path) override {
        ++serverProbes[serverOf(path)];
        return deadServers.count(serverOf(path)) == 0;
    }
    static std::string serverOf(const std::string& path) {
        std::string server = trm::serverPartOf(path);
        for (char& c : server) c = trm::asciiLower(c);
        return server;
    }

    void link(const std::string& name, const std::string& target, uint32_t attributes,
              const std::string& folderPath = "") {
        trm::LinkTarget made;
        made.path = target;
        made.folderPath = folderPath;
        made.attributes = attributes;
        made.created = trm::FileTime{7, 0};
        links["C:\\Here\\" + name] = made;
    }

    std::map<std::string, trm::LinkTarget> links;
    std::set<char> drives{'C'};
    std::set<std::string> listable, present, deadServers;
    std::set<char> deadDrives;  // mapped drives that can be selected but whose server does not answer
    int driveProbes = 0;
    std::map<std::string, int> serverProbes;
    int lookups = 0;  // of paths that are not there
};

const uint32_t folder = trm::attributeDirectory;
const uint32_t file = 0x20;

class Shortcuts : public ::testing::Test {
protected:
    // Handles the shortcut NAME of C:\Here: whether it stays listed, and whether disabled.
    struct Outcome {
        bool include;
        bool unavailable;
    };
    Outcome handle(const std::string& name, bool include = true) {
        trm::MenuEntry entry;
        entry.path = "C:\\Here\\" + name;
        entry.displayName = name.substr(0, name.size() - 4);
        trm::handleShortcut(entry, include, node, fake);
        return {include, entry.unavailable};
    }
    trm::Settings settings;
    trm::CommandIds ids;
    trm::FolderNode node{settings, ids};
    FakeShortcuts fake;
};

TEST_F(Shortcuts, EntriesOfUnreachableTargetsAreMarked) {
    fake.present = {"C:\\Files\\there.txt", "C:\\Files"};
    fake.drives = {'C', 'D'};
    fake.deadServers = {"\\\\other"};
    fake.link("there.lnk", "C:\\Files\\there.txt", file);
    fake.link("gone.lnk", "C:\\Files\\gone.txt", file);
    fake.link("printer.lnk", "", 0);
    fake.link("folder.lnk", "C:\\Files", folder);
    fake.link("lostfolder.lnk", "C:\\Lost", folder);
    fake.link("d.lnk", "D:\\", folder);
    fake.link("e.lnk", "E:\\", folder);
    fake.link("known.lnk", "\\\\known\\share", folder);
    fake.link("unknown.lnk", "\\\\other\\share", folder);
    fake.link("uncfile.lnk", "\\\\other\\share\\a.txt", file);
    const struct {
        const char* name;
        bool unavailable;
    } cases[] = {{"there.lnk", false},     {"gone.lnk", true},    {"printer.lnk", false},   {"folder.lnk", false},
                 {"lostfolder.lnk", true}, {"d.lnk", false},      {"e.lnk", true},          {"known.lnk", false},
                 {"unknown.lnk", true},    {"uncfile.lnk", true}, {"unreadable.lnk", false}};
    for (const auto& c : cases) {
        const Outcome outcome = handle(c.name);
        EXPECT_TRUE(outcome.include) << c.name;
        EXPECT_EQ(outcome.unavailable, c.unavailable) << c.name;
    }
    EXPECT_TRUE(node.subfolders.empty());
    // A shortcut the filters already rejected is not probed at all.
    EXPECT_FALSE(handle("gone.lnk", false).unavailable);
}

TEST_F(Shortcuts, NoAvailableCheckProbesNoDriveAndNoServer) {
    settings.noavailablecheck = true;
    fake.deadServers = {"\\\\server"};
    fake.link("e.lnk", "E:\\", folder);
    fake.link("unc.lnk", "\\\\server\\share", folder);
    EXPECT_FALSE(handle("e.lnk").unavailable);
    EXPECT_FALSE(handle("unc.lnk").unavailable);
    EXPECT_EQ(fake.driveProbes, 0);
    EXPECT_TRUE(fake.serverProbes.empty());
}

TEST_F(Shortcuts, FolderShortcutsBecomeSubMenusEvenWhenFilteredOrInTheOneMenu) {
    settings.menusforshortcutstofolders = true;
    settings.unavailabletext = "Not here";
    settings.onlyonemenu = true;
    settings.sort = trm::SortKey::NameNoCase;
    fake.listable = {"C:\\WORK~1", "D:\\"};
    fake.drives = {'C', 'D'};
    fake.link("Work.lnk", "C:\\WORK~1", folder, "C:\\Work files");
    fake.link("Drive.lnk", "D:\\", folder);
    fake.link("Lost.lnk", "C:\\Lost", folder);
    fake.link("Net.lnk", "\\\\server\\share", folder);
    fake.link("Notes.lnk", "C:\\notes.txt", file);

    EXPECT_FALSE(handle("Work.lnk", false).include);
    EXPECT_FALSE(handle("Drive.lnk").include);
    EXPECT_FALSE(handle("Lost.lnk").include);
    EXPECT_FALSE(handle("Net.lnk").include);
    EXPECT_TRUE(handle("Notes.lnk").include);

    ASSERT_EQ(node.subfolders.size(), 4u);
    const struct {
        const char* name;
        const char* path;
        bool reachable;
    } expected[] = {{"Drive", "D:\\", true},
                    {"Lost", "C:\\Lost", false},
                    {"Net", "\\\\server\\share", false},
                    {"Work", "C:\\Work files", true}};
    for (size_t i = 0; i < 4; ++i) {
        const trm::FolderNode& sub = *node.subfolders[i];
        EXPECT_EQ(sub.name, expected[i].name);
        EXPECT_EQ(sub.path, expected[i].path);
        EXPECT_EQ(sub.linkPath, "C:\\Here\\" + sub.name + ".lnk");  // what dragging it drags
        EXPECT_EQ(sub.created.low, 7u);
        if (expected[i].reachable) {
            // Unread, like any sub-folder: filled when it opens.
            EXPECT_TRUE(sub.entries.empty()) << sub.name;
        } else {
            ASSERT_EQ(sub.entries.size(), 1u) << sub.name;
            EXPECT_EQ(sub.entries.front().displayName, "Not here");
            EXPECT_TRUE(sub.entries.front().unavailable);
            EXPECT_TRUE(sub.entries.front().path.empty());
        }
    }
}

// A target on a drive or server that did not answer costs one lookup per
// run, whatever the number of shortcuts to it.
TEST_F(Shortcuts, UnreachablePlacesAreAskedOncePerRun) {
    settings.menusforshortcutstofolders = true;
    fake.deadServers = {"\\\\dead"};
    fake.deadDrives = {'N'};
    fake.drives = {'C', 'N'};
    for (int i = 0; i < 50; ++i) {
        // The server's name in either case: places are told apart without regard to case.
        fake.link("net" + std::to_string(i) + ".lnk",
                  (i % 2 ? "\\\\DEAD\\share\\file" : "\\\\dead\\share\\file") + std::to_string(i) + ".txt", file);
        fake.link("mapped" + std::to_string(i) + ".lnk", "N:\\file" + std::to_string(i) + ".txt", file);
        fake.link("off" + std::to_string(i) + ".lnk", "Z:\\file" + std::to_string(i) + ".txt", file);
    }
    fake.link("netfolder.lnk", "\\\\dead\\share\\docs", folder);
    fake.link("gone.lnk", "C:\\gone.txt", file);
    fake.link("gone too.lnk", "C:\\gone too.txt", file);
    for (int i = 0; i < 50; ++i)
        for (const char* kind : {"net", "mapped", "off"})
            EXPECT_TRUE(handle(kind + std::to_string(i) + ".lnk").unavailable) << kind << i;
    EXPECT_EQ(fake.lookups, 1) << "one lookup for the dead mapped drive";
    EXPECT_EQ(fake.serverProbes["\\\\dead"], 1);
    EXPECT_EQ(fake.driveProbes, 2) << "N: and Z:, once each";
    handle("netfolder.lnk");
    ASSERT_EQ(node.subfolders.size(), 1u);
    EXPECT_TRUE(node.subfolders[0]->entries.front().unavailable);
    // A file that is merely missing says nothing about its drive.
    EXPECT_TRUE(handle("gone.lnk").unavailable);
    EXPECT_TRUE(handle("gone too.lnk").unavailable);
    EXPECT_EQ(fake.lookups, 3);
}

// Each server is probed once per run, by whichever of its shortcuts comes
// first, and not at all for shortcuts that name no server.
TEST_F(Shortcuts, EachServerIsProbedOncePerRun) {
    fake.deadServers = {"\\\\dead"};
    fake.present = {"\\\\nas\\docs\\a.txt", "\\\\NAS\\docs\\a.txt", "C:\\Files"};
    fake.link("local.lnk", "C:\\Files", folder);
    handle("local.lnk");
    EXPECT_TRUE(fake.serverProbes.empty());
    for (bool menus : {false, true}) {
        settings.menusforshortcutstofolders = menus;
        for (const char* server : {"nas", "NAS", "dead", "DEAD"}) {
            const std::string share = std::string("\\\\") + server + "\\docs";
            fake.link("folder.lnk", share + "\\sub", folder);
            fake.link("file.lnk", share + "\\a.txt", file);
            const bool dead = trm::asciiLower(server[0]) == 'd';
            // As a sub-menu the folder's own state counts; as an entry its server's.
            const bool folderUnavailable = handle("folder.lnk").unavailable;
            EXPECT_EQ(folderUnavailable, dead && !menus) << server;
            EXPECT_EQ(handle("file.lnk").unavailable, dead) << server;
        }
    }
    EXPECT_EQ(fake.serverProbes, (std::map<std::string, int>{{"\\\\dead", 1}, {"\\\\nas", 1}}));
    EXPECT_EQ(fake.lookups, 2) << "the live server's missing folders as sub-menus; nothing on the dead one";

    // A new run asks again.
    fake.unreachable.clear();
    fake.answeringServers.clear();
    handle("file.lnk");
    EXPECT_EQ(fake.serverProbes["\\\\dead"], 2);
}

TEST(ShortcutPaths, ServerPartsAndIconSources) {
    EXPECT_EQ(trm::serverPartOf("\\\\server\\share\\dir"), "\\\\server");
    EXPECT_EQ(trm::serverPartOf("\\\\server"), "\\\\server");
    EXPECT_EQ(trm::serverPartOf("C:\\dir"), "");
    EXPECT_EQ(trm::sharePartOf("\\\\server\\share\\dir"), "\\\\server\\share");
    EXPECT_EQ(trm::sharePartOf("\\\\server\\share"), "\\\\server\\share");
    for (const char* none : {"\\\\server", "\\\\server\\", "\\\\server\\\\x", "\\\\\\x", "C:\\dir"})
        EXPECT_EQ(trm::sharePartOf(none), "") << none;

    const auto reachable = [] { return true; };
    const auto unreachable = [] { return false; };
    EXPECT_EQ(trm::iconSourceOf("C:\\a.lnk", "c:\\PROGRA~1\\b.exe", unreachable), "c:\\PROGRA~1\\b.exe");
    EXPECT_EQ(trm::iconSourceOf("C:\\a.lnk", "D:\\b.exe", unreachable), "C:\\a.lnk");
    EXPECT_EQ(trm::iconSourceOf("C:\\a.lnk", "N:\\b.exe", reachable), "N:\\b.exe");
    EXPECT_EQ(trm::iconSourceOf("C:\\a.lnk", "", reachable), "C:\\a.lnk");
}

TEST(LinkHeader, GivesTheRecordedAttributesAndTimesOfARealHeaderOnly) {
    unsigned char header[0x4C] = {0x4C, 0, 0, 0, 0x01, 0x14, 0x02, 0, 0, 0, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46};
    header[0x18] = 0x10;                       // attributes: a folder
    header[0x1C] = 0x01, header[0x23] = 0x02;  // created: low 1, high 0x02000000
    header[0x24] = 0x05;                       // accessed: low 5
    trm::LinkTarget target;
    ASSERT_TRUE(trm::readLinkHeader(header, sizeof header, target));
    EXPECT_EQ(target.attributes, trm::attributeDirectory);
    EXPECT_EQ(target.created.value(), 0x0200000000000001ull);
    EXPECT_EQ(target.accessed.value(), 5u);
    EXPECT_FALSE(trm::readLinkHeader(header, sizeof header - 1, target)) << "truncated";
    header[19] = 0x47;
    EXPECT_FALSE(trm::readLinkHeader(header, sizeof header, target)) << "not a shell link";
}

// A link as Wine writes it: no attributes in the header, and an item list
// (the computer, the drive, then the target) whose last item tells.
TEST(LinkItemList, TellsAFolderFromAFileByItsLastItem) {
    const auto link = [](std::vector<std::vector<unsigned char>> items, unsigned char flags = 0x1) {
        std::vector<unsigned char> bytes = {0x4C, 0, 0,    0, 0x01, 0x14, 0x02, 0, 0, 0,
                                            0,    0, 0xC0, 0, 0,    0,    0,    0, 0, 0x46};
        bytes.resize(0x4C);
        bytes[0x14] = flags;
        size_t listSize = 2;
        for (const auto& item : items) listSize += item.size() + 2;
        bytes.push_back(static_cast<unsigned char>(listSize));
        bytes.push_back(static_cast<unsigned char>(listSize >> 8));
        for (const auto& item : items) {
            bytes.push_back(static_cast<unsigned char>(item.size() + 2));
            bytes.push_back(0);
            bytes.insert(bytes.end(), item.begin(), item.end());
        }
        bytes.push_back(0), bytes.push_back(0);
        return bytes;
    };
    const std::vector<unsigned char> computer = {0x1F, 0x50, 1, 2, 3}, drive = {0x2F, 'C', ':', '\\', 0};
    const struct {
        const char* what;
        std::vector<unsigned char> bytes;
        bool known;
        uint32_t attributes;
    } cases[] = {
        {"folder", link({computer, drive, {0x31, 0, 'G', 'o', 'n', 'e'}}), true, trm::attributeDirectory},
        {"unicode folder", link({computer, drive, {0x35, 0, 'x'}}), true, trm::attributeDirectory},
        {"file", link({computer, drive, {0x32, 0, 'a'}}), true, 0},
        {"drive", link({computer, drive}), true, trm::attributeDirectory},
        {"computer", link({computer}), false, 0},
        {"no list", link({computer, drive, {0x31, 0}}, 0), false, 0},
    };
    for (const auto& c : cases) {
        uint32_t attributes = 0x80;
        EXPECT_EQ(trm::readLinkItemListKind(c.bytes.data(), c.bytes.size(), attributes), c.known) << c.what;
        EXPECT_EQ(attributes, c.known ? c.attributes : 0x80u) << c.what;
    }
    // An item that claims to run past the end of the file.
    std::vector<unsigned char> cut = link({computer, drive, {0x31, 0, 'x'}});
    cut.resize(cut.size() - 4);
    uint32_t attributes = 0;
    EXPECT_FALSE(trm::readLinkItemListKind(cut.data(), cut.size(), attributes));
}

}  // namespace
