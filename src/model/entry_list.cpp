#include "model/entry_list.h"

#include <iterator>
#include <utility>

namespace trm {

MenuEntry& EntryList::push_back(MenuEntry entry) {
    items_.push_back(std::move(entry));
    if (indexValid_) {
        // Only the last record can be overtaken; nothing before it changes.
        const iterator added = std::prev(items_.end());
        if (records_.empty() || records_.key_comp()(*std::prev(records_.end()), added))
            records_.insert(records_.end(), added);
    }
    return items_.back();
}

MenuEntry& EntryList::push_front(MenuEntry entry) {
    items_.push_front(std::move(entry));
    if (indexValid_) {
        // The newcomer is a record; records it does not strictly precede stop being ones.
        const iterator added = items_.begin();
        records_.erase(records_.begin(), records_.upper_bound(*added));
        records_.insert(records_.begin(), added);
    }
    return items_.front();
}

EntryList::iterator EntryList::insert(const_iterator before, MenuEntry entry) {
    indexValid_ = false;
    return items_.insert(before, std::move(entry));
}

EntryList::iterator EntryList::erase(const_iterator position) {
    indexValid_ = false;
    return items_.erase(position);
}

void EntryList::clear() {
    records_.clear();
    indexValid_ = false;
    items_.clear();
}

void EntryList::rebuildIndex(const EntryOrder& order) {
    records_ = RecordSet(RecordLess{order});
    for (iterator it = items_.begin(); it != items_.end(); ++it)
        if (records_.empty() || order(**std::prev(records_.end()), *it)) records_.insert(records_.end(), it);
    indexValid_ = true;
}

MenuEntry& EntryList::insertSorted(MenuEntry entry, int sort, bool revsort) {
    if (!entriesAreSorted(sort)) return push_back(std::move(entry));
    const EntryOrder order{sort, revsort};
    if (!indexValid_ || !(records_.key_comp().order == order)) rebuildIndex(order);

    // Every entry before the first record that the newcomer precedes is at
    // most equal to it, and the greatest of them is the record just before.
    const RecordSet::iterator next = records_.upper_bound(entry);
    const bool isRecord = next == records_.begin() || order(**std::prev(next), entry);
    const iterator added = items_.insert(next == records_.end() ? items_.end() : *next, std::move(entry));
    if (isRecord) records_.insert(next, added);
    return *added;
}

}  // namespace trm
