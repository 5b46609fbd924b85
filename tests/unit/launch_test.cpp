#include <gtest/gtest.h>

#include "launch/error_messages.h"
#include "launch/launch_policy.h"

namespace {

// The box's words for each code the shell documents (Microsoft's
// descriptions) and no box for other codes. The boxes a test can provoke
// here (codes 2 and 31, captioned "Information") are read off the screen by
// the end-to-end cases.
TEST(ErrorText, EachDocumentedCodeInTheShellsWordsAndNoOther) {
    const struct {
        int code;
        const char* text;
    } cases[] = {
        {0, "The operating system is out of memory or resources."},
        {3, "The specified path was not found."},
        {5, "The operating system denied access to the specified file."},
        {8, "There was not enough memory to complete the operation."},
        {11, "The .exe file is invalid (non-Win32 .exe or error in .exe image)."},
        {26, "A sharing violation occurred."},
        {27, "The file name association is incomplete or invalid."},
        {28, "The DDE transaction could not be completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30, "The DDE transaction could not be completed because other DDE transactions were being processed."},
        {32, "The specified dynamic-link library was not found."},
    };
    for (const auto& c : cases) EXPECT_EQ(trm::errorText(c.code), c.text) << c.code;
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
