#include "model/shell_icons.h"

#include <windows.h>
#include <shellapi.h>

#include "common/settings.h"
#include "model/icon_cache.h"
#include "model/name_rules.h"
#include "model/scan_platform.h"
#include "model/shell_link.h"
#include "model/win_shortcut_platform.h"

namespace trm {

std::string ShellIcons::keyAt(const std::string& key, int size) const {
    if (size == systemSize || systemSize == 0) return key;
    return key + '\x02' + std::to_string(size);
}

bool ShellIcons::held(const std::string& key) const {
    const std::string at = sized(key);
    return cache.findIcon(at) != nullptr || pending.count(at) != 0;
}

void ShellIcons::share(const std::string& fromKey, const std::string& toKey) {
    const std::string from = sized(fromKey);
    const std::string to = sized(toKey);
    if (const IconRecord* record = cache.findIcon(from))
        cache.store(to, *record);
    else if (pending.count(from))
        sharers.emplace(from, to);
}

void ShellIcons::arrived(const std::string& key, IconHandle icon) {
    if (pending.erase(key) == 0) return;
    const auto sharing = sharers.equal_range(key);
    if (icon) {
        const IconRecord record = recordOf(std::move(icon));
        cache.store(key, record);
        for (auto it = sharing.first; it != sharing.second; ++it) cache.store(it->second, record);
    }
    sharers.erase(sharing.first, sharing.second);
}

void ShellIcons::fetchIcon(const std::string& extension, const std::string& path, bool perFile) {
    if (perFile && held(path)) return;
    if (held(extension)) return;
    const size_t slash = path.rfind('\\');
    group = slash == std::string::npos ? std::string() : path.substr(0, slash);
    if (perFile) {
        // A folder on a place that did not answer keeps the standard folder
        // icon: the shell would wait on that place again.
        if (shortcuts.unreachable.holds(path)) return;
        if (extension == ".lnk" && iconWithoutTarget(path)) return;
    }
    if (perFile && extension == ".lnk" && !settings.resolve && shareTargetIcon(path)) return;
    fetch(perFile ? perFileSource(path) : path, perFile ? path : extension);
}

const IconRecord* ShellIcons::fetch(const std::string& source, const std::string& key, bool byType, bool folder) {
    IconRequest request;
    const UINT size = displaysShellSizeIcons(settings) ? SHGFI_SHELLICONSIZE : SHGFI_SMALLICON;
    request.source = source;
    request.key = key;
    request.flags = SHGFI_ICON | size | (byType ? SHGFI_USEFILEATTRIBUTES : 0);
    request.attributes = folder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
    return ask(std::move(request));
}

const IconRecord* ShellIcons::ask(IconRequest request) {
    request.key = sized(request.key);
    request.group = group;
    request.size = requestSize();
    ++calls;
    if (defer) {
        pending.insert(request.key);
        defer(std::move(request));
        return nullptr;
    }
    IconHandle icon(shellIconOf(request));
    if (!icon) return nullptr;
    cache.store(request.key, recordOf(std::move(icon)));
    return cache.findIcon(request.key);
}

bool ShellIcons::shareTargetIcon(const std::string& linkPath) {
    // A shortcut without an icon of its own shows its target's icon, so one
    // to an ordinary file shares the icon of the target's extension: asking
    // the shell for each shortcut is slow under Wine.
    const LinkTarget* target = shortcuts.lastTargetOf(linkPath);
    if (target == nullptr || !target->exists || !target->iconPath.empty() ||
        (target->attributes & attributeDirectory) || target->longPath.empty() ||
        iconSourceOf(linkPath, target->longPath, [] { return false; }) != target->longPath)
        return false;
    const std::string targetExtension = extensionOf(target->longPath.substr(target->longPath.rfind('\\') + 1));
    if (targetExtension.empty() || hasOwnIcon(targetExtension)) return false;
    if (!held(targetExtension)) fetch(target->longPath, targetExtension);
    share(targetExtension, linkPath);
    return true;
}

bool ShellIcons::iconWithoutTarget(const std::string& linkPath) {
    const LinkTarget* target = shortcuts.lastTargetOf(linkPath);
    if (target == nullptr || !shortcuts.unreachable.holds(target->path)) return false;
    if (!target->iconPath.empty() && !shortcuts.unreachable.holds(target->iconPath) &&
        extractLinkIcon(target->iconPath, target->iconIndex, linkPath))
        return true;
    if (target->attributes & attributeDirectory) {
        fetch("folder", linkPath, true, true);
        return true;
    }
    const std::string& named = target->longPath.empty() ? target->path : target->longPath;
    const std::string name = named.substr(named.rfind('\\') + 1);
    const std::string targetExtension = extensionOf(name);
    if (targetExtension.empty() || hasOwnIcon(targetExtension)) {
        fetch(name, linkPath, true);
        return true;
    }
    // Ordinary files share their type's icon, as shareTargetIcon does.
    if (!held(targetExtension)) fetch(name, targetExtension, true);
    share(targetExtension, linkPath);
    return true;
}

bool ShellIcons::extractLinkIcon(const std::string& location, int index, const std::string& key) {
    IconRequest request;
    request.kind = IconRequest::Kind::extract;
    request.source = location;
    request.key = key;
    request.index = index;
    request.large = displaysShellSizeIcons(settings);
    // Asked of a worker, taken as found: a file without the icon leaves the
    // shortcut none.
    const bool deferred = static_cast<bool>(defer);
    return ask(std::move(request)) != nullptr || deferred;
}

std::string ShellIcons::perFileSource(const std::string& path) {
    std::string target = path;
    if (settings.resolve) {
        ShellLink link;
        std::string resolved;
        if (link.load(path) && link.resolveQuietly() && link.targetPath(SLGP_SHORTPATH, resolved)) target = resolved;
    }
    return iconSourceOf(path, target, [&] { return shortcuts.onReachableNetworkDrive(target); });
}

}  // namespace trm
