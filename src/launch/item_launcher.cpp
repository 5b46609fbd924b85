#include "launch/item_launcher.h"

#include <new>
#include <vector>

#include "common/win_text.h"
#include "launch/error_messages.h"
#include "launch/launch_policy.h"

namespace trm {

namespace {

// The 8.3 form of a path too long for the ANSI call: asked in UTF-16 with
// the "\\?\" prefix, which lifts the MAX_PATH limit. Path itself when the
// file system has none.
std::string longShortPathOf(const std::string& path) {
    const std::wstring prefix = L"\\\\?\\";
    if (path.size() < MAX_PATH || path.size() < 3 || path[1] != ':' || path[2] != '\\') return path;
    const std::wstring longForm = prefix + wideOf(path);
    std::vector<wchar_t> buffer(longForm.size() + 1);
    const DWORD length = ::GetShortPathNameW(longForm.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length <= prefix.size() || length >= buffer.size()) return path;
    std::wstring shortForm(buffer.data(), length);
    if (shortForm.compare(0, prefix.size(), prefix) == 0) shortForm.erase(0, prefix.size());
    const std::string narrow = narrowOf(shortForm);
    return narrow.empty() ? path : narrow;
}

// The 8.3 form of path, or path itself when the file system has none.
std::string shortPathOf(const std::string& path) {
    std::vector<char> buffer(MAX_PATH);
    DWORD length = ::GetShortPathNameA(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length >= buffer.size()) {
        buffer.resize(length + 1);
        length = ::GetShortPathNameA(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    }
    if (length == 0 || length >= buffer.size()) return longShortPathOf(path);
    return std::string(buffer.data(), length);
}

// What the shell is handed for path. The shell takes no path longer than
// MAX_PATH; where the whole path must not be shortened (Wine picks programs
// by the shortened extension) its folder part is.
std::string shellTarget(const std::string& path, bool useShortPath) {
    if (useShortPath) return shortPathOf(path);
    const size_t slash = path.find_last_of('\\');
    if (path.size() < MAX_PATH || slash == std::string::npos) return path;
    return shortPathOf(path.substr(0, slash)) + path.substr(slash);
}

}  // namespace

bool launchItem(HWND owner, const std::string& path, const std::string& pendingOpenPath, bool underWine) {
    if (!mayOpenPath(path, pendingOpenPath)) return false;

    const ShellExecuteMode mode = shellExecuteModeFor(underWine);
    const std::string target = shellTarget(path, mode.useShortPath);

    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = mode.mask;
    info.hwnd = owner;
    info.lpFile = target.c_str();
    info.nShow = SW_SHOWNORMAL;
    const BOOL done = ::ShellExecuteExA(&info);
    const INT_PTR code = reinterpret_cast<INT_PTR>(info.hInstApp);
    if (done && code > 32) return true;
    showLauncherMessage(static_cast<int>(code));
    return false;
}

void showLauncherMessage(int code) noexcept {
    try {
        const std::string message = errorText(code);
        if (!message.empty()) ::MessageBoxA(nullptr, message.c_str(), messageCaption, MB_ICONINFORMATION);
    } catch (const std::bad_alloc&) {
        // Not even the message fits: the program ends without it.
    }
}

bool runningUnderWine() {
    HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace trm
