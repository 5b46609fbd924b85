// The shell's own context menu for one file (Open, Properties, Send To ...):
// obtained from the shell, shown at a screen point, and the command chosen
// carried out, all on one thread in an apartment that has OLE (the
// clipboard and drag and drop of Copy, Cut and Paste need it).
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
    // Obtain, track and carry out on a thread of its own, with its own
    // apartment, while this one waits; otherwise on this thread, whose
    // apartment must have OLE (see contextMenuModeFor).
    bool ownThread;
    // Called on this thread once the command is carried out when it is the
    // menu's last one (Properties), whose sheet may outlive the call.
    std::function<void()> lastCommandChosen;
    // With ownThread: whether the caller's own menu has ended meanwhile,
    // which closes the shell's too.
    std::function<bool()> launcherMenuEnded;
};

// True only when a command was chosen and carried out successfully. Every
// failure of the shell ends the call quietly with false; every interface,
// item list, menu, window and thread it obtained is released by then.
bool showShellContextMenu(const ShellContextMenuCall& call);

// Whether a thread of ownThread's was left to itself, still showing its menu
// after the caller's had ended: the process then ends without leaving the
// caller's apartment, so nothing of COM is torn down under that thread.
bool shellMenuThreadLeftBehind();

}  // namespace trm
