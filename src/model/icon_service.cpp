#include "model/icon_service.h"

#include "common/settings.h"
#include "model/folder_icons.h"

namespace trm {

void IconService::setOwner(HWND window, int iconSize) {
    owner = window;
    shellIconSize = iconSize;
}

const StandardFolderIcons& IconService::folderIcons(bool withOpen) {
    if (!displaysIcons(settings)) return lent;
    const bool large = displaysShellSizeIcons(settings);
    if (!triedClosed) {
        triedClosed = true;
        closed.reset(desktopDirectoryIcon(owner, large, shellIconSize, false));
        lent.closed = closed.get();
        if (closed) measureIcon(closed.get(), lent.width, lent.height);
    }
    if (withOpen && !triedOpen) {
        triedOpen = true;
        open.reset(desktopDirectoryIcon(owner, large, shellIconSize, true));
        lent.open = open.get();
    }
    return lent;
}

void IconService::clear() {
    cache.clear();
    closed.reset();
    open.reset();
    lent = StandardFolderIcons();
    triedClosed = triedOpen = false;
}

}  // namespace trm
