// Shell icons by extension or by full path, owned by the cache and lent to
// the menu items that show them.
#pragma once

#include <windows.h>

#include <map>
#include <string>

namespace trm {

struct IconRecord {
    HICON icon = nullptr;          // owned by the cache
    HICON selectedIcon = nullptr;  // drawn while highlighted; null: `icon` serves both states
    int width = 0;
    int height = 0;
};

class IconCache {
public:
    IconCache() = default;
    ~IconCache() { clear(); }
    IconCache(const IconCache&) = delete;
    IconCache& operator=(const IconCache&) = delete;

    // Keys compare byte by byte, case-sensitively.
    const IconRecord* findIcon(const std::string& key) const;
    // Takes ownership of record.icon; a key once stored is never replaced
    // (the new icon is destroyed instead).
    void store(const std::string& key, const IconRecord& record);
    // Destroys every icon and empties the cache.
    void clear();
    size_t size() const { return records.size(); }

private:
    std::map<std::string, IconRecord> records;
};

}  // namespace trm
