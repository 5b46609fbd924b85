// One item of a folder's menu that is not a sub-folder: a file, a shortcut,
// or one of the two command entries (Explore, Open all).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/file_time.h"
#include "model/owned_handle.h"

namespace trm {

// A title picture loaded for an entry: an IPicture (Release), empty when the
// file did not decode. Few entries ever have one, so it is held apart: every
// entry of a 10,000-file menu is smaller for it.
struct EntryPicture {
    OwnedHandle picture;
};

struct MenuEntry {
    FileTime created;
    FileTime accessed;
    int32_t id = -1;
    bool isCommand = false;
    bool unavailable = false;
    bool isTitlePicture = false;
    std::string displayName;
    std::string path;
    std::string extension;
    // exploreMarker or openAllMarker on the command entries, else null.
    const char* command = nullptr;
    // Set by the picture loader; owning it makes the entry move-only.
    std::unique_ptr<EntryPicture> loadedPicture;
};

}  // namespace trm
