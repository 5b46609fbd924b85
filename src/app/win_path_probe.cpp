#include "app/win_path_probe.h"

#include <windows.h>

#include "common/kernel_handles.h"
#include "common/win_text.h"
#include "model/win_scan_platform.h"

namespace trm {

bool WinPathProbe::isExistingDirectory(const std::string& path) {
    // UTF-16 find data: the ANSI one cannot hold every name the path may end in.
    WIN32_FIND_DATAW found;
    const FindHandle search(::FindFirstFileW(wideOf(path).c_str(), &found));
    return search.valid() && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string WinPathProbe::currentDirectory() {
    return readCurrentDirectory(MAX_PATH);
}

bool WinPathProbe::setCurrentDirectory(const std::string& path) {
    return enterDirectory(path);
}

}  // namespace trm
