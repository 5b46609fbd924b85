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

struct ContextMenuMode {
    // The shell's menu is obtained, tracked and carried out on a thread of
    // its own while the caller waits; otherwise on the caller's thread,
    // inside the caller's menu loop.
    bool ownThread;
    // What the shell's last command (Properties) opens is still on screen
    // when InvokeCommand has returned, so the process must wait for it.
    bool sheetOutlivesInvoke;
};

// On Windows: a thread of its own, and the property sheet runs on a thread
// the shell starts. Under Wine a menu tracked on a second thread gets no
// input while the first thread tracks the launcher's menu (that thread's
// menu mode keeps the mouse), so the shell's menu runs on the caller's
// thread; and Wine's property sheet is modal: InvokeCommand returns once it
// has closed.
ContextMenuMode contextMenuModeFor(bool underWine);

// waittodietime once the shell's last command was chosen: at least 10 s
// for the property sheet to come up and be found; a longer wait stays.
int waitToDieAfterLastCommand(int waittodietime);

}  // namespace trm
