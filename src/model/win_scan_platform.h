// The folder scanner's platform on Windows: the process's current directory,
// FindFirstFileW/FindNextFileW, the wait cursor, folder identities, and the
// shell's shortcuts and icons.
#pragma once

#include <string>

#include "model/icon_service.h"
#include "model/scan_platform.h"
#include "model/win_shortcut_platform.h"

namespace trm {

// The process's current directory, however long; empty when it cannot be
// read. The first buffer holds `firstBufferSize` bytes.
std::string readCurrentDirectory(size_t firstBufferSize);
// Makes path (of any length the system takes) the current directory.
bool enterDirectory(const std::string& path);
// The file name of the running executable, in its long form; empty when it
// cannot be told.
std::string runningExecutableName();

class WinScanPlatform : public ScanPlatform {
public:
    WinScanPlatform(WinShortcutPlatform& shortcuts, IconService& icons) : shortcuts(shortcuts), icons(icons) {}

    void* showWaitCursor() override;
    void restoreCursor(void* kept) override;
    std::string currentDirectory() override;
    bool setCurrentDirectory(const std::string& path) override;
    std::string currentFolderIdentity() override;
    bool listCurrentDirectory(const std::function<void(const FoundItem&)>& visit) override;
    void handleShortcut(MenuEntry& entry, bool& include, FolderNode& node) override {
        trm::handleShortcut(entry, include, node, shortcuts);
    }
    void fetchIcon(const std::string& extension, const std::string& path, bool perFile) override {
        icons.fetchIcon(extension, path, perFile);
    }
    std::string ownExecutableName() override { return ownName; }

private:
    WinShortcutPlatform& shortcuts;
    IconService& icons;
    const std::string ownName = runningExecutableName();
};

}  // namespace trm
