// The scanner on real folders: fixtures made under the temp folder, read
// through the find functions, removed afterwards.
#include "model/folder_scanner.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/win_path_probe.h"
#include "common/command_ids.h"
#include "common/settings.h"
#include "common/win_text.h"
#include "model/icon_cache.h"
#include "model/win_scan_platform.h"
#include "wait_for.h"

namespace {

std::wstring longForm(const std::string& path) {
    return L"\\\\?\\" + trm::wideOf(path);
}

// Long-path aware, and never into a link: only the link itself goes.
void removeTree(const std::string& path) {
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((longForm(path) + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring wide = found.cFileName;
            if (wide == L"." || wide == L"..") continue;
            const std::string child = path + "\\" + trm::narrowOf(wide);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) continue;  // removed by its test
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(child);
            } else {
                ::SetFileAttributesW(longForm(child).c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileW(longForm(child).c_str());
            }
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    ::SetFileAttributesW(longForm(path).c_str(), FILE_ATTRIBUTE_NORMAL);
    ::RemoveDirectoryW(longForm(path).c_str());
}

FILETIME dayOf2020(int day, int hour = 0) {
    ULARGE_INTEGER value;
    value.QuadPart = 132223104000000000ull + (static_cast<unsigned long long>(day) * 24 + hour) * 36000000000ull;
    FILETIME time;
    time.dwLowDateTime = value.LowPart;
    time.dwHighDateTime = value.HighPart;
    return time;
}

// Wine runs Unix programs too; that is the one way to make a link here. Its
// process handle does not wait for them, so the result is polled for.
bool runUnix(const std::string& commandLine, const std::string& folder, const std::string& path, bool present) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::vector<char> command(commandLine.begin(), commandLine.end());
    command.push_back('\0');
    if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                          &process))
        return false;
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return wintest::waitFor(
        5000, [&]() { return (::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) == present; });
}

class RealFolders : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        ASSERT_NE(::GetTempPathA(MAX_PATH, temp), 0u);
        root = std::string(temp) + "trm_scan_" + std::to_string(::GetCurrentProcessId());
        if (root.back() == '\\') root.pop_back();
        removeTree(root);
        ASSERT_TRUE(::CreateDirectoryA(root.c_str(), nullptr));
        ::GetCurrentDirectoryA(MAX_PATH, startDirectory);
    }
    void TearDown() override {
        ::SetCurrentDirectoryA(startDirectory);
        for (const std::string& link : links) {
            const size_t slash = link.rfind('\\');
            runUnix("Z:\\bin\\rm -f " + link.substr(slash + 1), link.substr(0, slash), link, false);
        }
        removeTree(root);
    }

    std::string at(const std::string& relative) const { return root + "\\" + relative; }
    void folder(const std::string& relative) { ASSERT_TRUE(::CreateDirectoryA(at(relative).c_str(), nullptr)); }
    void file(const std::string& relative, int createdDay = 0, int accessedDay = 0) {
        HANDLE made = ::CreateFileA(at(relative).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        ASSERT_NE(made, INVALID_HANDLE_VALUE) << relative;
        if (createdDay) {
            // Wine reports the last write as the creation time, so both are set.
            const FILETIME created = dayOf2020(createdDay);
            const FILETIME accessed = dayOf2020(accessedDay);
            EXPECT_TRUE(::SetFileTime(made, &created, &accessed, &created));
        }
        ::CloseHandle(made);
    }
    bool makeLink(const std::string& relative, const std::string& target) {
        const size_t slash = relative.rfind('\\');
        links.push_back(at(relative));
        return runUnix("Z:\\bin\\ln -s " + target + " " + relative.substr(slash + 1), at(relative.substr(0, slash)),
                       at(relative), true);
    }
    void hide(const std::string& relative) {
        ASSERT_TRUE(::SetFileAttributesA(at(relative).c_str(), FILE_ATTRIBUTE_HIDDEN));
    }

    trm::FolderNode& scan(const std::string& relative = "") {
        const std::string path = relative.empty() ? root : at(relative);
        EXPECT_TRUE(::SetCurrentDirectoryA(path.c_str()));
        node.path = path;
        trm::scanFolder(node, platform);
        return node;
    }
    std::vector<std::string> names() const {
        std::vector<std::string> result;
        for (const trm::MenuEntry& e : node.entries) result.push_back(e.displayName);
        return result;
    }
    std::string currentDirectory() {
        char buffer[MAX_PATH];
        ::GetCurrentDirectoryA(MAX_PATH, buffer);
        return buffer;
    }

    std::string root;
    std::vector<std::string> links;
    char startDirectory[MAX_PATH] = {};
    trm::Settings settings;
    trm::CommandIds ids;
    trm::FolderNode node{settings, ids};
    trm::WinShortcutPlatform shortcuts{settings};
    trm::IconService icons{settings, shortcuts};
    trm::WinScanPlatform platform{shortcuts, icons};
};

