#include "model/win_shortcut_platform.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "common/ascii.h"
#include "common/kernel_handles.h"
#include "common/settings.h"
#include "common/win_text.h"
#include "model/scan_platform.h"
#include "model/shell_link.h"

namespace trm {

namespace {

FileTime fromFiletime(const FILETIME& time) {
    return FileTime{time.dwLowDateTime, time.dwHighDateTime};
}

// Turns off the system's "no disk in drive" and similar boxes for its scope.
class QuietErrors {
public:
    QuietErrors() : kept(::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX)) {}
    ~QuietErrors() { ::SetErrorMode(kept); }
    QuietErrors(const QuietErrors&) = delete;
    QuietErrors& operator=(const QuietErrors&) = delete;

private:
    UINT kept;
};

// What the link file recorded of its target when it was made: Windows
// writes the attributes and times into its header, Wine writes zeros there;
// both store the target's item list, whose last item says whether it was a
// folder.
void readRecordedTarget(const std::string& linkPath, LinkTarget& target) {
    std::vector<unsigned char> bytes(linkItemListEnd);
    DWORD got = 0;
    const FileHandle file(::CreateFileA(linkPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, 0, nullptr));
    if (!file.valid() || !::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr)) return;
    LinkTarget recorded;
    if (!readLinkHeader(bytes.data(), got, recorded)) return;
    if (recorded.attributes != 0) {
        target.attributes = recorded.attributes;
        target.created = recorded.created;
        target.accessed = recorded.accessed;
        return;
    }
    uint32_t stored = 0;
    if (readLinkItemListKind(bytes.data(), got, stored)) target.attributes = stored;
}

// Errors that say the drive or server did not answer, rather than that the
// path is not there.
bool placeUnreachable(DWORD error) {
    switch (error) {
        case ERROR_BAD_NETPATH:
        case ERROR_NETNAME_DELETED:
        case ERROR_REM_NOT_LIST:
        case ERROR_UNEXP_NET_ERR:
        case ERROR_BAD_NET_RESP:
        case ERROR_SEM_TIMEOUT:
        case ERROR_NO_NETWORK:
        case ERROR_NETWORK_UNREACHABLE:
        case ERROR_HOST_UNREACHABLE:
        case ERROR_NOT_READY:
        case ERROR_DEVICE_NOT_CONNECTED: return true;
        default: return false;
    }
}

// Through the UTF-16 find data: the ANSI one holds 260 bytes, fewer than a
// long name needs in UTF-8.
PathState found(const std::string& pattern) {
    WIN32_FIND_DATAW data;
    const QuietErrors quiet;
    const std::wstring wide = wideOf(pattern);
    const FindHandle search(::FindFirstFileW(wide.c_str(), &data));
    if (search.valid()) return PathState::present;
    return placeUnreachable(::GetLastError()) ? PathState::unreachable : PathState::absent;
}

}  // namespace

bool WinShortcutPlatform::readLink(const std::string& linkPath, bool wantFolderPath, LinkTarget& target) {
    lastLink.clear();
    ShellLink link;
    WIN32_FIND_DATAW data = {};
    if (!link.load(linkPath) || !link.targetPath(SLGP_SHORTPATH, target.path, &data)) return false;
    target.attributes = data.dwFileAttributes;
    target.created = fromFiletime(data.ftCreationTime);
    target.accessed = fromFiletime(data.ftLastAccessTime);
    target.exists = target.attributes != 0;
    // Without a target on disk Wine's find data is empty, where Windows answers
    // from what the link recorded: ask the link file itself. (Wine's item
    // lists cannot tell: its shell calls every missing item a folder.)
    if (!target.exists && !target.path.empty()) readRecordedTarget(linkPath, target);
    if (wantFolderPath && (target.attributes & attributeDirectory))
        link.targetPath(SLGP_UNCPRIORITY, target.folderPath);  // failed: the short path serves
    link.targetPath(0, target.longPath);                       // failed: no icon is shared by extension
    link.iconLocation(target.iconPath, target.iconIndex);
    lastLink = linkPath;
    lastTarget = target;
    return true;
}

bool WinShortcutPlatform::driveSelectable(char letter) {
    letter = asciiLower(letter);
    if (letter < 'a' || letter > 'z') return false;
    signed char& known = drives[letter - 'a'];
    if (known == 0) {
        // Each drive is probed once per run: a removable or network drive
        // that is slow to answer delays the menu once, not per shortcut.
        const char root[] = {letter, ':', '\\', '\0'};
        const QuietErrors quiet;
        const UINT type = ::GetDriveTypeA(root);
        const bool selectable =
            type != DRIVE_NO_ROOT_DIR && type != DRIVE_UNKNOWN && ::GetFileAttributesA(root) != INVALID_FILE_ATTRIBUTES;
        known = selectable ? 1 : -1;
    }
    return known > 0;
}

PathState WinShortcutPlatform::lookUpFolder(const std::string& folder) {
    std::string pattern = folder;
    if (pattern.empty() || pattern.back() != '\\') pattern += '\\';
    return found(pattern + "*.*");
}

PathState WinShortcutPlatform::lookUp(const std::string& path) {
    return found(path);
}

bool WinShortcutPlatform::serverAnswers(const std::string& path) {
    // A server is asked through one of its shares: the name alone is no file.
    const std::string share = sharePartOf(path);
    if (share.empty()) return true;
    const QuietErrors quiet;
    if (::GetFileAttributesW(wideOf(share + "\\").c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    // A missing share, or one that refuses this user, still came from a live
    // server. A share that is no disk holds no folders (Wine, having no
    // network file system, says so of every share).
    const DWORD error = ::GetLastError();
    return error != ERROR_BAD_DEV_TYPE && !placeUnreachable(error);
}

bool WinShortcutPlatform::onReachableNetworkDrive(const std::string& target) {
    if (settings.noavailablecheck || target.size() < 2 || target[1] != ':') return false;
    const char root[] = {target[0], ':', '\\', '\0'};
    return ::GetDriveTypeA(root) == DRIVE_REMOTE && driveSelectable(target[0]);
}

void WinShortcutPlatform::reset() {
    std::memset(drives, 0, sizeof drives);
    lastLink.clear();
    unreachable.clear();
    answeringServers.clear();
}

}  // namespace trm
