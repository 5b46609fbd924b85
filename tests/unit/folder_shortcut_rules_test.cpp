#include "app/folder_shortcut_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(FolderShortcutNames, TheShownNameMadeAFileName) {
    const struct {
        const char* shown;
        const char* stem;
    } names[] = {
        {"Games", "Games"},
        {"Local Disk (C:)", "Local Disk (C_)"},
        {"a/b\\c*?\"<>|d", "a_b_c______d"},
        {"tab\there", "tab_here"},
        {"Trailing. .", "Trailing"},
        {"...", "Folder"},
        {"", "Folder"},
    };
    for (const auto& name : names) EXPECT_EQ(trm::shortcutStem(name.shown), name.stem) << name.shown;
}

TEST(FolderShortcutNames, NumberedAndNamedOnTheCommandLine) {
    EXPECT_EQ(trm::numberedShortcutName("Games", 1), "Games.lnk");
    EXPECT_EQ(trm::numberedShortcutName("Games", 2), "Games (2).lnk");
    EXPECT_EQ(trm::stemOfShortcutName("Games.LNK"), "Games");
    EXPECT_EQ(trm::stemOfShortcutName("Games.txt"), "Games.txt");
    EXPECT_EQ(trm::stemOfShortcutName(".lnk"), ".lnk");
}

}  // namespace
