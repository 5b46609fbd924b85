// The entries of one folder in display order. Elements never move once added
// (the node and the menus keep pointers to them).
//
// Sorted insertion puts a newcomer before the first entry it strictly
// precedes. That entry is always a "record": an entry that every entry before
// it strictly precedes. Records are ascending in list order and in key order
// at once, so the place is found by a search among them instead of a walk,
// whatever else the list holds (command entries put at the front or back,
// entries of other folders). The index of records is kept up to date by the
// insertions below and rebuilt after anything it cannot follow cheaply.
#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <set>

#include "common/settings.h"
#include "model/menu_entry.h"
#include "model/ordering.h"

namespace trm {

class EntryList {
public:
    using iterator = std::list<MenuEntry>::iterator;
    using const_iterator = std::list<MenuEntry>::const_iterator;

    EntryList() = default;
    EntryList(const EntryList&) = delete;
    EntryList& operator=(const EntryList&) = delete;

    iterator begin() { return items_.begin(); }
    iterator end() { return items_.end(); }
    const_iterator begin() const { return items_.begin(); }
    const_iterator end() const { return items_.end(); }
    size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    MenuEntry& front() { return items_.front(); }
    MenuEntry& back() { return items_.back(); }
    const MenuEntry& front() const { return items_.front(); }
    const MenuEntry& back() const { return items_.back(); }

    MenuEntry& push_back(MenuEntry entry);
    MenuEntry& push_front(MenuEntry entry);
    iterator insert(const_iterator before, MenuEntry entry);
    iterator erase(const_iterator position);
    void clear();

    // Inserts before the first entry that `entry` strictly precedes under
    // (sort, revsort), or at the back when there is none or `sort` has no key.
    MenuEntry& insertSorted(MenuEntry entry, int sort, bool revsort);

private:
    // A record carries the first bytes of its key, so that most comparisons
    // are settled without reaching the entry.
    struct Record {
        uint64_t prefix;
        iterator entry;
    };
    struct Probe {
        uint64_t prefix;
        const MenuEntry* entry;
    };
    struct RecordLess {
        EntryOrder order;
        using is_transparent = void;
        static const MenuEntry& entryOf(const Record& record) { return *record.entry; }
        static const MenuEntry& entryOf(const Probe& probe) { return *probe.entry; }
        template <typename A, typename B>
        bool operator()(const A& a, const B& b) const {
            int result = a.prefix < b.prefix ? -1 : (a.prefix > b.prefix ? 1 : 0);
            // Times fit whole; texts that share their first bytes are compared in full.
            if (result == 0 && order.sort >= SortNameNoCase)
                result = compareEntries(entryOf(a), entryOf(b), order.sort);
            return order.revsort ? result > 0 : result < 0;
        }
    };
    using RecordSet = std::set<Record, RecordLess>;

    static uint64_t keyPrefix(const MenuEntry& entry, int sort);
    Record recordOf(iterator entry) const { return Record{keyPrefix(*entry, order().sort), entry}; }
    EntryOrder order() const { return records_.key_comp().order; }
    void rebuildIndex(const EntryOrder& order);

    std::list<MenuEntry> items_;
    RecordSet records_;
    bool indexValid_ = false;  // records_ matches items_ under order()
};

}  // namespace trm
