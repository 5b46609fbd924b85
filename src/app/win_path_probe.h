// The option parser's file-system seam on Windows.
#pragma once

#include "app/path_probe.h"

namespace trm {

class WinPathProbe : public PathProbe {
public:
    bool isExistingDirectory(const std::string& path) override;
    std::string currentDirectory() override;
    bool setCurrentDirectory(const std::string& path) override;
};

}  // namespace trm
