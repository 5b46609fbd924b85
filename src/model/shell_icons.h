// Fetches the shell's icon of a file or folder into the icon cache: one per
// extension for ordinary files, one per path for programs, shortcuts and
// folders, whose icons are their own.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>

#include "common/user_handles.h"
#include "model/icon_worker.h"

namespace trm {

struct Settings;
class IconCache;
struct IconRecord;
class WinShortcutPlatform;

class ShellIcons {
public:
    ShellIcons(const Settings& settings, IconCache& cache, WinShortcutPlatform& shortcuts)
        : settings(settings), cache(cache), shortcuts(shortcuts) {}

    // Makes sure the cache holds the icon, if the shell has one: under `path`
    // when `perFile`, else under `extension`. A miss is asked again next time.
    void fetchIcon(const std::string& extension, const std::string& path, bool perFile);

    // From then on the shell is asked through `to` (a worker); the icons
    // come back through arrived(). Each key is asked for once.
    void deferTo(std::function<void(IconRequest)> to) { defer = std::move(to); }
    // Icons are fetched `size` pixels square from here on, each size under
    // keys of its own; those of `systemSize` keep the plain keys and are
    // asked of the shell as the system sizes its icons (0: not known yet).
    void setSizes(int size, int systemSize) {
        askedSize = size;
        this->systemSize = systemSize;
    }
    // Where the icon under `key` is kept at `size`.
    std::string keyAt(const std::string& key, int size) const;
    // An icon asked for has come (null: the shell had none). `key` is the
    // request's, size included.
    void arrived(const std::string& key, IconHandle icon);
    // Whether the icon under `key` at `size` is asked for and still to come.
    bool awaited(const std::string& key, int size) const { return pending.count(keyAt(key, size)) != 0; }
    size_t awaitedCount() const { return pending.size(); }
    // Forgets what was asked for; what comes later is not kept.
    void dropPending() {
        pending.clear();
        sharers.clear();
    }

    // The shell calls it made (for the tests: icons are shared per extension).
    int shellCalls() const { return calls; }

private:
    // Asks the shell for the icon of `source` and keeps it under `key`; null
    // when the shell has none. With `byType` the file is not looked at: the
    // icon is that of a file of that name, or of a folder.
    const IconRecord* fetch(const std::string& source, const std::string& key, bool byType = false,
                            bool folder = false);
    // Has the request (its key plain) carried out at the size asked for now:
    // by the worker when there is one (null then), else here.
    const IconRecord* ask(IconRequest request);
    // Gives a shortcut whose target lies on a drive or server found
    // unreachable the icon the link names, or else its target's type icon;
    // false when the target is not known to be unreachable.
    bool iconWithoutTarget(const std::string& linkPath);
    bool extractLinkIcon(const std::string& location, int index, const std::string& key);
    // Gives a shortcut the icon of its target's extension, when that is what
    // the shell would show for it; false when it cannot tell.
    bool shareTargetIcon(const std::string& linkPath);
    std::string perFileSource(const std::string& path);
    // The key at the size asked for now.
    std::string sized(const std::string& key) const { return keyAt(key, askedSize); }
    // The request's size for the shell: 0 for the system's.
    int requestSize() const { return askedSize == systemSize ? 0 : askedSize; }
    // In the cache or on its way, at the size asked for now.
    bool held(const std::string& key) const;
    // `to` shows the icon of `from`, now or when it comes.
    void share(const std::string& from, const std::string& to);

    const Settings& settings;
    IconCache& cache;
    WinShortcutPlatform& shortcuts;
    int calls = 0;
    int askedSize = 0;
    int systemSize = 0;
    std::function<void(IconRequest)> defer;
    std::set<std::string> pending;
    std::multimap<std::string, std::string> sharers;  // from the key awaited to the keys that share it
    std::string group;                                // the folder of the file being asked about
};

}  // namespace trm
