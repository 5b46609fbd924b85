// The shell's context menu for a file or folder, tracked on a thread of its
// own and on the caller's thread: keys posted to its window choose a command
// or dismiss it; what the command opened is logged by the test prefix's
// recorder; the last command is announced before it runs; a path the shell
// cannot parse shows nothing.
#include "launch/shell_context_menu.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <objbase.h>

#include <string>

#include "fixture_folder.h"
#include "menu_typist.h"

namespace {

class ShellContextMenuTest : public ::testing::TestWithParam<bool> {
protected:
    ShellContextMenuTest() : tree("shellmenu") {
        ::CoInitialize(nullptr);
        tree.file("a.txt");
        tree.folder("Sub");
        ::SetEnvironmentVariableA("TRM_RECORDER_LOG", tree.at("recorder.log").c_str());
        owner = ::CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }
    ~ShellContextMenuTest() override {
        ::DestroyWindow(owner);
        ::CoUninitialize();
    }

    bool show(const std::string& path) {
        trm::ShellContextMenuCall call{owner, owner, path, 200, 200, GetParam(), [this]() { ++lastCommands; }};
        return trm::showShellContextMenu(call);
    }
    // What the recorder logged once `lines` lines are there or 10 s have passed.
    std::string recorded(int lines) const {
        std::string log;
        for (int waited = 0; waited < 100; ++waited) {
            log = tree.read("recorder.log");
            int count = 0;
            for (char c : log) count += c == '\n';
            if (count >= lines) break;
            ::Sleep(100);
        }
        return log;
    }

    wintest::FixtureFolder tree;
    HWND owner = nullptr;
    int lastCommands = 0;
};

TEST_P(ShellContextMenuTest, ACommandChosenIsCarriedOutAndADismissedMenuCarriesOutNothing) {
    {
        wintest::MenuTypist typist({VK_ESCAPE});
        EXPECT_FALSE(show(tree.at("Sub")));
        EXPECT_TRUE(typist.menuSeen);
    }
    // Wine's menu for a folder begins with Explore and Open.
    wintest::MenuTypist typist({VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_TRUE(show(tree.at("Sub")));
    EXPECT_EQ(recorded(1), tree.at("Sub") + "\r\n") << "one line: the dismissed menu opened nothing";
    EXPECT_EQ(lastCommands, 0) << "only the last command is announced";
}

TEST_P(ShellContextMenuTest, TheLastCommandIsAnnouncedBeforeItRuns) {
    wintest::MenuTypist typist({VK_UP, VK_RETURN}, "Properties for a.txt");
    EXPECT_TRUE(show(tree.at("a.txt")));
    EXPECT_TRUE(typist.windowClosed) << "Properties showed the file's sheet";
    EXPECT_EQ(lastCommands, 1);
}

TEST_P(ShellContextMenuTest, APathTheShellCannotParseShowsNothing) {
    for (const std::string& path : {tree.at("gone.txt"), tree.at(std::string(300, 'x'))}) {
        wintest::MenuTypist typist({VK_ESCAPE}, std::string(), 1500);  // dismisses a menu that should not be there
        EXPECT_FALSE(show(path));
        EXPECT_FALSE(typist.menuSeen) << path;
    }
}

INSTANTIATE_TEST_SUITE_P(Threads, ShellContextMenuTest, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "OwnThread" : "CallersThread");
                         });

}  // namespace
