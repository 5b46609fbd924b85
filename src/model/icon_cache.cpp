#include "model/icon_cache.h"

#include <utility>

#include "common/gdi_handles.h"

namespace trm {

const IconRecord* IconCache::findIcon(const std::string& key) const {
    const auto found = records.find(key);
    return found == records.end() ? nullptr : &found->second;
}

void IconCache::store(const std::string& key, IconRecord record) {
    records.emplace(key, std::move(record));
}

IconRecord recordOf(IconHandle icon) {
    IconRecord record;
    measureIcon(icon.get(), record.width, record.height);
    record.icon = std::make_shared<const IconHandle>(std::move(icon));
    return record;
}

void measureIcon(HICON icon, int& width, int& height) {
    width = height = 0;
    ICONINFO info = {};
    if (!::GetIconInfo(icon, &info)) return;
    // The icon's bitmaps are copies made for the caller.
    const BitmapHandle colour(info.hbmColor);
    const BitmapHandle mask(info.hbmMask);
    BITMAP bitmap = {};
    if (colour && ::GetObjectA(colour.get(), sizeof bitmap, &bitmap)) {
        width = bitmap.bmWidth;
        height = bitmap.bmHeight;
    }
}

}  // namespace trm
