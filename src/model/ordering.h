// The two orderings of a folder's contents, chosen by the `sort` setting and
// reversed by `revsort`. Both are applied by sorted insertion while scanning:
// a newcomer goes before the first element it strictly precedes, so equal
// keys keep the order in which they were added.
#pragma once

#include "common/settings.h"
#include "model/menu_entry.h"

namespace trm {

struct FolderNode;

// <0, 0, >0 comparing the keys of two entries under `sort`; 0 for a number
// that names no key.
int compareEntries(const MenuEntry& a, const MenuEntry& b, SortKey sort);

// The same for sub-folders, which have keys only for the times and names.
int compareFolders(const FolderNode& a, const FolderNode& b, SortKey sort);

inline bool entriesAreSorted(SortKey sort) {
    return sort >= SortKey::Created && sort <= SortKey::ExtensionBytes;
}
inline bool foldersAreSorted(SortKey sort) {
    return sort >= SortKey::Created && sort <= SortKey::NameBytes;
}
// Among the sorted ones: names and extensions are texts, the rest times.
inline bool sortsByText(SortKey sort) {
    return sort >= SortKey::NameNoCase;
}

// "a strictly precedes b": a strict weak order on entries for one setting.
struct EntryOrder {
    SortKey sort = SortKey::Created;
    bool revsort = false;

    bool operator()(const MenuEntry& a, const MenuEntry& b) const {
        const int result = compareEntries(a, b, sort);
        return revsort ? result > 0 : result < 0;
    }
    bool operator==(const EntryOrder& other) const { return sort == other.sort && revsort == other.revsort; }
};

struct FolderOrder {
    SortKey sort = SortKey::Created;
    bool revsort = false;

    bool operator()(const FolderNode& a, const FolderNode& b) const {
        const int result = compareFolders(a, b, sort);
        return revsort ? result > 0 : result < 0;
    }
};

}  // namespace trm
