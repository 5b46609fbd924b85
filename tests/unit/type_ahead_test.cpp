#include "presentation/type_ahead.h"

#include <gtest/gtest.h>

namespace {

using trm::TypeAheadItem;

// A menu as the user sees it: a title, sub-folders, a separator, files.
const std::vector<TypeAheadItem> menu = {
    {"Music", false},           // 0 title
    {"Backup", true},           // 1
    {"banana.txt", true},       // 2
    {"", false},                // 3 separator
    {"Blue Monday.mp3", true},  // 4
    {"2nd take.wav", true},     // 5
    {"\xE9t\xE9.txt", true},    // 6
    {"mb", false},              // 7 column break
    {"Bar", true},              // 8
    {"notes.txt", true},        // 9
};

TEST(TypeAheadTarget, FindsTheNextMatchAndWraps) {
    struct Case {
        std::string typed;
        int current;
        int expected;
    };
    const Case cases[] = {
        {"b", -1, 1},     // nothing selected: from the top
        {"b", 1, 2},      // the next one after the selection
        {"B", 2, 4},      // A-Z folded both ways
        {"b", 8, 1},      // wraps past the end
        {"n", 9, 9},      // the only match is the selection itself
        {"2", -1, 5},     // a name beginning with a digit
        {"\xE9", 0, 6},   // a non-ASCII first byte
        {"\xC9", 0, -1},  // ... which is not case-folded
        {"m", -1, -1},    // the title "Music" and the break "mb" cannot be selected
        {"x", 4, -1},     // no match
        {"b", 42, 1},     // a selection outside the menu counts as none
    };
    for (const Case& c : cases) EXPECT_EQ(trm::typeAheadTarget(menu, c.typed, c.current), c.expected) << c.typed;
    EXPECT_EQ(trm::typeAheadTarget({}, "b", -1), -1);
    EXPECT_EQ(trm::typeAheadTarget(menu, "", 1), -1);
}

TEST(TypeAheadTarget, LongerTextsStayWhileTheSelectionStillMatches) {
    EXPECT_EQ(trm::typeAheadTarget(menu, "ba", 1), 1);   // Backup still matches
    EXPECT_EQ(trm::typeAheadTarget(menu, "ban", 1), 2);  // then banana
    EXPECT_EQ(trm::typeAheadTarget(menu, "bl", 1), 4);
    EXPECT_EQ(trm::typeAheadTarget(menu, "bar", 2), 8);
    EXPECT_EQ(trm::typeAheadTarget(menu, "BACK", 9), 1);               // wraps
    EXPECT_EQ(trm::typeAheadTarget(menu, "blue monday.mp3x", 4), -1);  // longer than the name
}

TEST(TypeAheadTarget, OneCharacterTypedAgainCyclesThroughItsItems) {
    int selected = -1;
    std::vector<int> visited;
    std::string typed;
    for (int i = 0; i < 5; ++i) {
        typed += 'b';
        selected = trm::typeAheadTarget(menu, typed, selected);
        visited.push_back(selected);
    }
    EXPECT_EQ(visited, (std::vector<int>{1, 2, 4, 8, 1}));
}

TEST(TypedPrefix, GrowsWithinTheDelayAndStartsAfreshAfterIt) {
    trm::TypedPrefix prefix;
    EXPECT_EQ(prefix.add('b', 7, 1000, 1000), "b");
    EXPECT_EQ(prefix.add('l', 7, 1900, 1000), "bl");
    EXPECT_EQ(prefix.add('u', 7, 2900, 1000), "blu");  // exactly the delay still counts
    EXPECT_EQ(prefix.add('e', 7, 3901, 1000), "e");
    EXPECT_EQ(prefix.add('x', 8, 3902, 1000), "x") << "another menu";
    // The clock wraps after 49.7 days.
    EXPECT_EQ(prefix.add('a', 8, 0xFFFFFF00u, 1000), "a");
    EXPECT_EQ(prefix.add('b', 8, 0x00000100u, 1000), "ab");
    for (int i = 0; i < 1000; ++i) prefix.add('z', 8, 0x200u, 1000);
    EXPECT_EQ(prefix.add('z', 8, 0x200u, 1000).size(), 260u) << "a key held down";
}

}  // namespace
