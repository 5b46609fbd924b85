// The decisions of the item launcher that need no shell: whether a path may
// be opened, and how the shell is asked to open it.
#pragma once

#include <string>

namespace trm {

// Once a path is pending (asked for by the mouse hook), only that path, in
// any case, may be opened in this process.
bool mayOpenPath(const std::string& path, const std::string& pendingOpenPath);

struct ShellExecuteMode {
    unsigned long mask;  // SHELLEXECUTEINFOA::fMask
    bool useShortPath;   // hand the shell the 8.3 form of the path
};

// On Windows: the default action through the item list, on the short path.
// Wine opens nothing with that mask and picks the program by the truncated
// 8.3 extension, so there the long path goes without the item-list bit.
ShellExecuteMode shellExecuteModeFor(bool underWine);

}  // namespace trm
