#include "model/ordering.h"

#include <gtest/gtest.h>

#include <iterator>
#include <list>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "common/command_ids.h"
#include "common/settings.h"
#include "model/folder_node.h"

namespace {

// The sort as the user types it.
trm::SortKey key(int sort) {
    return static_cast<trm::SortKey>(sort);
}

trm::MenuEntry entry(int id, const std::string& name, uint64_t created = 0, const std::string& extension = "") {
    trm::MenuEntry made;
    made.id = id;
    made.displayName = name;
    made.extension = extension;
    made.created = trm::FileTime{static_cast<uint32_t>(created), static_cast<uint32_t>(created >> 32)};
    made.accessed = trm::FileTime{static_cast<uint32_t>(created >> 8), static_cast<uint32_t>(created >> 40)};
    return made;
}

std::vector<std::string> namesOf(const trm::EntryList& entries) {
    std::vector<std::string> names;
    for (const trm::MenuEntry& e : entries) names.push_back(e.displayName);
    return names;
}

TEST(EntryKeys, EachSortComparesItsOwnKey) {
    const trm::MenuEntry low = entry(1, "a", 0x1'00000000ull, ".Z");
    const trm::MenuEntry high = entry(2, "B", 0x0'FFFFFFFFull, ".a");
    EXPECT_GT(trm::compareEntries(low, high, key(0)), 0);  // the high half decides
    EXPECT_LT(trm::compareEntries(low, high, key(2)), 0);  // a < b without regard to case
    EXPECT_GT(trm::compareEntries(low, high, key(3)), 0);  // 'a' > 'B' by byte
    EXPECT_GT(trm::compareEntries(low, high, key(4)), 0);
    EXPECT_LT(trm::compareEntries(low, high, key(5)), 0);
    EXPECT_EQ(trm::compareEntries(low, high, key(6)), 0);
    EXPECT_GT(trm::compareEntries(entry(3, "\xE9"), entry(4, "z"), key(3)), 0);  // bytes are unsigned
}

TEST(SortedInsertion, EqualKeysKeepTheirOrderUnderRevsortToo) {
    trm::EntryList entries;
    for (const char* name : {"b", "A", "a"}) entries.insertSorted(entry(0, name), trm::SortKey::NameNoCase, true);
    EXPECT_EQ(namesOf(entries), (std::vector<std::string>{"b", "A", "a"}));

    trm::EntryList byTime;
    for (const char* name : {"x", "y", "z"}) byTime.insertSorted(entry(0, name, 5), trm::SortKey::Created, false);
    byTime.insertSorted(entry(0, "early", 4), trm::SortKey::Created, false);
    EXPECT_EQ(namesOf(byTime), (std::vector<std::string>{"early", "x", "y", "z"}));

    for (int unsorted : {7, -1}) {
        trm::EntryList kept;
        for (const char* name : {"c", "a", "b"}) kept.insertSorted(entry(0, name), key(unsorted), false);
        EXPECT_EQ(namesOf(kept), (std::vector<std::string>{"c", "a", "b"}));
    }
}

// The straightforward rule: walk from the front, stop at the first entry
// the newcomer strictly precedes.
void referenceInsert(std::list<int>& ids, const std::vector<trm::MenuEntry>& all, int id, trm::EntryOrder order) {
    auto it = ids.begin();
    while (it != ids.end() && !order(all[id], all[*it])) ++it;
    ids.insert(it, id);
}

TEST(SortedInsertion, MatchesTheLinearWalkWhateverElseTheListHolds) {
    // Texts of eight bytes and more that agree at first, to reach past any shortcut on their beginnings.
    const char* const names[] = {"a", "A", "b", "ab", "", "\xE9", "Explore", "abcdefgh", "ABCDEFGHz", "abcdefghZ"};
    // Texts that tie on their first eight bytes and more; the last differs only by its length.
    using namespace std::string_literals;
    const std::string tied[] = {"abcdefgh", "abcdefghz", "abcdefghABCDEFGHi", "abcdefghabcdefghJ", "abcdefgh\0"s};
    const char* const extensions[] = {"", ".a", ".A", ".b", ".ab", ".\xE9", ".abcdefgh", ".ABCDEFGx", ".abcdefgX"};
    for (int sort = 0; sort <= 5; ++sort) {
        for (bool revsort : {false, true}) {
            for (unsigned seed = 1; seed <= 40; ++seed) {
                std::mt19937 random(seed * 7919 + sort * 2 + revsort);
                const trm::EntryOrder order{key(sort), revsort};
                std::vector<trm::MenuEntry> all;
                std::list<int> expected;
                trm::EntryList entries;
                // Where each entry was handed out: it must stay there.
                std::vector<const trm::MenuEntry*> address;
                // Every third run sees few other operations, so that many sorted insertions come together;
                // for half the orders (each key, either direction) the first sees none until over a thousand
                // have come, all with tied names.
                const bool calm = seed == 1 && (sort + revsort) % 2 == 0;
                const unsigned scale = calm ? 1000000 : seed % 3 ? 100 : 1000;
                const auto matches = [&](int step) {
                    const trm::EntryList& view = entries;
                    std::vector<int> got;
                    for (const trm::MenuEntry& e : view) {
                        got.push_back(e.id);
                        if (&e != address[e.id])
                            return ::testing::AssertionFailure()
                                   << "entry " << e.id << " is not where it was handed out";
                    }
                    if (got == std::vector<int>(expected.begin(), expected.end())) return ::testing::AssertionSuccess();
                    return ::testing::AssertionFailure() << "order differs after step " << step;
                };
                const int steps =
                    calm ? 1100 + static_cast<int>(random() % 100) : 20 + static_cast<int>(random() % 300);
                for (int id = 0; id < steps; ++id) {
                    // Few distinct keys, so that ties are common; times differ in either half.
                    const uint64_t time = (random() % 4) << (random() % 2 ? 32 : 0);
                    const unsigned pick = calm ? 10 + random() % 5 : random() % 15;
                    const std::string name = pick < 10 ? names[pick] : tied[pick - 10];
                    all.push_back(entry(id, name, time, extensions[random() % 9]));
                    trm::MenuEntry copy = entry(id, all[id].displayName, time, all[id].extension);
                    const unsigned action = random() % scale;
                    if (action < 6) {
                        expected.push_front(id);
                        address.push_back(&entries.push_front(std::move(copy)));
                    } else if (action < 12) {
                        expected.push_back(id);
                        address.push_back(&entries.push_back(std::move(copy)));
                    } else if (action < 14 && !expected.empty()) {
                        // Changes the index cannot follow: an insertion at an arbitrary place, an erase.
                        const size_t at = random() % expected.size();
                        if (action == 12) {
                            expected.insert(std::next(expected.begin(), at), id);
                            address.push_back(&*entries.insert(std::next(entries.begin(), at), std::move(copy)));
                        } else {
                            expected.erase(std::next(expected.begin(), at));
                            entries.erase(std::next(entries.begin(), at));
                            address.push_back(nullptr);
                        }
                    } else if (action < 16) {
                        // Another order in the same list, one without a key included.
                        const trm::EntryOrder other{key(static_cast<int>(random() % 7)), random() % 2 == 0};
                        referenceInsert(expected, all, id, other);
                        address.push_back(&entries.insertSorted(std::move(copy), other.sort, other.revsort));
                    } else {
                        referenceInsert(expected, all, id, order);
                        address.push_back(&entries.insertSorted(std::move(copy), key(sort), revsort));
                    }
                    // Reads between insertions.
                    if (calm ? id == 1030 : random() % 20 == 0) {
                        ASSERT_TRUE(matches(id)) << "sort " << sort << " revsort " << revsort << " seed " << seed;
                    }
                    ASSERT_EQ(entries.size(), expected.size());
                }
                ASSERT_TRUE(matches(steps)) << "sort " << sort << " revsort " << revsort << " seed " << seed;
            }
        }
    }
}

trm::CommandIds ids;

std::unique_ptr<trm::FolderNode> folder(const trm::Settings& settings, const std::string& name, uint64_t time = 0) {
    auto node = std::make_unique<trm::FolderNode>(settings, ids);
    node->name = name;
    node->created = trm::FileTime{static_cast<uint32_t>(time), static_cast<uint32_t>(time >> 32)};
    node->accessed = trm::FileTime{static_cast<uint32_t>(time * 3 % 5), 0};
    return node;
}

std::vector<std::string> folderNames(const trm::FolderNode& node) {
    std::vector<std::string> names;
    for (const auto& sub : node.subfolders) names.push_back(sub->name);
    return names;
}

TEST(FolderOrdering, MatchesTheLinearWalkForEveryFolderKey) {
    const char* const names[] = {"a", "A", "b", "B", "ab", "\xE9"};
    for (int sort = 0; sort <= 4; ++sort) {
        for (bool revsort : {false, true}) {
            trm::Settings settings;
            settings.sort = key(sort);
            settings.revsort = revsort;
            const trm::FolderOrder order{key(sort), revsort};
            std::mt19937 random(sort * 2 + revsort);
            trm::FolderNode parent(settings, ids);
            std::vector<std::unique_ptr<trm::FolderNode>> expected;
            for (int i = 0; i < 200; ++i) {
                const std::string name = std::string(names[random() % 6]) + (i % 2 ? "" : " ");
                const uint64_t time = random() % 5;
                auto reference = folder(settings, name, time);
                auto it = sort <= 3 ? expected.begin() : expected.end();
                while (it != expected.end() && !order(*reference, **it)) ++it;
                expected.insert(it, std::move(reference));
                trm::addSubfolder(parent, folder(settings, name, time));
            }
            std::vector<std::string> want;
            for (const auto& sub : expected) want.push_back(sub->name + "/" + std::to_string(sub->created.low));
            std::vector<std::string> got;
            for (const auto& sub : parent.subfolders) got.push_back(sub->name + "/" + std::to_string(sub->created.low));
            ASSERT_EQ(got, want) << "sort " << sort << " revsort " << revsort;
        }
    }
}

// Byte order puts every capital before every small letter, and "_" between them.
TEST(FolderOrdering, ByNameWithAndWithoutRegardToCase) {
    using Names = std::vector<std::string>;
    const struct {
        trm::SortKey sort;
        bool revsort;
        Names expected;
    } cases[] = {{trm::SortKey::NameNoCase, false, {"_x", "apple", "Banana", "cherry", "Date"}},
                 {trm::SortKey::NameBytes, false, {"Banana", "Date", "_x", "apple", "cherry"}},
                 {trm::SortKey::NameBytes, true, {"cherry", "apple", "_x", "Date", "Banana"}}};
    for (const auto& c : cases) {
        trm::Settings settings;
        settings.sort = c.sort;
        settings.revsort = c.revsort;
        trm::FolderNode parent(settings, ids);
        for (const char* name : {"cherry", "Date", "apple", "_x", "Banana"})
            trm::addSubfolder(parent, folder(settings, name));
        EXPECT_EQ(folderNames(parent), c.expected) << "sort " << static_cast<int>(c.sort) << " revsort " << c.revsort;
    }
}

TEST(FolderOrdering, InsertsOneSlotOrNothingWithOneMenu) {
    trm::Settings settings;
    settings.sort = trm::SortKey::NameNoCase;
    trm::FolderNode parent(settings, ids);
    for (const char* name : {"b", "c", "d"}) trm::addSubfolder(parent, folder(settings, name));
    trm::FolderNode* first = trm::addSubfolder(parent, folder(settings, "a"));
    EXPECT_EQ(folderNames(parent), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(first, parent.subfolders[0].get());

    settings.sort = trm::SortKey::ExtensionNoCase;  // folders have no extension: scan order
    trm::addSubfolder(parent, folder(settings, "0"));
    EXPECT_EQ(parent.subfolders.back()->name, "0");

    settings.onlyonemenu = true;
    EXPECT_EQ(trm::addSubfolder(parent, folder(settings, "e")), nullptr);
    EXPECT_EQ(parent.subfolders.size(), 5u);
}

}  // namespace
