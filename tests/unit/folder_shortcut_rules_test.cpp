#include "app/folder_shortcut_rules.h"

#include <gtest/gtest.h>

TEST(FolderShortcutNames, TheShownNameMadeAFileName) {
    EXPECT_EQ(trm::shortcutStem("Local Disk (C:)"), "Local Disk (C_)");
    EXPECT_EQ(trm::shortcutStem("a/b\\c*?\"<>|\td"), "a_b_c_______d");
    EXPECT_EQ(trm::shortcutStem("Trailing. ."), "Trailing");
    EXPECT_EQ(trm::shortcutStem("..."), "Folder");
    EXPECT_EQ(trm::numberedShortcutName("Games", 2), "Games (2).lnk");
    EXPECT_EQ(trm::stemOfShortcutName("Games.LNK"), "Games");
    EXPECT_EQ(trm::stemOfShortcutName("Games.txt"), "Games.txt");
}
