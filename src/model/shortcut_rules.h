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

// What a path lookup found.
enum class PathState {
    present,
    absent,
    unreachable,  // its drive or server did not answer
};

// The drives and servers a run found unreachable, so that a shortcut to a
// place that did not answer costs no second lookup: on Windows each can
// take many seconds.
class UnreachablePlaces {
public:
    // Whether the path lies on a drive or server found unreachable.
    bool holds(const std::string& path) const;
    // Remembers the path's drive (letter) or server.
    void add(const std::string& path);
    void clear() { places.clear(); }

private:
    std::vector<std::string> places;  // "x:" or "\\server", lower case
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
    virtual PathState lookUpFolder(const std::string& folder) = 0;
    virtual PathState lookUp(const std::string& path) = 0;
    // The servers of the network neighbourhood (two backslashes and a name).
    virtual const std::vector<std::string>& networkServers() = 0;

    // What this run has learnt; the platform forgets it with the run.
    UnreachablePlaces unreachable;
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

// The attribute the item list stored after the header says the target had:
// the type of its last item marks a folder (attributeDirectory) or a file
// (0). Used when the header holds no attributes (some link writers, Wine
// among them, leave them zero) and the target is gone; false when the bytes
// hold no such list or its last item is of another kind.
bool readLinkItemListKind(const unsigned char* bytes, size_t size, uint32_t& attributes);
// The most a header and its item list take.
const size_t linkItemListEnd = linkHeaderSize + 2 + 0xFFFF;

// The file whose icon a shortcut or program shows, given the target it
// resolves to: the target when it lies on the same drive, or on a network
// drive that `networkDriveReachable` says can be reached now; otherwise the
// file itself, so that no icon is taken from another local drive.
std::string iconSourceOf(const std::string& path, const std::string& target,
                         const std::function<bool()>& networkDriveReachable);

}  // namespace trm
