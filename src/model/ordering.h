// The two orderings of a folder's contents, chosen by the `sort` setting and
// reversed by `revsort`. Both are applied by sorted insertion while scanning:
// a newcomer goes before the first element it strictly precedes, so equal
// keys keep the order in which they were added.
#pragma once

#include "model/menu_entry.h"

namespace trm {

struct FolderNode;

// <0, 0, >0 comparing the keys of two entries under `sort` (0-5); 0 for any
// other value.
int compareEntries(const MenuEntry& a, const MenuEntry& b, int sort);

// The same for sub-folders, which have keys only for `sort` 0-3.
int compareFolders(const FolderNode& a, const FolderNode& b, int sort);

inline bool entriesAreSorted(int sort) {
    return sort >= 0 && sort <= 5;
}
inline bool foldersAreSorted(int sort) {
    return sort >= 0 && sort <= 3;
}

// "a strictly precedes b": a strict weak order on entries for one setting.
struct EntryOrder {
    int sort = 0;
    bool revsort = false;

    bool operator()(const MenuEntry& a, const MenuEntry& b) const {
        const int result = compareEntries(a, b, sort);
        return revsort ? result > 0 : result < 0;
    }
    bool operator==(const EntryOrder& other) const { return sort == other.sort && revsort == other.revsort; }
};

struct FolderOrder {
    int sort = 0;
    bool revsort = false;

    bool operator()(const FolderNode& a, const FolderNode& b) const {
        const int result = compareFolders(a, b, sort);
        return revsort ? result > 0 : result < 0;
    }
};

}  // namespace trm
