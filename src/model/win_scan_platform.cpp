#include "model/win_scan_platform.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "common/kernel_handles.h"
#include "common/win_text.h"

namespace trm {

namespace {

FileTime fromFiletime(const FILETIME& time) {
    return FileTime{time.dwLowDateTime, time.dwHighDateTime};
}

}  // namespace

void* WinScanPlatform::showWaitCursor() {
    return ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
}

void WinScanPlatform::restoreCursor(void* kept) {
    ::SetCursor(static_cast<HCURSOR>(kept));
}

std::string readCurrentDirectory(size_t firstBufferSize) {
    // In UTF-16: the ANSI call fails outright on a directory longer than
    // MAX_PATH, and an empty directory would turn every path into one at the
    // drive's root.
    std::vector<wchar_t> buffer(firstBufferSize);
    DWORD length = ::GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length >= buffer.size()) {
        buffer.resize(length + 1);
        length = ::GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
    }
    if (length == 0 || length >= buffer.size()) return std::string();
    return narrowOf(std::wstring(buffer.data(), length));
}

bool enterDirectory(const std::string& path) {
    // The ANSI call refuses paths longer than MAX_PATH; the UTF-16 one takes
    // them wherever the system allows long paths (and under Wine).
    const std::wstring wide = wideOf(path);
    return !wide.empty() && ::SetCurrentDirectoryW(wide.c_str()) != FALSE;
}

std::string runningExecutableName() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return std::string();
        if (length < path.size()) break;
        // Cut short: a longer buffer, up to the longest path the system has.
        if (path.size() >= 32768) return std::string();
        path.resize(path.size() * 2);
    }
    // Started through an 8.3 path, the module path holds the short name, and
    // the folder listing gives the long one.
    std::vector<wchar_t> longPath(path.size());
    DWORD length = ::GetLongPathNameW(path.data(), longPath.data(), static_cast<DWORD>(longPath.size()));
    if (length >= longPath.size()) {
        longPath.resize(length + 1);
        length = ::GetLongPathNameW(path.data(), longPath.data(), static_cast<DWORD>(longPath.size()));
    }
    const std::wstring full =
        length > 0 && length < longPath.size() ? std::wstring(longPath.data(), length) : std::wstring(path.data());
    return narrowOf(full.substr(full.find_last_of(L"\\/") + 1));
}

std::string WinScanPlatform::currentDirectory() {
    // Large enough for any ordinary path; a longer one gets what it asks for.
    return readCurrentDirectory(10000);
}

bool WinScanPlatform::setCurrentDirectory(const std::string& path) {
    return enterDirectory(path);
}

std::string WinScanPlatform::currentFolderIdentity() {
    // Opening "." follows any junction or link on the way, so the volume and
    // file index name the folder itself, however it was reached.
    const FileHandle folder(::CreateFileA(".", 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                          OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!folder.valid()) return std::string();
    BY_HANDLE_FILE_INFORMATION info;
    if (!::GetFileInformationByHandle(folder.get(), &info)) return std::string();
    char text[40];
    std::snprintf(text, sizeof text, "%08lx:%08lx%08lx", static_cast<unsigned long>(info.dwVolumeSerialNumber),
                  static_cast<unsigned long>(info.nFileIndexHigh), static_cast<unsigned long>(info.nFileIndexLow));
    return text;
}

bool WinScanPlatform::listCurrentDirectory(const std::function<void(const FoundItem&)>& visit) {
    // Read in UTF-16 and converted here: a fixed buffer of the ANSI find data
    // holds 260 bytes, fewer than a long name needs in UTF-8.
    WIN32_FIND_DATAW found;
    const FindHandle search(::FindFirstFileW(L"*.*", &found));
    if (!search.valid()) return false;
    FoundItem item;
    do {
        item.name = narrowOf(found.cFileName);
        item.attributes = found.dwFileAttributes;
        item.created = fromFiletime(found.ftCreationTime);
        item.accessed = fromFiletime(found.ftLastAccessTime);
        visit(item);
    } while (::FindNextFileW(search.get(), &found));
    return true;
}

}  // namespace trm
