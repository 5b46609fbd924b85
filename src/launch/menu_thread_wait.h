// The wait for the thread that tracks the shell's context menu, which must
// not block what other threads send to this one meanwhile.
#pragma once

#include <windows.h>

#include <functional>

namespace trm {

struct MenuThreadWatch {
    // Whether the launcher's own menu has ended while the shell's was open.
    std::function<bool()> launcherMenuEnded;
    // Asks the shell's menu to close.
    std::function<void()> closeShellMenu;
    // Whether the thread is carrying out the command chosen: then it is
    // waited for however long the command takes (a Delete the user confirms).
    std::function<bool()> carryingOut;
    DWORD checkEveryMilliseconds = 100;
    // How long the thread may take to end once asked to close.
    DWORD graceMilliseconds = 2000;
};

enum class MenuThreadEnd { finished, abandoned };

// Waits for `thread` to end, answering the messages other threads send to
// this thread's windows meanwhile: a shell handler or a system broadcast
// that sends to them would otherwise wait on this thread while it waits on
// that one. Once the launcher's menu has ended the shell's is closed, and a
// thread that does not end within the grace time, and is not carrying out
// a command, is left to itself.
MenuThreadEnd waitForMenuThread(HANDLE thread, const MenuThreadWatch& watch);

}  // namespace trm
