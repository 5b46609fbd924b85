#include "app/win_path_probe.h"

#include <windows.h>

#include <vector>

namespace trm {

bool WinPathProbe::isExistingDirectory(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    ::FindClose(search);
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string WinPathProbe::currentDirectory() {
    // A 260-byte buffer first; a longer current directory gets what it needs.
    std::vector<char> buffer(MAX_PATH);
    DWORD length = ::GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length >= buffer.size()) {
        buffer.resize(length + 1);
        length = ::GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    }
    if (length == 0 || length >= buffer.size()) return std::string();
    return std::string(buffer.data(), length);
}

bool WinPathProbe::setCurrentDirectory(const std::string& path) {
    return ::SetCurrentDirectoryA(path.c_str()) != FALSE;
}

}  // namespace trm
