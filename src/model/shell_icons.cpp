#include "model/shell_icons.h"

#include <windows.h>
#include <shellapi.h>

#include "common/settings.h"
#include "model/icon_cache.h"
#include "model/shell_link.h"
#include "model/win_shortcut_platform.h"

namespace trm {

void ShellIcons::fetchIcon(const std::string& extension, const std::string& path, bool perFile) {
    if (perFile && cache.findIcon(path)) return;
    if (cache.findIcon(extension)) return;

    const std::string source = perFile ? perFileSource(path) : path;
    SHFILEINFOA info = {};
    const UINT size = displaysShellSizeIcons(settings) ? SHGFI_SHELLICONSIZE : SHGFI_SMALLICON;
    ++calls;
    if (!::SHGetFileInfoA(source.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info, SHGFI_ICON | size) ||
        info.hIcon == nullptr)
        return;
    IconRecord record;
    record.icon = IconHandle(info.hIcon);
    measureIcon(info.hIcon, record.width, record.height);
    cache.store(perFile ? path : extension, std::move(record));
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
