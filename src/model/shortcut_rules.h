// What a ".lnk" shortcut becomes in its folder's menu: a sub-menu of the
// folder it points to, an entry shown disabled because its target cannot be
// reached, or an ordinary entry. The decisions are made here; the platform
// reads the link and probes drives, servers, folders and files.
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
    std::string iconPath;  // the icon the link names as its own, if any
    int iconIndex = 0;
};

// What a path lookup found.
enum class PathState {
    present,
    absent,
    unreachable,  // its drive or server did not answer
};

// Drives and servers, each held once, told apart without regard to case.
// A run keeps those it found unreachable, so that a shortcut to a place that
// did not answer costs no second lookup (on Windows each can take many
// seconds), and the servers that answered, so that each is asked once.
class PlaceSet {
public:
    // Whether the path lies on a drive or server of the set.
    bool holds(const std::string& path) const;
    // Adds the path's drive (letter) or server.
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
    // Whether the server of a UNC path answers, asked of the path's share:
    // a round trip to a live server, a time-out for one that is gone.
    virtual bool serverAnswers(const std::string& path) = 0;
    // Whether the folder's items can be listed.
    virtual PathState lookUpFolder(const std::string& folder) = 0;
    virtual PathState lookUp(const std::string& path) = 0;

    // What this run has learnt; the platform forgets it with the run.
    PlaceSet unreachable;
    PlaceSet answeringServers;
};

// A shortcut read by the scanner: it may become a sub-folder of `node`
// (clearing `include`) or mark the entry unavailable. A link that cannot be
// read leaves everything as it was.
void handleShortcut(MenuEntry& entry, bool& include, FolderNode& node, ShortcutPlatform& platform);

// "\\server" of "\\server\share\folder"; empty when the path is not UNC.
std::string serverPartOf(const std::string& path);
// "\\server\share" of the same; empty when the path names no share.
std::string sharePartOf(const std::string& path);

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
