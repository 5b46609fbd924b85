// One item of a folder's menu that is not a sub-folder: a file, a shortcut,
// or one of the two command entries (Explore, Open all).
#pragma once

#include <cstdint>
#include <string>

#include "model/file_time.h"
#include "model/owned_handle.h"

namespace trm {

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
    std::string command;
    // Set by the picture loader: an IPicture (Release) or a thumbnail HBITMAP
    // (DeleteObject), at most one of them. Owning them makes the entry move-only.
    OwnedHandle picture;
    OwnedHandle pictureBitmap;
    int pictureWidth = 0;
    int pictureHeight = 0;
};

}  // namespace trm