using Names = std::vector<std::string>;

TEST_F(RealFolders, HiddenDotAndOwnNamesAreLeftOut) {
    settings.sort = trm::SortKey::NameNoCase;
    file("b.txt");
    file("A.lnk");
    // This test's own executable, in another case; the product's name is no
    // longer special.
    file("WIN_folder_scanner_test.EXE");
    file("trellimond.exe");
    file(".dotfile");
    file("secret.txt");
    hide("secret.txt");
    folder("Sub");
    folder(".config");
    folder("Hidden");
    hide("Hidden");

    trm::FolderNode& shown = scan();
    EXPECT_EQ(names(), (Names{"A", "b.txt", "secret.txt", "trellimond.exe"}));
    EXPECT_EQ(shown.entries.front().path, at("A.lnk"));
    EXPECT_EQ(shown.entries.front().extension, ".lnk");
    ASSERT_EQ(shown.subfolders.size(), 2u);
    EXPECT_EQ(shown.subfolders[0]->name, "Hidden");
    EXPECT_EQ(shown.subfolders[1]->path, at("Sub"));

    trm::FolderNode withoutHidden(settings, ids);
    settings.noshowhidden = true;
    ::SetCurrentDirectoryA(root.c_str());
    trm::scanFolder(withoutHidden, platform);
    ASSERT_EQ(withoutHidden.entries.size(), 3u);
    EXPECT_EQ(withoutHidden.entries.back().displayName, "trellimond.exe");
    ASSERT_EQ(withoutHidden.subfolders.size(), 1u);
    EXPECT_EQ(withoutHidden.subfolders[0]->name, "Sub");
}

// Under the manifest every name comes back as its UTF-8 bytes, those the
// legacy code page lacks too.
TEST_F(RealFolders, NamesBeyondTheLegacyCodePageComeBackAsUtf8) {
    settings.sort = trm::SortKey::NameBytes;
    const std::string tokyo = "\xE6\x9D\xB1\xE4\xBA\xAC";
    file(tokyo + ".trtest");
    file("caf\xC3\xA9.trtest");
    file("\xCE\xA9mega.trtest");
    folder("M\xC3\xBAsica");

    trm::FolderNode& shown = scan();
    EXPECT_EQ(names(), (Names{"caf\xC3\xA9.trtest", "\xCE\xA9mega.trtest", tokyo + ".trtest"}));
    EXPECT_EQ(shown.entries.back().path, at(tokyo + ".trtest"));
    ASSERT_EQ(shown.subfolders.size(), 1u);
    EXPECT_EQ(shown.subfolders[0]->path, at("M\xC3\xBAsica"));
    trm::WinPathProbe probe;
    EXPECT_TRUE(probe.isExistingDirectory(at("M\xC3\xBAsica")));
    EXPECT_FALSE(probe.isExistingDirectory(at(tokyo + ".trtest")));
}

