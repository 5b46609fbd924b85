// The entries of one folder in display order. Elements never move once added
// (the node and the menus keep pointers to them).
//
// Sorted insertion puts a newcomer before the first entry it strictly
// precedes. That entry is always a "record": an entry that every entry before
// it strictly precedes. Records are ascending in list order and in key order
// at once, and the first entry is always one.
//
// Sorted insertions are not placed at once: they wait in a list of their own
// (so their addresses are already final) until anything else touches or reads
// the list. Then they are sorted, stably, and merged in a single pass over the
// records: the place of each is before the first record it strictly precedes,
// which only moves forwards along the sorted newcomers, and the newcomers
// sharing a place end up in stable sorted order, as one-by-one insertion
// would leave them. A newcomer becomes a record when it is strictly greater
// than the record before it in the merged list; old records stay records.
// This holds whatever else the list holds (command entries put at the front
// or back, entries of other folders). The index of records is kept up to date
// by the operations below and rebuilt after anything it cannot follow cheaply.
//
// Reads place the waiting entries too, const ones included, so one list is
// not for two threads at once even when both only read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <vector>

#include "common/settings.h"
#include "model/menu_entry.h"
#include "model/node_pool.h"
#include "model/ordering.h"

namespace trm {

class EntryList {
public:
    using Nodes = std::list<MenuEntry, PoolAllocator<MenuEntry>>;
    using iterator = Nodes::iterator;
    using const_iterator = Nodes::const_iterator;

    EntryList() = default;
    EntryList(const EntryList&) = delete;
    EntryList& operator=(const EntryList&) = delete;

    iterator begin() { return placed().begin(); }
    iterator end() { return placed().end(); }
    const_iterator begin() const { return placed().begin(); }
    const_iterator end() const { return placed().end(); }
    size_t size() const { return items_.size() + pending_.size(); }
    bool empty() const { return items_.empty() && pending_.empty(); }
    MenuEntry& front() { return placed().front(); }
    MenuEntry& back() { return placed().back(); }
    const MenuEntry& front() const { return placed().front(); }
    const MenuEntry& back() const { return placed().back(); }

    MenuEntry& push_back(MenuEntry entry);
    MenuEntry& push_front(MenuEntry entry);
    iterator insert(const_iterator before, MenuEntry entry);
    iterator erase(const_iterator position);
    void clear();

    // Inserts before the first entry that `entry` strictly precedes under
    // (sort, revsort), or at the back when there is none or `sort` has no key.
    // The entry is in its place by the next read or other change.
    MenuEntry& insertSorted(MenuEntry entry, SortKey sort, bool revsort);

    // Places the sorted insertions still waiting; reads do it anyway.
    void settle() const { placed(); }

private:
    // A record carries the first bytes of its key, so that most comparisons
    // are settled without reaching the entry.
    struct Record {
        uint64_t prefix;
        iterator entry;
    };
    struct RecordLess {
        EntryOrder order;
        bool operator()(const Record& a, const Record& b) const {
            int result = a.prefix < b.prefix ? -1 : (a.prefix > b.prefix ? 1 : 0);
            // Times fit whole; texts that share their first bytes are compared in full.
            if (result == 0 && sortsByText(order.sort)) result = compareEntries(*a.entry, *b.entry, order.sort);
            return order.revsort ? result > 0 : result < 0;
        }
    };

    static uint64_t keyPrefix(const MenuEntry& entry, SortKey sort);
    static void sortByPrefix(Record* first, Record* last, bool descending, std::vector<Record>& scratch);
    static void sortTies(Record* first, Record* last, size_t offset, const EntryOrder& order,
                         std::vector<Record>& scratch);
    static void sortNewcomers(std::vector<Record>& keys, const EntryOrder& order);
    Record recordOf(iterator entry) const { return Record{keyPrefix(*entry, order_.sort), entry}; }
    Nodes& placed() const {
        if (!pending_.empty()) placePending();
        return items_;
    }
    void placePending() const;
    void rebuildIndex(const EntryOrder& order) const;

    // Placing the waiting entries changes no entry and nothing a reader sees.
    // Both lists take their nodes from one pool, so that nodes pass between them.
    NodePool pool_;
    mutable Nodes items_{PoolAllocator<MenuEntry>(pool_)};
    mutable Nodes pending_{PoolAllocator<MenuEntry>(pool_)};  // sorted insertions not yet placed, in arrival order
    // Their keys, taken while each entry is at hand; only while they wait.
    mutable std::vector<Record> pendingKeys_;
    EntryOrder pendingOrder_;
    // The records of items_ under order_, in list order; valid when indexValid_.
    mutable std::vector<Record> records_;
    mutable EntryOrder order_;
    mutable bool indexValid_ = false;
};

}  // namespace trm
