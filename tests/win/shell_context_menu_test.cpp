// The shell's context menu for a file or folder, tracked on a thread of its
// own and on the caller's thread: keys posted to its window choose a command
// or dismiss it; what the command opened is logged by the test prefix's
// recorder; the last command is announced; a path the shell cannot parse
// shows nothing.
#include "launch/shell_context_menu.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <ole2.h>

#include <algorithm>
#include <functional>
#include <string>

#include "fixture_folder.h"
#include "launch/menu_thread_wait.h"
#include "menu_typist.h"
#include "wait_for.h"

namespace {

class ShellContextMenuTest : public ::testing::TestWithParam<bool> {
protected:
    ShellContextMenuTest() : tree("shellmenu") {
        ::OleInitialize(nullptr);
        tree.file("a.txt");
        tree.folder("Sub");
        ::SetEnvironmentVariableA("TRM_RECORDER_LOG", tree.at("recorder.log").c_str());
        owner = ::CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    }
    ~ShellContextMenuTest() override {
        ::DestroyWindow(owner);
        ::OleUninitialize();
    }

    bool show(const std::string& path) {
        trm::ShellContextMenuCall call{owner, owner, path, 200, 200, GetParam(), [this]() { ++lastCommands; }, {}};
        return trm::showShellContextMenu(call);
    }
    // What the recorder logged once `lines` lines are there or 10 s have passed.
    std::string recorded(int lines) const {
        std::string log;
        wintest::waitFor(10000, [&]() {
            log = tree.read("recorder.log");
            return std::count(log.begin(), log.end(), '\n') >= lines;
        });
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

TEST_P(ShellContextMenuTest, TheLastCommandIsAnnounced) {
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

// A thread of the system's own, whose handle the wait takes; joined at the end of scope.
class Thread {
public:
    explicit Thread(std::function<void()> work)
        : work(std::move(work)), handle(::CreateThread(nullptr, 0, run, this, 0, nullptr)) {}
    ~Thread() {
        ::WaitForSingleObject(handle, INFINITE);
        ::CloseHandle(handle);
    }
    HANDLE get() const { return handle; }

private:
    static DWORD WINAPI run(void* self) {
        static_cast<Thread*>(self)->work();
        return 0;
    }
    std::function<void()> work;
    HANDLE handle;
};

// The wait for the menu's thread answers what other threads send to this
// one, closes the shell's menu once the launcher's has ended, and gives up on
// a thread that does not end after that, unless it is carrying out a command.
TEST(MenuThreadWait, AnswersSentMessagesAndNeverWaitsOnAClosedMenuForever) {
    const HWND window =
        ::CreateWindowExA(0, "STATIC", "waiting", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    DWORD_PTR answer = 0;
    trm::MenuThreadWatch watch;
    {
        // A plain SendMessage would hang for good on a wait that answers
        // nothing; with a time-out the test fails instead.
        Thread sender([&]() { ::SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 5000, &answer); });
        EXPECT_EQ(trm::waitForMenuThread(sender.get(), watch), trm::MenuThreadEnd::finished);
    }
    EXPECT_EQ(answer, 7u) << "the sent message was not answered during the wait";

    const HANDLE closed = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    int checks = 0, closeRequests = 0;
    watch.launcherMenuEnded = [&checks]() { return ++checks >= 3; };
    watch.closeShellMenu = [&]() {
        ++closeRequests;
        ::SetEvent(closed);
    };
    watch.checkEveryMilliseconds = 20;
    {
        Thread closing([closed]() { ::WaitForSingleObject(closed, 10000); });
        EXPECT_EQ(trm::waitForMenuThread(closing.get(), watch), trm::MenuThreadEnd::finished);
    }
    EXPECT_EQ(closeRequests, 1);

    const HANDLE never = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    watch.closeShellMenu = [] {};
    watch.graceMilliseconds = 200;
    {
        Thread stuck([never]() { ::WaitForSingleObject(never, 10000); });
        const DWORD started = ::GetTickCount();
        EXPECT_EQ(trm::waitForMenuThread(stuck.get(), watch), trm::MenuThreadEnd::abandoned);
        EXPECT_LT(::GetTickCount() - started, 5000u);
        ::SetEvent(never);
    }
    watch.carryingOut = [] { return true; };
    {
        Thread commanding([]() { ::Sleep(600); });
        EXPECT_EQ(trm::waitForMenuThread(commanding.get(), watch), trm::MenuThreadEnd::finished);
    }
    ::CloseHandle(never);
    ::CloseHandle(closed);
    ::DestroyWindow(window);
}

INSTANTIATE_TEST_SUITE_P(Threads, ShellContextMenuTest, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "OwnThread" : "CallersThread");
                         });

}  // namespace
