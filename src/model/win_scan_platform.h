// The folder scanner's platform on Windows: the process's current directory,
// FindFirstFileA/FindNextFileA, the wait cursor and folder identities.
#pragma once

#include <string>

#include "model/scan_platform.h"

namespace trm {

// The process's current directory, however long; empty when it cannot be
// read. The first buffer holds `firstBufferSize` bytes.
std::string readCurrentDirectory(size_t firstBufferSize);

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
