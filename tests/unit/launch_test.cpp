#include <gtest/gtest.h>

#include "launch/error_messages.h"
#include "launch/launch_policy.h"

namespace {

TEST(ErrorText, EveryListedCodeHasItsMessage) {
    EXPECT_EQ(trm::errorText(0), "The operating system is out of memory or resources.");
    EXPECT_EQ(trm::errorText(2), "The specified file was not found.");
    EXPECT_EQ(trm::errorText(3), "The specified path was not found.");
    EXPECT_EQ(trm::errorText(5), "The operating system denied access to the specified file.");
    EXPECT_EQ(trm::errorText(8), "There was not enough memory to complete the operation.");
    EXPECT_EQ(trm::errorText(11), "The .exe file is invalid (non-Win32 .exe or error in .exe image).");
    EXPECT_EQ(trm::errorText(26), "A sharing violation occurred.");
    EXPECT_EQ(trm::errorText(27), "The file name association is incomplete or invalid.");
    EXPECT_EQ(trm::errorText(28), "The DDE transaction could not be completed because the request timed out.");
    EXPECT_EQ(trm::errorText(29), "The DDE transaction failed.");
    EXPECT_EQ(trm::errorText(30),
              "The DDE transaction could not be completed because other DDE transactions were being processed.");
    EXPECT_EQ(trm::errorText(31), "There is no application associated with the given file name extension.");
    EXPECT_EQ(trm::errorText(32), "The specified dynamic-link library was not found.");
    EXPECT_STREQ(trm::messageCaption, "Information");
}

TEST(ErrorText, UnlistedCodesAndSuccessHaveNone) {
    for (int code : {-1, 1, 4, 6, 7, 9, 10, 12, 25, 33, 42, 1000}) EXPECT_EQ(trm::errorText(code), "") << code;
}

TEST(PendingOpenPath, OnlyThePendingPathMayOpenOnceOneIsSet) {
    EXPECT_TRUE(trm::mayOpenPath("C:\\Anything", ""));
    EXPECT_TRUE(trm::mayOpenPath("c:\\stuff", "C:\\Stuff"));
    EXPECT_FALSE(trm::mayOpenPath("C:\\Other", "C:\\Stuff"));
    EXPECT_FALSE(trm::mayOpenPath("C:\\Stuff\\", "C:\\Stuff"));
}

TEST(ShellExecuteModeChoice, WindowsUsesTheItemListOnTheShortPath) {
    const trm::ShellExecuteMode windows = trm::shellExecuteModeFor(false);
    EXPECT_EQ(windows.mask, 0x10Cu);
    EXPECT_TRUE(windows.useShortPath);
}

TEST(ShellExecuteModeChoice, WineUsesDdeWaitAloneOnTheLongPath) {
    const trm::ShellExecuteMode wine = trm::shellExecuteModeFor(true);
    EXPECT_EQ(wine.mask, 0x100u);
    EXPECT_FALSE(wine.useShortPath);
}

TEST(ShellContextMenu, TheLastCommandKeepsTheProcessAtLeastTenSeconds) {
    const struct {
        int before, after;
    } cases[] = {{0, 10000}, {-5, 10000}, {2000, 10000}, {10000, 10000}, {10001, 10001}, {30000, 30000}};
    for (const auto& c : cases) EXPECT_EQ(trm::waitToDieAfterLastCommand(c.before), c.after) << c.before;
}

}  // namespace
