#include "model/folder_scanner.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "common/ascii.h"
#include "common/command_ids.h"
#include "common/settings.h"
#include "model/name_rules.h"

namespace trm {

namespace {

struct ScanState {
    ScanPlatform& platform;
    // Identities of the folders from the scanned one down to the one being
    // read, so that a junction or link back to any of them is not followed.
    std::vector<std::string> openFolders;
    // Asked once per scan, not once per file.
    const std::string ownName = platform.ownExecutableName();
};

class WaitCursor {
public:
    explicit WaitCursor(ScanPlatform& platform) : platform_(platform), kept_(platform.showWaitCursor()) {}
    ~WaitCursor() { platform_.restoreCursor(kept_); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    ScanPlatform& platform_;
    void* kept_;
};

std::string joinPath(const std::string& folder, const std::string& name) {
    std::string path;
    path.reserve(folder.size() + 1 + name.size());
    path = folder;
    if (path.empty() || path.back() != '\\') path += '\\';
    path += name;
    return path;
}

MenuEntry commandEntry(CommandIds& ids, const std::string& text, const std::string& path, const char* marker) {
    MenuEntry entry;
    entry.id = ids.take();
    entry.isCommand = true;
    entry.displayName = text;
    entry.path = path;
    entry.command = marker;
    return entry;
}

bool isBlockedFolder(const Settings& settings, const std::string& name, const std::string& fullPath) {
    for (const std::string& blocked : settings.blockfolders)
        if (equalsNoCase(blocked, fullPath) || equalsNoCase(blocked, name)) return true;
    return false;
}

void scanInto(FolderNode& node, ScanState& state);

void readSubfolderInto(FolderNode& node, ScanState& state, const std::string& cwd, const std::string& fullPath) {
    if (state.openFolders.size() > static_cast<size_t>(maxOneMenuDepth)) return;
    ScanPlatform& platform = state.platform;
    if (!platform.setCurrentDirectory(fullPath)) return;
    std::string identity = platform.currentFolderIdentity();
    const bool alreadyOpen = !identity.empty() && std::find(state.openFolders.begin(), state.openFolders.end(),
                                                            identity) != state.openFolders.end();
    if (!alreadyOpen) {
        state.openFolders.push_back(std::move(identity));
        scanInto(node, state);
        state.openFolders.pop_back();
    }
    platform.setCurrentDirectory(cwd);
}

void addFolder(FolderNode& node, ScanState& state, const std::string& cwd, const FoundItem& item) {
    const Settings& settings = node.settings;
    if (item.name.empty() || item.name[0] == '.' || settings.onlyfiles) return;
    std::string fullPath = joinPath(cwd, item.name);
    if (!settings.blockfolders.empty() && isBlockedFolder(settings, item.name, fullPath)) return;
    if (settings.onlyonemenu) {
        readSubfolderInto(node, state, cwd, fullPath);
        return;
    }
    auto child = std::make_unique<FolderNode>(settings, node.ids);
    child->name = displayNameOf(item.name, false, settings);
    child->created = item.created;
    child->accessed = item.accessed;
    child->path = std::move(fullPath);
    addSubfolder(node, std::move(child));
}

void addFile(FolderNode& node, ScanState& state, const std::string& cwd, const FoundItem& item) {
    const Settings& settings = node.settings;
    if (settings.onlyfolders) return;
    const std::string& name = item.name;
    MenuEntry entry;
    entry.extension = extensionOf(name);
    entry.displayName = fileDisplayNameOf(name, entry.extension, settings);
    entry.path = joinPath(cwd, name);
    entry.created = item.created;
    entry.accessed = item.accessed;
    bool include = passesFileFilters(name, entry.extension, settings, state.ownName);
    if (isTitleImageCandidate(name, entry.extension, node)) include = true;
    // A shortcut to a folder becomes a sub-menu even when the filters reject the shortcut file.
    if (equalsLiteral(entry.extension, ".lnk")) state.platform.handleShortcut(entry, include, node);
    if (!include) return;

    if (displaysIcons(settings)) state.platform.fetchIcon(entry.extension, entry.path, hasOwnIcon(entry.extension));
    entry.id = node.ids.take();
    MenuEntry& added = node.entries.insertSorted(std::move(entry), settings.sort, settings.revsort);
    if (settings.dotitleimages && !node.titleImageEntry && isTitlePictureFile(name, added.extension, settings))
        node.titleImageEntry = &added;
}

void addTrailingEntry(FolderNode& node, MenuEntry entry, SpecialEntryPosition position, MenuEntry*& absolutePointer) {
    MenuEntry& added = position == SpecialEntryPosition::Top ? node.entries.push_front(std::move(entry))
                                                             : node.entries.push_back(std::move(entry));
    if (position == SpecialEntryPosition::AbsoluteTop || position == SpecialEntryPosition::AbsoluteBottom)
        absolutePointer = &added;
}

void scanInto(FolderNode& node, ScanState& state) {
    const Settings& settings = node.settings;
    ScanPlatform& platform = state.platform;
    const WaitCursor waitCursor(platform);
    const std::string cwd = platform.currentDirectory();

    if (settings.addexplore && settings.addexploreposition == SpecialEntryPosition::Default)
        node.entries.push_back(commandEntry(node.ids, settings.addexploretext, cwd, exploreMarker));
    if (settings.addopenall && settings.addopenallposition == SpecialEntryPosition::Default)
        node.entries.push_back(commandEntry(node.ids, settings.addopenalltext, std::string(), openAllMarker));

    platform.listCurrentDirectory([&](const FoundItem& item) {
        if (settings.noshowhidden && (item.attributes & attributeHidden)) return;
        if (item.attributes & attributeDirectory)
            addFolder(node, state, cwd, item);
        else
            addFile(node, state, cwd, item);
    });

    if (settings.addexplore && settings.addexploreposition != SpecialEntryPosition::Default)
        addTrailingEntry(node,
                         commandEntry(node.ids, settings.addexploretext, platform.currentDirectory(), exploreMarker),
                         settings.addexploreposition, node.exploreEntry);
    if (settings.addopenall && settings.addopenallposition != SpecialEntryPosition::Default)
        addTrailingEntry(node, commandEntry(node.ids, settings.addopenalltext, std::string(), openAllMarker),
                         settings.addopenallposition, node.openAllEntry);
}

}  // namespace

void scanFolder(FolderNode& node, ScanPlatform& platform) {
    ScanState state{platform, {}};
    if (node.settings.onlyonemenu) state.openFolders.push_back(platform.currentFolderIdentity());
    scanInto(node, state);
    // Placed here, so that ordering counts as scanning and later readers,
    // const ones too, find nothing left to change.
    node.entries.settle();
}

}  // namespace trm
