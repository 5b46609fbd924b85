// What a ".lnk" shortcut becomes in its folder's menu: a sub-menu of the
// folder it points to, an entry shown disabled because its target cannot be
// reached, or an ordinary entry. The decisions are made here; the platform
// reads the link and probes drives, folders and the network list.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/file_time.h"

namespace trm {

struct FolderNode;
struct MenuEntry;

// The target of a shortcut as the link reports it.
struct LinkTarget {
    std::string path;        // the target in its short form; empty for a non-file target
    std::string longPath;    // the same with its long names
    std::string folderPath;  // the target as a folder to show (UNC form preferred); asked for only for folders
    uint32_t attributes = 0;
    FileTime created;
    FileTime accessed;
    bool exists = false;   // found on disk now (else the attributes are what the link recorded)
    bool ownIcon = false;  // the link names an icon of its own
};

class ShortcutPlatform {
public:
    virtual ~ShortcutPlatform() = default;

    // False when the link cannot be read. `wantFolderPath` asks for
    // LinkTarget::folderPath as well when the target is a folder.
    virtual bool readLink(const std::string& linkPath, bool wantFolderPath, LinkTarget& target) = 0;
    // Whether the drive of that letter can be selected now.
    virtual bool driveSelectable(char letter) = 0;
    // Whether the folder's items can be listed.
    virtual bool canListFolder(const std::string& folder) = 0;
    virtual bool exists(const std::string& path) = 0;
    // The servers of the network neighbourhood (two backslashes and a name).
    virtual const std::vector<std::string>& networkServers() = 0;
};

// A shortcut read by the scanner: it may become a sub-folder of `node`
// (clearing `include`) or mark the entry unavailable. A link that cannot be
// read leaves everything as it was.
void handleShortcut(MenuEntry& entry, bool& include, FolderNode& node, ShortcutPlatform& platform);

// "\\server" of "\\server\share\folder"; empty when the path is not UNC.
std::string serverPartOf(const std::string& path);

bool isKnownServer(const std::string& path, const std::vector<std::string>& servers);

// The attributes and times of the target that a ".lnk" file's fixed header
// recorded when the link was made; false when the bytes are no such header.
// (Windows records them; links made by Wine hold zeros.)
bool readLinkHeader(const unsigned char* bytes, size_t size, LinkTarget& target);
const size_t linkHeaderSize = 0x4C;

// The file whose icon a shortcut or program shows, given the target it
// resolves to: the target when it lies on the same drive, or on a network
// drive that `networkDriveReachable` says can be reached now; otherwise the
// file itself, so that no icon is taken from another local drive.
std::string iconSourceOf(const std::string& path, const std::string& target,
                         const std::function<bool()>& networkDriveReachable);

}  // namespace trm
