// Shell icons by extension or by full path, owned by the cache and lent to
// the menu items that show them.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "common/user_handles.h"

namespace trm {

// Icons are shared between keys that show the same picture (a shortcut and
// the extension of its target).
struct IconRecord {
    std::shared_ptr<const IconHandle> icon;
    std::shared_ptr<const IconHandle> selectedIcon;  // drawn while highlighted; null: `icon` serves both states
    int width = 0;
    int height = 0;

    HICON iconHandle() const { return icon ? icon->get() : nullptr; }
    HICON selectedIconHandle() const { return selectedIcon ? selectedIcon->get() : nullptr; }
};

class IconCache {
public:
    // Keys compare byte by byte, case-sensitively.
    const IconRecord* findIcon(const std::string& key) const;
    // A key once stored is never replaced: a record for a key already held
    // is dropped, and its icons with it unless another key shares them.
    void store(const std::string& key, IconRecord record);
    // Destroys every icon and empties the cache.
    void clear() { records.clear(); }
    size_t size() const { return records.size(); }

private:
    std::map<std::string, IconRecord> records;
};

// Width and height of the icon's colour bitmap; both 0 when unknown.
void measureIcon(HICON icon, int& width, int& height);
// A record owning `icon`, measured.
IconRecord recordOf(IconHandle icon);

}  // namespace trm
