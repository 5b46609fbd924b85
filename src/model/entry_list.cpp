#include "model/entry_list.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "common/ascii.h"
#include "common/prefetch.h"

namespace trm {

namespace {

const std::string& sortedText(const MenuEntry& entry, SortKey sort) {
    return sort <= SortKey::NameBytes ? entry.displayName : entry.extension;
}

bool foldsCase(SortKey sort) {
    return sort == SortKey::NameNoCase || sort == SortKey::ExtensionNoCase;
}

// Eight bytes of `text` from `offset`, most significant first; a shorter text
// is padded with zeros, which sorts it before its longer continuations as in
// full.
uint64_t textChunk(const std::string& text, size_t offset, bool fold) {
    uint64_t chunk = 0;
    for (size_t i = offset; i < offset + 8; ++i) {
        const char c = i < text.size() ? text[i] : '\0';
        chunk = (chunk << 8) | static_cast<unsigned char>(fold ? asciiLower(c) : c);
    }
    return chunk;
}

// For a run of keys that compare equal so far.
template <typename Key, typename Visit>
void forEachRun(Key* first, Key* last, Visit visit) {
    while (first != last) {
        const uint64_t prefix = first->prefix;
        Key* next = first + 1;
        while (next != last && next->prefix == prefix) ++next;
        if (next - first > 1) visit(first, next);
        first = next;
    }
}

}  // namespace

uint64_t EntryList::keyPrefix(const MenuEntry& entry, SortKey sort) {
    if (sort == SortKey::Created) return entry.created.value();
    if (sort == SortKey::Accessed) return entry.accessed.value();
    return textChunk(sortedText(entry, sort), 0, foldsCase(sort));
}

MenuEntry& EntryList::push_back(MenuEntry entry) {
    placed().push_back(std::move(entry));
    if (indexValid_) {
        // Only the last record can be overtaken; nothing before it changes.
        const Record added = recordOf(std::prev(items_.end()));
        if (records_.empty() || RecordLess{order_}(records_.back(), added)) records_.push_back(added);
    }
    return items_.back();
}

MenuEntry& EntryList::push_front(MenuEntry entry) {
    placed().push_front(std::move(entry));
    if (indexValid_) {
        // The newcomer is a record; records it does not strictly precede stop being ones.
        const Record added = recordOf(items_.begin());
        const auto overtaken = std::upper_bound(records_.begin(), records_.end(), added, RecordLess{order_});
        if (overtaken == records_.begin()) {
            records_.insert(records_.begin(), added);
        } else {
            *std::prev(overtaken) = added;
            records_.erase(records_.begin(), std::prev(overtaken));
        }
    }
    return items_.front();
}

EntryList::iterator EntryList::insert(const_iterator before, MenuEntry entry) {
    placed();
    indexValid_ = false;
    return items_.insert(before, std::move(entry));
}

EntryList::iterator EntryList::erase(const_iterator position) {
    placed();
    indexValid_ = false;
    return items_.erase(position);
}

void EntryList::clear() {
    records_ = std::vector<Record>();
    indexValid_ = false;
    pendingKeys_ = std::vector<Record>();
    pending_.clear();
    items_.clear();
}

void EntryList::rebuildIndex(const EntryOrder& order) const {
    order_ = order;
    records_.clear();
    const RecordLess less{order_};
    for (iterator it = items_.begin(); it != items_.end(); ++it) {
        const Record record = recordOf(it);
        if (records_.empty() || less(records_.back(), record)) records_.push_back(record);
    }
    indexValid_ = true;
}

MenuEntry& EntryList::insertSorted(MenuEntry entry, SortKey sort, bool revsort) {
    if (!entriesAreSorted(sort)) return push_back(std::move(entry));
    const EntryOrder wanted{sort, revsort};
    if (!pending_.empty() && !(pendingOrder_ == wanted)) placePending();
    pendingOrder_ = wanted;
    pending_.push_back(std::move(entry));
    const iterator added = std::prev(pending_.end());
    pendingKeys_.push_back(Record{keyPrefix(*added, sort), added});
    return *added;
}

// Stable by prefix alone. Large runs take a radix sort, a byte at a time,
// skipping the bytes all keys share (the high ones of times): a comparison
// sort spends most of its time on mispredicted branches there; small runs
// gain nothing from it (bench/NOTES.md).
void EntryList::sortByPrefix(Record* first, Record* last, bool descending, std::vector<Record>& scratch) {
    const size_t count = static_cast<size_t>(last - first);
    if (count < 1024) {
        std::stable_sort(first, last, [descending](const Record& a, const Record& b) {
            return descending ? a.prefix > b.prefix : a.prefix < b.prefix;
        });
        return;
    }
    const uint64_t flip = descending ? ~uint64_t{0} : 0;
    size_t counts[8][256] = {};
    uint64_t differing = 0;
    for (const Record* key = first; key != last; ++key) {
        const uint64_t value = key->prefix ^ flip;
        for (int byte = 0; byte < 8; ++byte) ++counts[byte][(value >> (8 * byte)) & 0xFF];
        differing |= key->prefix ^ first->prefix;
    }
    scratch.resize(count);
    Record* from = first;
    Record* to = scratch.data();
    for (int byte = 0; byte < 8; ++byte) {
        if (((differing >> (8 * byte)) & 0xFF) == 0) continue;
        size_t start = 0;
        for (size_t& n : counts[byte]) start += std::exchange(n, start);
        for (const Record* key = from; key != from + count; ++key)
            to[counts[byte][((key->prefix ^ flip) >> (8 * byte)) & 0xFF]++] = *key;
        std::swap(from, to);
    }
    if (from != first) std::copy(from, from + count, first);
}

// Keys whose texts agree on their first `offset` bytes, put in order by the
// rest eight bytes at a time: each entry is reached once per chunk, where
// comparing in full reaches two entries at every comparison.
void EntryList::sortTies(Record* first, Record* last, size_t offset, const EntryOrder& order,
                         std::vector<Record>& scratch) {
    bool longer = false;
    for (Record* key = first; key != last; ++key) {
        // Entries and texts a few keys ahead are fetched early: the keys lie
        // out of the order the entries were made in.
        if (last - key > 8) prefetch(&*key[8].entry);
        if (last - key > 4) prefetch(sortedText(*key[4].entry, order.sort).data());
        const std::string& text = sortedText(*key->entry, order.sort);
        key->prefix = textChunk(text, offset, foldsCase(order.sort));
        longer = longer || text.size() > offset + 8;
    }
    sortByPrefix(first, last, order.revsort, scratch);
    forEachRun(first, last, [&](Record* from, Record* to) {
        if (longer) return sortTies(from, to, offset + 8, order, scratch);
        // The texts end within this chunk: equal chunks can still differ in
        // trailing zero bytes, that is in length.
        for (Record* key = from; key != to; ++key) key->prefix = sortedText(*key->entry, order.sort).size();
        sortByPrefix(from, to, order.revsort, scratch);
    });
}

void EntryList::sortNewcomers(std::vector<Record>& keys, const EntryOrder& order) {
    std::vector<Record> scratch;
    Record* const first = keys.data();
    Record* const last = first + keys.size();
    sortByPrefix(first, last, order.revsort, scratch);
    if (!sortsByText(order.sort)) return;  // a time is its whole prefix
    forEachRun(first, last, [&](Record* from, Record* to) {
        const uint64_t prefix = from->prefix;
        sortTies(from, to, 8, order, scratch);
        for (Record* key = from; key != to; ++key) key->prefix = prefix;
    });
}

void EntryList::placePending() const {
    if (!indexValid_ || !(order_ == pendingOrder_)) rebuildIndex(pendingOrder_);
    const RecordLess less{order_};
    std::vector<Record> newcomers;
    newcomers.swap(pendingKeys_);
    sortNewcomers(newcomers, order_);

    // Each newcomer goes before the first record it strictly precedes, a place
    // that only moves forwards; it is searched for by doubling steps, so a few
    // newcomers cost a few searches and many cost one walk over the records.
    // The newcomers that become records are gathered at the front of
    // `newcomers`, in order, with the places of those that go before an old
    // record (the others go after all of them).
    const size_t oldCount = records_.size();
    std::vector<size_t> places;
    size_t place = 0;
    size_t added = 0;
    size_t lastAddedPlace = 0;
    for (size_t i = 0; i < newcomers.size(); ++i) {
        const Record newcomer = newcomers[i];
        // The entries are visited out of the order they were made in: a few
        // ahead are fetched early.
        if (i + 8 < newcomers.size()) prefetch(&*newcomers[i + 8].entry);
        if (place < oldCount && !less(newcomer, records_[place])) {
            size_t low = place + 1;
            size_t step = 1;
            while (low + step - 1 < oldCount && !less(newcomer, records_[low + step - 1])) {
                low += step;
                step *= 2;
            }
            const auto high = records_.begin() + static_cast<std::ptrdiff_t>(std::min(low + step - 1, oldCount));
            place = static_cast<size_t>(
                std::upper_bound(records_.begin() + static_cast<std::ptrdiff_t>(low), high, newcomer, less) -
                records_.begin());
        }
        items_.splice(place < oldCount ? records_[place].entry : items_.end(), pending_, newcomer.entry);
        // Everything before the newcomer is at most equal to the last record
        // before it, which is either an earlier newcomer at the same place or
        // the old record just before.
        const Record* previous = added > 0 && lastAddedPlace == place ? &newcomers[added - 1]
                                 : place > 0                          ? &records_[place - 1]
                                                                      : nullptr;
        if (!previous || less(*previous, newcomer)) {
            if (place < oldCount) places.push_back(place);
            newcomers[added++] = newcomer;
            lastAddedPlace = place;
        }
    }
    newcomers.resize(added);

    if (oldCount == 0) {
        records_.swap(newcomers);
        if (records_.size() < records_.capacity() / 2) records_.shrink_to_fit();
        return;
    }
    // Merged from the back by the places found above, without comparing again
    // (a comparison of texts that share their prefix reaches into the entries):
    // only the records after the first new one move.
    records_.resize(oldCount + added);
    size_t read = oldCount;
    size_t write = oldCount + added;
    for (size_t i = added; i-- > 0;) {
        const size_t at = i < places.size() ? places[i] : oldCount;
        while (read > at) records_[--write] = records_[--read];
        records_[--write] = newcomers[i];
    }
}

}  // namespace trm
