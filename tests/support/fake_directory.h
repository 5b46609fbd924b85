// An in-memory folder tree behind the scanner's platform seam: items in the
// order they were added, "." and ".." first, links that alias any folder
// (cycles included), and a record of what the scanner asked for.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/ascii.h"
#include "model/folder_node.h"
#include "model/scan_platform.h"

class FakeDirectory : public trm::ScanPlatform {
public:
    struct Folder {
        std::vector<trm::FoundItem> items;
        std::vector<Folder*> targets;  // per item; null for files
        int identity = 0;
    };

    explicit FakeDirectory(std::string rootPath = "C:\\Root") : rootPath_(std::move(rootPath)) {
        root_ = newFolder();
        current = rootPath_;
    }

    static trm::FileTime time(uint64_t value) {
        return trm::FileTime{static_cast<uint32_t>(value), static_cast<uint32_t>(value >> 32)};
    }

    // Paths are relative to the root, parts separated by backslashes; missing
    // parent folders are made on the way.
    void file(const std::string& path, uint64_t created = 0, uint64_t accessed = 0, uint32_t attributes = 0) {
        Folder& parent = makeFolders(parentOf(path));
        parent.items.push_back(trm::FoundItem{leafOf(path), attributes, time(created), time(accessed)});
        parent.targets.push_back(nullptr);
    }
    Folder& folder(const std::string& path, uint64_t created = 0, uint64_t accessed = 0, uint32_t attributes = 0) {
        Folder& parent = makeFolders(parentOf(path));
        Folder* made = newFolder();
        parent.items.push_back(
            trm::FoundItem{leafOf(path), trm::attributeDirectory | attributes, time(created), time(accessed)});
        parent.targets.push_back(made);
        return *made;
    }
    // A junction at `path` leading to the folder at `target` ("" for the root),
    // marked as the platform marks one; the scanner goes by identities.
    static const uint32_t reparsePoint = 0x400;
    void link(const std::string& path, const std::string& target) {
        Folder& parent = makeFolders(parentOf(path));
        parent.items.push_back(trm::FoundItem{leafOf(path), trm::attributeDirectory | reparsePoint, {}, {}});
        parent.targets.push_back(&makeFolders(target));
    }

    // The platform.
    void* showWaitCursor() override {
        ++waitCursorsShown;
        void* kept = cursor;
        cursor = &waitCursor;
        return kept;
    }
    void restoreCursor(void* kept) override { cursor = kept; }
    std::string currentDirectory() override { return current; }
    bool setCurrentDirectory(const std::string& path) override {
        if (!resolve(path)) return false;
        current = path;
        return true;
    }
    std::string currentFolderIdentity() override {
        const Folder* folder = resolve(current);
        return identitiesKnown && folder ? std::to_string(folder->identity) : std::string();
    }
    bool listCurrentDirectory(const std::function<void(const trm::FoundItem&)>& visit) override {
        const Folder* folder = resolve(current);
        if (!folder) return false;
        const trm::FoundItem dot{".", trm::attributeDirectory, {}, {}};
        const trm::FoundItem dotDot{"..", trm::attributeDirectory, {}, {}};
        visit(dot);
        visit(dotDot);
        for (const trm::FoundItem& item : folder->items) visit(item);
        return true;
    }
    void handleShortcut(trm::MenuEntry& entry, bool& include, trm::FolderNode& node) override {
        shortcutsHandled.push_back(entry.path);
        if (onShortcut) onShortcut(entry, include, node);
    }
    std::string ownExecutableName() override { return ownName; }
    void fetchIcon(const std::string& extension, const std::string& path, bool perFile) override {
        iconsFetched.push_back(extension + "|" + path + (perFile ? "|file" : "|type"));
    }

    std::string current;
    std::string ownName;
    bool identitiesKnown = true;
    void* cursor = &arrowCursor;
    int waitCursorsShown = 0;
    std::vector<std::string> shortcutsHandled;
    std::vector<std::string> iconsFetched;
    std::function<void(trm::MenuEntry&, bool&, trm::FolderNode&)> onShortcut;
    int arrowCursor = 0;
    int waitCursor = 0;

private:
    Folder* newFolder() {
        folders_.push_back(std::make_unique<Folder>());
        folders_.back()->identity = static_cast<int>(folders_.size());
        return folders_.back().get();
    }
    static std::string parentOf(const std::string& path) {
        const size_t slash = path.rfind('\\');
        return slash == std::string::npos ? std::string() : path.substr(0, slash);
    }
    static std::string leafOf(const std::string& path) {
        const size_t slash = path.rfind('\\');
        return slash == std::string::npos ? path : path.substr(slash + 1);
    }
    static Folder* child(Folder& parent, const std::string& name) {
        for (size_t i = 0; i < parent.items.size(); ++i)
            if (parent.targets[i] && trm::equalsNoCase(parent.items[i].name, name)) return parent.targets[i];
        return nullptr;
    }
    Folder& makeFolders(const std::string& path) {
        Folder* folder = root_;
        size_t start = 0;
        while (start < path.size()) {
            size_t end = path.find('\\', start);
            if (end == std::string::npos) end = path.size();
            const std::string part = path.substr(start, end - start);
            Folder* next = child(*folder, part);
            if (!next) {
                next = newFolder();
                folder->items.push_back(trm::FoundItem{part, trm::attributeDirectory, {}, {}});
                folder->targets.push_back(next);
            }
            folder = next;
            start = end + 1;
        }
        return *folder;
    }
    Folder* resolve(const std::string& path) {
        if (!trm::beginsWithNoCase(path, rootPath_)) return nullptr;
        size_t start = rootPath_.size();
        if (start < path.size() && path[start] != '\\') return nullptr;
        Folder* folder = root_;
        while (folder && start < path.size()) {
            if (path[start] == '\\') ++start;
            size_t end = path.find('\\', start);
            if (end == std::string::npos) end = path.size();
            if (end == start) break;
            folder = child(*folder, path.substr(start, end - start));
            start = end;
        }
        return folder;
    }

    std::string rootPath_;
    Folder* root_ = nullptr;
    std::vector<std::unique_ptr<Folder>> folders_;
};
