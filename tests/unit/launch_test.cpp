#include <gtest/gtest.h>

#include <set>
#include <string>

#include "launch/error_messages.h"
#include "launch/launch_policy.h"

namespace {

// A box of its own words for each code the shell documents and none for
// other codes; the words the README quotes are checked here, the boxes a
// test can provoke (codes 2 and 31, captioned "Information") on the screen
// by the end-to-end cases.
TEST(ErrorText, EachDocumentedCodeHasItsOwnSentenceAndNoOtherHasOne) {
    std::set<std::string> texts;
    for (int code : {0, 2, 3, 5, 8, 11, 26, 27, 28, 29, 30, 31, 32}) {
        const std::string text = trm::errorText(code);
        EXPECT_TRUE(texts.insert(text).second && text.size() > 20 && text.back() == '.') << code << " " << text;
    }
    EXPECT_EQ(trm::errorText(8), "There was not enough memory to complete the operation.");
    for (int code : {-1, 1, 4, 6, 7, 9, 10, 12, 25, 33, 42, 1000}) EXPECT_EQ(trm::errorText(code), "") << code;
}

TEST(PendingOpenPath, OnlyThePendingPathMayOpenOnceOneIsSet) {
    EXPECT_TRUE(trm::mayOpenPath("C:\\Anything", ""));
    EXPECT_TRUE(trm::mayOpenPath("c:\\stuff", "C:\\Stuff"));
    EXPECT_FALSE(trm::mayOpenPath("C:\\Other", "C:\\Stuff"));
    EXPECT_FALSE(trm::mayOpenPath("C:\\Stuff\\", "C:\\Stuff"));
}

// On Windows: shellapi.h's SEE_MASK_INVOKEIDLIST and SEE_MASK_FLAG_DDEWAIT.
// Under Wine the other mode opens files and folders, as the end-to-end
// cases see (a long name whole, an empty folder's entry).
TEST(ShellExecuteModeChoice, WindowsUsesTheItemListOnTheShortPath) {
    const unsigned long seeMaskInvokeIdList = 0x0000000C, seeMaskFlagDdeWait = 0x00000100;
    const trm::ShellExecuteMode windows = trm::shellExecuteModeFor(false);
    EXPECT_EQ(windows.mask, seeMaskInvokeIdList | seeMaskFlagDdeWait);
    EXPECT_TRUE(windows.useShortPath);
}

TEST(ShellContextMenu, TheLastCommandKeepsTheProcessAtLeastTenSeconds) {
    const struct {
        int before, after;
    } cases[] = {{0, 10000}, {-5, 10000}, {2000, 10000}, {10000, 10000}, {10001, 10001}, {30000, 30000}};
    for (const auto& c : cases) EXPECT_EQ(trm::waitToDieAfterLastCommand(c.before), c.after) << c.before;
}

}  // namespace
