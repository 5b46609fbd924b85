#include "app/taskbar_identity.h"

#include <windows.h>

#include <vector>

#include "app/app_user_model_id.h"
#include "common/win_text.h"

namespace trm {

std::wstring fullLongPath(const std::wstring& path) {
    if (path.empty()) return path;
    std::vector<wchar_t> buffer(MAX_PATH);
    DWORD length = ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    if (length >= buffer.size()) {
        buffer.resize(length + 1);
        length = ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    }
    if (length == 0 || length >= buffer.size()) return path;
    const std::wstring full(buffer.data(), length);

    length = ::GetLongPathNameW(full.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length >= buffer.size()) {
        buffer.resize(length + 1);
        length = ::GetLongPathNameW(full.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    }
    if (length == 0 || length >= buffer.size()) return full;  // gone, or a file system without 8.3 names
    return std::wstring(buffer.data(), length);
}

std::wstring shownFolder(const Settings& settings) {
    return fullLongPath(settings.startdirectory.empty() ? std::wstring(L".") : wideOf(settings.startdirectory));
}

std::string folderAppUserModelId(const std::wstring& folder, const StringList& options) {
    // The file system ignores case beyond A-Z too; the rule folds only those.
    std::wstring upper = folder;
    if (!upper.empty()) ::CharUpperBuffW(&upper[0], static_cast<DWORD>(upper.size()));
    StringList utf8Options;
    for (const std::string& option : options) utf8Options.push_back(narrowOf(wideOf(option), CP_UTF8));
    return appUserModelId(narrowOf(upper, CP_UTF8), utf8Options);
}

void setProcessAppUserModelId(const std::string& id) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    ::GetStartupInfoW(&startup);
    const bool titleIsId = (startup.dwFlags & STARTF_TITLEISAPPID) != 0 && startup.lpTitle != nullptr;
    const std::string title = titleIsId ? narrowOf(startup.lpTitle, CP_UTF8) : std::string();
    if (!mustSetAppUserModelId(titleIsId, title, id)) return;

    using SetId = HRESULT(WINAPI*)(PCWSTR);
    // Kept loaded for the process's life: the ID lives in the shell's data.
    const HMODULE shell = ::LoadLibraryW(L"shell32.dll");
    if (shell == nullptr) return;
    const auto set = reinterpret_cast<SetId>(
        reinterpret_cast<void*>(::GetProcAddress(shell, "SetCurrentProcessExplicitAppUserModelID")));
    if (set != nullptr) set(wideOf(id).c_str());
}

}  // namespace trm
