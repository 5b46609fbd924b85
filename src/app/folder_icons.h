// The shell's standard folder icons (closed and open) for folder items and
// command entries, taken from the desktop directory's own icon.
#pragma once

#include <windows.h>

#include "menus/menu_builder.h"

namespace trm {

class FolderIconSet {
public:
    FolderIconSet() = default;
    ~FolderIconSet() { destroy(); }
    FolderIconSet(const FolderIconSet&) = delete;
    FolderIconSet& operator=(const FolderIconSet&) = delete;

    // Large icons (of shellIconSize pixels) or small ones. Failures leave
    // the icons absent.
    void load(HWND owner, bool large, int shellIconSize);
    // The closed icon (and the open one if asked for), each the first time
    // only: a menu without folder items or command entries never asks the
    // shell for them, and one without command entries asks for the open
    // icon only when a folder item is first highlighted. Each new icon
    // costs about 28 ms under Wine.
    void loadOnce(HWND owner, bool large, int shellIconSize, bool withOpen);
    void destroy();

    const StandardFolderIcons& icons() const { return loaded; }

private:
    StandardFolderIcons loaded;
    bool triedClosed = false;
    bool triedOpen = false;
};

// "Shell Icon Size" of the desktop's window metrics, read as a number; 0
// when absent.
int readShellIconSize();

}  // namespace trm
