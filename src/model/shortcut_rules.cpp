#include "model/shortcut_rules.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>

#include "common/ascii.h"
#include "common/command_ids.h"
#include "common/settings.h"
#include "model/folder_node.h"
#include "model/scan_platform.h"

namespace trm {

namespace {

bool isDriveRoot(const std::string& path) {
    return path.size() == 3 && path[1] == ':';
}

bool isUnc(const std::string& path) {
    return path.size() >= 2 && path[0] == '\\' && path[1] == '\\';
}

bool driveReachable(const std::string& root, const Settings& settings, ShortcutPlatform& platform) {
    return settings.noavailablecheck || platform.driveSelectable(root[0]);
}

bool onDrive(const std::string& path) {
    return path.size() >= 2 && path[1] == ':';
}

// Whether the server of a UNC path answers: asked once per server per run,
// and never with noavailablecheck, where it counts as answering unless a
// lookup already found it gone.
bool serverAnswers(const std::string& path, const Settings& settings, ShortcutPlatform& platform) {
    if (platform.unreachable.holds(path)) return false;
    if (settings.noavailablecheck || platform.answeringServers.holds(path)) return true;
    const bool answers = platform.serverAnswers(path);
    (answers ? platform.answeringServers : platform.unreachable).add(path);
    return answers;
}

// What a lookup of a target finds, asked only where the answer is not known
// yet: a place found unreachable, a drive that the run's drive test (made
// once per drive) finds not selectable, or a server that does not answer
// its probe, is not asked again.
PathState lookUpTarget(const std::string& path, bool folder, const Settings& settings, ShortcutPlatform& platform) {
    if (platform.unreachable.holds(path)) return PathState::unreachable;
    if (onDrive(path) && !driveReachable(path, settings, platform)) {
        platform.unreachable.add(path);
        return PathState::unreachable;
    }
    if (isUnc(path) && !serverAnswers(path, settings, platform)) return PathState::unreachable;
    const PathState found = folder ? platform.lookUpFolder(path) : platform.lookUp(path);
    if (found == PathState::unreachable) platform.unreachable.add(path);
    return found;
}

// Whether a folder shortcut's target may be shown as its sub-menu.
bool folderReachable(const std::string& target, const Settings& settings, ShortcutPlatform& platform) {
    if (isDriveRoot(target)) return driveReachable(target, settings, platform);
    if (isUnc(target)) return serverAnswers(target, settings, platform);
    return true;
}

// Whether an entry's target can be reached. A network folder is judged by its
// server alone, so that a scan asks each server once however many folders of
// it the shortcuts name.
bool targetReachable(const LinkTarget& target, const Settings& settings, ShortcutPlatform& platform) {
    if (target.attributes & attributeDirectory) {
        if (isDriveRoot(target.path)) return driveReachable(target.path, settings, platform);
        if (isUnc(target.path)) return serverAnswers(target.path, settings, platform);
        return lookUpTarget(target.path, false, settings, platform) == PathState::present;
    }
    // A shortcut to something that is not a file (a printer, a control panel item).
    return target.path.empty() || lookUpTarget(target.path, false, settings, platform) == PathState::present;
}

void addShortcutFolder(MenuEntry& entry, const LinkTarget& target, FolderNode& node, ShortcutPlatform& platform) {
    const Settings& settings = node.settings;
    auto child = std::make_unique<FolderNode>(settings, node.ids);
    child->name = entry.displayName;
    child->created = target.created;
    child->accessed = target.accessed;
    child->path = target.folderPath.empty() ? target.path : target.folderPath;
    child->linkPath = entry.path;
    if (!(folderReachable(target.path, settings, platform) &&
          lookUpTarget(target.path, true, settings, platform) == PathState::present)) {
        MenuEntry unavailable;
        unavailable.id = node.ids.take();
        unavailable.unavailable = true;
        unavailable.displayName = settings.unavailabletext;
        child->entries.push_back(std::move(unavailable));
    }
    // Kept with onlyonemenu too: the user asked for the shortcut's folder as a
    // sub-menu, and dropping it would lose the shortcut altogether.
    insertSubfolder(node, std::move(child));
}

}  // namespace

void handleShortcut(MenuEntry& entry, bool& include, FolderNode& node, ShortcutPlatform& platform) {
    const Settings& settings = node.settings;
    LinkTarget target;
    if (!platform.readLink(entry.path, settings.menusforshortcutstofolders, target)) return;
    // Filters on the shortcut file do not hide a shortcut to a folder.
    if (settings.menusforshortcutstofolders && (target.attributes & attributeDirectory)) {
        addShortcutFolder(entry, target, node, platform);
        include = false;
        return;
    }
    if (include && !targetReachable(target, settings, platform)) entry.unavailable = true;
}

std::string serverPartOf(const std::string& path) {
    if (!isUnc(path)) return std::string();
    return path.substr(0, path.find('\\', 2));
}

std::string sharePartOf(const std::string& path) {
    const size_t server = serverPartOf(path).size();
    if (server <= 2 || server + 1 >= path.size() || path[server + 1] == '\\') return std::string();
    return path.substr(0, path.find('\\', server + 1));
}

bool readLinkHeader(const unsigned char* bytes, size_t size, LinkTarget& target) {
    // The header's own size, then the shell link class identifier.
    static const unsigned char start[20] = {0x4C, 0, 0,    0, 0x01, 0x14, 0x02, 0, 0, 0,
                                            0,    0, 0xC0, 0, 0,    0,    0,    0, 0, 0x46};
    if (size < linkHeaderSize || std::memcmp(bytes, start, sizeof start) != 0) return false;
    const auto word = [bytes](size_t at) {
        return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
               static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
    };
    target.attributes = word(0x18);
    target.created = FileTime{word(0x1C), word(0x20)};
    target.accessed = FileTime{word(0x24), word(0x28)};
    return true;
}

bool readLinkItemListKind(const unsigned char* bytes, size_t size, uint32_t& attributes) {
    LinkTarget header;
    const uint32_t hasItemList = 0x1;
    if (!readLinkHeader(bytes, size, header) || !(bytes[0x14] & hasItemList) || size < linkHeaderSize + 2) return false;
    const auto half = [bytes](size_t at) { return static_cast<size_t>(bytes[at] | bytes[at + 1] << 8); };
    const size_t end = std::min(size, linkHeaderSize + 2 + half(linkHeaderSize));
    size_t at = linkHeaderSize + 2;
    size_t last = 0;
    // Each item: its size (including these two bytes), then its data; a size
    // of 0 ends the list.
    while (at + 2 <= end) {
        const size_t itemSize = half(at);
        if (itemSize == 0) break;
        if (itemSize < 3 || at + itemSize > end) return false;
        last = at;
        at += itemSize;
    }
    if (last == 0) return false;
    const unsigned char type = bytes[last + 2];
    if ((type & 0x70) == 0x30 && (type & 0x03) != 0) {
        // A file-system item: bit 0 a folder, bit 1 a file.
        attributes = (type & 0x01) ? attributeDirectory : 0;
        return true;
    }
    if ((type & 0x70) == 0x20) {  // a drive
        attributes = attributeDirectory;
        return true;
    }
    return false;
}

std::string iconSourceOf(const std::string& path, const std::string& target,
                         const std::function<bool()>& networkDriveReachable) {
    if (path.empty() || target.empty()) return path;
    if (asciiLower(path[0]) == asciiLower(target[0])) return target;
    return networkDriveReachable() ? target : path;
}

namespace {
std::string placeOf(const std::string& path) {
    std::string place = onDrive(path) ? path.substr(0, 2) : serverPartOf(path);
    for (char& c : place) c = asciiLower(c);
    return place;
}
}  // namespace

bool PlaceSet::holds(const std::string& path) const {
    const std::string place = placeOf(path);
    return !place.empty() && std::find(places.begin(), places.end(), place) != places.end();
}

void PlaceSet::add(const std::string& path) {
    const std::string place = placeOf(path);
    if (!place.empty() && !holds(path)) places.push_back(place);
}

}  // namespace trm
