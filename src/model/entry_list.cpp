#include "model/entry_list.h"

#include <iterator>
#include <utility>

#include "common/ascii.h"

namespace trm {

uint64_t EntryList::keyPrefix(const MenuEntry& entry, int sort) {
    if (sort == SortCreated) return entry.created.value();
    if (sort == SortAccessed) return entry.accessed.value();
    const std::string& text = sort <= SortNameBytes ? entry.displayName : entry.extension;
    const bool fold = sort == SortNameNoCase || sort == SortExtensionNoCase;
    // The first eight bytes, most significant first; a shorter text is padded
    // with zeros, which sorts it before its longer continuations as in full.
    uint64_t prefix = 0;
    for (size_t i = 0; i < 8; ++i) {
        const char c = i < text.size() ? text[i] : '\0';
        prefix = (prefix << 8) | static_cast<unsigned char>(fold ? asciiLower(c) : c);
    }
    return prefix;
}

MenuEntry& EntryList::push_back(MenuEntry entry) {
    items_.push_back(std::move(entry));
    if (indexValid_) {
        // Only the last record can be overtaken; nothing before it changes.
        const Record added = recordOf(std::prev(items_.end()));
        if (records_.empty() || records_.key_comp()(*std::prev(records_.end()), added))
            records_.insert(records_.end(), added);
    }
    return items_.back();
}

MenuEntry& EntryList::push_front(MenuEntry entry) {
    items_.push_front(std::move(entry));
    if (indexValid_) {
        // The newcomer is a record; records it does not strictly precede stop being ones.
        const Record added = recordOf(items_.begin());
        records_.erase(records_.begin(), records_.upper_bound(added));
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
    for (iterator it = items_.begin(); it != items_.end(); ++it) {
        const Record record = recordOf(it);
        if (records_.empty() || records_.key_comp()(*std::prev(records_.end()), record))
            records_.insert(records_.end(), record);
    }
    indexValid_ = true;
}

MenuEntry& EntryList::insertSorted(MenuEntry entry, int sort, bool revsort) {
    if (!entriesAreSorted(sort)) return push_back(std::move(entry));
    const EntryOrder wanted{sort, revsort};
    if (!indexValid_ || !(order() == wanted)) rebuildIndex(wanted);

    // Every entry before the first record that the newcomer precedes is at
    // most equal to it, and the greatest of them is the record just before.
    const Probe probe{keyPrefix(entry, sort), &entry};
    const RecordSet::iterator next = records_.upper_bound(probe);
    const bool isRecord = next == records_.begin() || records_.key_comp()(*std::prev(next), probe);
    const iterator added = items_.insert(next == records_.end() ? items_.end() : next->entry, std::move(entry));
    if (isRecord) records_.insert(next, Record{probe.prefix, added});
    return *added;
}

}  // namespace trm
