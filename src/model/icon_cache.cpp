#include "model/icon_cache.h"

namespace trm {

const IconRecord* IconCache::findIcon(const std::string& key) const {
    const auto found = records.find(key);
    return found == records.end() ? nullptr : &found->second;
}

void IconCache::store(const std::string& key, const IconRecord& record) {
    if (!records.emplace(key, record).second && record.icon) ::DestroyIcon(record.icon);
}

void IconCache::clear() {
    for (auto& entry : records) {
        if (entry.second.icon) ::DestroyIcon(entry.second.icon);
        if (entry.second.selectedIcon) ::DestroyIcon(entry.second.selectedIcon);
    }
    records.clear();
}

}  // namespace trm
