#include "launch/item_launcher.h"

#include <vector>

#include "launch/error_messages.h"
#include "launch/launch_policy.h"

namespace trm {

namespace {

// The 8.3 form of path, or path itself when the file system has none. Paths
// longer than a 260-byte buffer get a buffer of their own size.
std::string shortPathOf(const std::string& path) {
    std::vector<char> buffer(MAX_PATH);
    DWORD length = ::GetShortPathNameA(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length >= buffer.size()) {
        buffer.resize(length + 1);
        length = ::GetShortPathNameA(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    }
    if (length == 0 || length >= buffer.size()) return path;
    return std::string(buffer.data(), length);
}

}  // namespace

bool launchItem(HWND owner, const std::string& path, const std::string& pendingOpenPath, bool underWine) {
    if (!mayOpenPath(path, pendingOpenPath)) return false;

    const ShellExecuteMode mode = shellExecuteModeFor(underWine);
    const std::string target = mode.useShortPath ? shortPathOf(path) : path;

    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = mode.mask;
    info.hwnd = owner;
    info.lpFile = target.c_str();
    info.nShow = SW_SHOWNORMAL;
    const BOOL done = ::ShellExecuteExA(&info);
    const INT_PTR code = reinterpret_cast<INT_PTR>(info.hInstApp);
    if (!done || code <= 32) {
        const std::string message = errorText(static_cast<int>(code));
        if (!message.empty()) ::MessageBoxA(nullptr, message.c_str(), messageCaption, MB_ICONINFORMATION);
    }
    return true;
}

bool runningUnderWine() {
    HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace trm
