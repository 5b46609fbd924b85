// What the folder scanner needs from the platform, and nothing more: the
// current directory, one listing of it, the wait cursor, and the two shell
// services for shortcuts and icons. The Windows side asks the file system;
// tests hand over a tree of names held in memory.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "model/file_time.h"

namespace trm {

struct FolderNode;
struct MenuEntry;

// File attribute bits as the platform reports them.
const uint32_t attributeHidden = 0x2;
const uint32_t attributeDirectory = 0x10;

struct FoundItem {
    std::string name;
    uint32_t attributes = 0;
    FileTime created;
    FileTime accessed;
};

class ScanPlatform {
public:
    virtual ~ScanPlatform() = default;

    // Shows the wait cursor and returns the cursor it replaced.
    virtual void* showWaitCursor() = 0;
    virtual void restoreCursor(void* kept) = 0;

    // Empty when it cannot be read.
    virtual std::string currentDirectory() = 0;
    virtual bool setCurrentDirectory(const std::string& path) = 0;

    // Names the folder that is the current directory so that two paths
    // reaching the same folder (through a junction or a link) give the same
    // text; empty when that cannot be told.
    virtual std::string currentFolderIdentity() = 0;

    // Calls `visit` for every item of the current directory ("*.*"), "." and
    // ".." included, in the platform's order. False when it cannot be listed.
    virtual bool listCurrentDirectory(const std::function<void(const FoundItem&)>& visit) = 0;

    // A ".lnk" file met by the scanner: may turn it into a sub-folder of
    // `node` (clearing `include`) or mark the entry unavailable. By default a
    // shortcut is an ordinary file.
    virtual void handleShortcut(MenuEntry& /*entry*/, bool& /*include*/, FolderNode& /*node*/) {}

    // The file name of the running executable, which no menu lists; empty
    // when it cannot be told.
    virtual std::string ownExecutableName() { return std::string(); }

    // Makes sure the icon cache holds an icon for a file about to be listed.
    virtual void fetchIcon(const std::string& /*extension*/, const std::string& /*path*/, bool /*perFile*/) {}
};

}  // namespace trm
