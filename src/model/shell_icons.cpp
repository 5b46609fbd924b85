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

void ShellIcons::fetchIcon(const std::string& extension, const std::string& path, bool perFile) {
    if (perFile && cache.findIcon(path)) return;
    if (cache.findIcon(extension)) return;
    if (perFile && extension == ".lnk" && !settings.resolve && shareTargetIcon(path)) return;
    fetch(perFile ? perFileSource(path) : path, perFile ? path : extension);
}

const IconRecord* ShellIcons::fetch(const std::string& source, const std::string& key) {
    SHFILEINFOA info = {};
    const UINT size = displaysShellSizeIcons(settings) ? SHGFI_SHELLICONSIZE : SHGFI_SMALLICON;
    ++calls;
    if (!::SHGetFileInfoA(source.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info, SHGFI_ICON | size) ||
        info.hIcon == nullptr)
        return nullptr;
    IconRecord record;
    record.icon = std::make_shared<const IconHandle>(info.hIcon);
    measureIcon(info.hIcon, record.width, record.height);
    cache.store(key, record);
    return cache.findIcon(key);
}

bool ShellIcons::shareTargetIcon(const std::string& linkPath) {
    // A shortcut without an icon of its own shows its target's icon, so one
    // to an ordinary file shares the icon of the target's extension: asking
    // the shell for each shortcut is slow under Wine.
    const LinkTarget* target = shortcuts.lastTargetOf(linkPath);
    if (target == nullptr || !target->exists || target->ownIcon || (target->attributes & attributeDirectory) ||
        target->longPath.empty() || iconSourceOf(linkPath, target->longPath, [] { return false; }) != target->longPath)
        return false;
    const std::string targetExtension = extensionOf(target->longPath.substr(target->longPath.rfind('\\') + 1));
    if (targetExtension.empty() || hasOwnIcon(targetExtension)) return false;
    const IconRecord* shared = cache.findIcon(targetExtension);
    if (shared == nullptr) shared = fetch(target->longPath, targetExtension);
    if (shared) cache.store(linkPath, *shared);
    return true;
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
