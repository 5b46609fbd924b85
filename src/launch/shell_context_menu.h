// The shell's own context menu for one file (Open, Properties, Send To ...):
// obtained from the shell, shown at a screen point, and the command chosen
// carried out.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace trm {

struct ShellContextMenuCall {
    HWND owner;          // owner of the shell's parsing and of its menu object
    HWND commandWindow;  // the window the chosen command is carried out for
    std::string path;    // the file's full path
    int x;               // screen point of the menu
    int y;
    // Track the menu on a thread of its own while this one waits; otherwise
    // on this thread (see contextMenuModeFor).
    bool ownThread;
    // Called just before the command is carried out when it is the menu's
    // last one (Properties), whose sheet may outlive the call.
    std::function<void()> lastCommandChosen;
    // With ownThread: whether the caller's own menu has ended meanwhile,
    // which closes the shell's too.
    std::function<bool()> launcherMenuEnded;
};

// True only when a command was chosen and carried out successfully. Every
// failure of the shell ends the call quietly with false; every interface,
// item list, menu, window and thread it obtained is released by then.
bool showShellContextMenu(const ShellContextMenuCall& call);

}  // namespace trm