TEST_F(RealFolders, OneMenuReadsTheNestedFoldersAndComesBack) {
    settings.onlyonemenu = true;
    settings.sort = trm::SortKey::NameBytes;
    folder("one");
    folder("one\\two");
    folder("one\\two\\three");
    file("m.txt");
    file("one\\z.txt");
    file("one\\two\\a.txt");
    file("one\\two\\three\\k.txt");
    scan();
    EXPECT_EQ(names(), (Names{"a.txt", "k.txt", "m.txt", "z.txt"}));
    EXPECT_EQ(node.entries.front().path, at("one\\two\\a.txt"));
    EXPECT_TRUE(node.subfolders.empty());
    EXPECT_EQ(currentDirectory(), root);
}

TEST_F(RealFolders, TimesSetOnTheFilesOrderSortsZeroAndOne) {
    file("first-made.txt", 30, 2);
    file("second-made.txt", 10, 3);
    file("third-made.txt", 20, 1);
    settings.sort = trm::SortKey::Created;
    scan();
    EXPECT_EQ(names(), (Names{"second-made.txt", "third-made.txt", "first-made.txt"}));

    node.entries.clear();
    settings.sort = trm::SortKey::Accessed;
    settings.revsort = true;
    scan();
    EXPECT_EQ(names(), (Names{"second-made.txt", "first-made.txt", "third-made.txt"}));
}

TEST_F(RealFolders, PathsLongerThanTheClassicLimit) {
    const std::string deep = std::string(90, 'd') + "\\" + std::string(60, 'e');
    folder(std::string(90, 'd'));
    folder(deep);
    ASSERT_TRUE(::SetCurrentDirectoryA(at(deep).c_str()));
    const std::string longName = std::string(100, 'f') + ".txt";
    HANDLE made = ::CreateFileA(longName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(made, INVALID_HANDLE_VALUE);
    ::CloseHandle(made);
    const std::string longFolder = at(deep) + "\\" + std::string(100, 'g');
    const bool madeLongFolder = ::CreateDirectoryW(longForm(longFolder).c_str(), nullptr) != FALSE;

    scan(deep);
    ASSERT_EQ(node.entries.size(), 1u);
    EXPECT_GT(node.entries.front().path.size(), 260u);
    EXPECT_EQ(node.entries.front().path, at(deep) + "\\" + longName);
    if (madeLongFolder) {
        ASSERT_EQ(node.subfolders.size(), 1u);
        EXPECT_EQ(node.subfolders[0]->path, longFolder);
    }

    // A folder that cannot become the current directory is left out of one menu.
    trm::FolderNode flat(settings, ids);
    settings.onlyonemenu = true;
    ::SetCurrentDirectoryA(at(deep).c_str());
    trm::scanFolder(flat, platform);
    EXPECT_EQ(flat.entries.size(), 1u);
    EXPECT_EQ(currentDirectory(), at(deep));
}

TEST_F(RealFolders, OneMenuDoesNotFollowALinkBackToAnAncestor) {
    if (::GetFileAttributesA("Z:\\bin\\ln") == INVALID_FILE_ATTRIBUTES) GTEST_SKIP() << "no way to make a link";
    settings.onlyonemenu = true;
    settings.sort = trm::SortKey::NameBytes;
    folder("a");
    folder("a\\b");
    folder("c");
    file("top.txt");
    file("a\\b\\deep.txt");
    file("c\\side.txt");
    ASSERT_TRUE(makeLink("a\\b\\up", "../.."));
    ASSERT_TRUE(makeLink("a\\sidelink", "../c"));
    // How this Wine shows a symbolic link to a folder.
    EXPECT_EQ(::GetFileAttributesA(at("a\\b\\up").c_str()),
              DWORD(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT));

    scan();
    EXPECT_EQ(names(), (Names{"deep.txt", "side.txt", "side.txt", "top.txt"}));
    EXPECT_EQ(currentDirectory(), root);
}

}  // namespace
