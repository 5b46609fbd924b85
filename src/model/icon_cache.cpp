#include "model/icon_cache.h"

#include <utility>

namespace trm {

const IconRecord* IconCache::findIcon(const std::string& key) const {
    const auto found = records.find(key);
    return found == records.end() ? nullptr : &found->second;
}

void IconCache::store(const std::string& key, IconRecord record) {
    records.emplace(key, std::move(record));
}

void measureIcon(HICON icon, int& width, int& height) {
    width = height = 0;
    ICONINFO info = {};
    if (!::GetIconInfo(icon, &info)) return;
    BITMAP bitmap = {};
    if (info.hbmColor && ::GetObjectA(info.hbmColor, sizeof bitmap, &bitmap)) {
        width = bitmap.bmWidth;
        height = bitmap.bmHeight;
    }
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    if (info.hbmMask) ::DeleteObject(info.hbmMask);
}

}  // namespace trm
