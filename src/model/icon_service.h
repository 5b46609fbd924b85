// The icons of one run, owned in one place and lent to the builder and the
// painter: the shell's icons of files by extension or by path (fetched by
// the scanner, and by the builder for folders with icons of their own), and
// the standard folder icons, each asked of the shell only when an item
// first needs it. Everything goes with the service.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "common/user_handles.h"
#include "model/icon_cache.h"
#include "model/icon_worker.h"
#include "model/shell_icons.h"

namespace trm {

struct Settings;
class WinShortcutPlatform;

// The standard folder icons as lent out; either may be null.
struct StandardFolderIcons {
    HICON closed = nullptr;
    HICON open = nullptr;
    int width = 0;  // measured from the closed icon
    int height = 0;
};

class IconService {
public:
    IconService(const Settings& settings, WinShortcutPlatform& shortcuts)
        : settings(settings), shell(settings, cache, shortcuts) {}

    // The window the shell's calls are made for, and the size of the
    // shell's large icons ("Shell Icon Size"; 0 leaves it to the system).
    void setOwner(HWND window, int shellIconSize);

    // The icons' size in a menu drawn at `dpi`.
    int iconSizeAt(int dpi) const;
    // From here on icons are fetched and looked up at the size of `dpi` (at
    // first the system's), each size cached apart.
    void fetchAt(int dpi);
    // Also the room an icon still to come takes in the menu.
    int fetchSize() const { return sizeNow > 0 ? sizeNow : iconSizeAt(fetchDpi); }

    // Makes sure the cache holds the icon of a file or folder, if the shell
    // has one: under `path` when `perFile`, else under `extension`.
    void fetchIcon(const std::string& extension, const std::string& path, bool perFile) {
        shell.fetchIcon(extension, path, perFile);
    }
    const IconRecord* findIcon(const std::string& key) const { return findIconAt(key, fetchSize()); }
    const IconRecord* findIconAt(const std::string& key, int size) const {
        return cache.findIcon(shell.keyAt(key, size));
    }

    // The standard folder icons: the closed one asked for at the first call,
    // the open one at the first that wants it (it shows only on a
    // highlighted item). None without icons on the menus. With the worker,
    // those that have come; wanting the open one asks for it.
    const StandardFolderIcons& folderIcons(bool withOpen) { return folderIconsAt(withOpen, fetchSize()); }
    const StandardFolderIcons& folderIconsAt(bool withOpen, int size);
    // With the worker: the open folder icon is asked for, to be fetched
    // when nothing else waits (it shows only on a highlighted item).
    void wantOpenFolderIconLater();

    // From here on the shell is asked on a worker thread; its icons come
    // to `window` as `message`, to be handed to accept(). The standard
    // folder icons are asked for first.
    void startWorker(HWND window, UINT message, IconSource source = shellIconOf);
    bool deferred() const { return worker.running(); }
    // Takes an icon the worker posted; false when it came too late to keep.
    bool accept(IconArrival* arrival);
    // Whether the icon under `key` is on its way.
    bool awaited(const std::string& key) const { return shell.awaited(key, fetchSize()); }
    bool awaitedAt(const std::string& key, int size) const { return shell.awaited(key, size); }
    // How many icons asked of the worker are still to come.
    size_t toCome() const { return shell.awaitedCount() + folderIconsToCome; }
    // The folder's icons go ahead of everything else still to fetch.
    void putFirst(const std::string& folder) { worker.putFirst(folder); }
    // Drops the worker's pending work and the icons it posted; a worker
    // stuck in the shell is waited for at most `bound`.
    void stopWorker(std::chrono::milliseconds bound = std::chrono::milliseconds(500));

    // Destroys every icon, as the end of a run does; they are asked for
    // again when next needed.
    void clear();

    // For the tests: the shell calls made for files, and the icons cached.
    int shellCalls() const { return shell.shellCalls(); }
    size_t cachedIcons() const { return cache.size(); }

private:
    // The standard folder icons of one size.
    struct FolderIcons {
        IconHandle closed;
        IconHandle open;
        StandardFolderIcons lent;
        bool triedClosed = false;  // of the shell, or of the worker
        bool triedOpen = false;
        int openAsked = 0;  // 0 not yet, 1 when idle, 2 at once
    };
    FolderIcons& folderIconsOf(int size);
    void askFolderIcon(bool isOpen, bool whenIdle, int size);
    // Kept, not asked of the system for every item.
    void sizesChanged();
    int systemSize() const { return systemSizeNow > 0 ? systemSizeNow : iconSizeAt(0); }

    const Settings& settings;
    IconCache cache;
    ShellIcons shell;
    HWND owner = nullptr;
    int shellIconSize = 0;
    int fetchDpi = 0;  // 0: the system's
    int sizeNow = 0;   // at fetchDpi; 0 until known
    int systemSizeNow = 0;
    std::map<int, FolderIcons> folders;  // by size
    UINT arrivalMessage = 0;
    int folderIconsToCome = 0;  // asked of the worker, arrived or not
    IconWorker worker;
};

}  // namespace trm
