// The three file-system facts the option parser needs, behind one seam so
// the parser stays pure: the Windows side asks the file system, tests fake it.
#pragma once

#include <string>

namespace trm {

class PathProbe {
public:
    virtual ~PathProbe() = default;
    virtual bool isExistingDirectory(const std::string& path) = 0;
    virtual std::string currentDirectory() = 0;
    virtual bool setCurrentDirectory(const std::string& path) = 0;
};

}  // namespace trm
