// The folder scanner's platform on Windows: the process's current directory,
// FindFirstFileA/FindNextFileA, the wait cursor and folder identities.
#pragma once

#include "model/scan_platform.h"

namespace trm {

class WinScanPlatform : public ScanPlatform {
public:
    void* showWaitCursor() override;
    void restoreCursor(void* kept) override;
    std::string currentDirectory() override;
    bool setCurrentDirectory(const std::string& path) override;
    std::string currentFolderIdentity() override;
    bool listCurrentDirectory(const std::function<void(const FoundItem&)>& visit) override;
};

}  // namespace trm
