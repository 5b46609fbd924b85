// Makes ".lnk" files through the shell, for the tests and the test tools.
#pragma once

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "common/com_ptr.h"

namespace wintest {

// The link stores the target's item list as the shell parses it, as
// Explorer makes shortcuts: its last item says whether the target is a
// folder. (Wine's SetPath stores a bare file item instead, even for a
// folder.) A target the shell cannot parse goes in by its path.
inline bool pointLinkAt(IShellLinkA& link, const std::string& target) {
    wchar_t wide[MAX_PATH * 4];
    LPITEMIDLIST items = nullptr;
    if (::MultiByteToWideChar(CP_ACP, 0, target.c_str(), -1, wide, MAX_PATH * 4) &&
        SUCCEEDED(::SHParseDisplayName(wide, nullptr, &items, 0, nullptr)) && items != nullptr) {
        const HRESULT set = link.SetIDList(items);
        ::CoTaskMemFree(items);
        return SUCCEEDED(set);
    }
    return SUCCEEDED(link.SetPath(target.c_str()));
}

// A shortcut at `linkPath` to `target`. `recordedAttributes` are written into
// the link's header as Windows records its target's (Wine writes zeros);
// `iconFile`, when given, is the link's own icon (its first).
inline bool makeShortcut(const std::string& linkPath, const std::string& target, DWORD recordedAttributes = 0,
                         const char* iconFile = nullptr) {
    ::CoInitialize(nullptr);
    trm::ComPtr<IShellLinkA> link;
    trm::ComPtr<IPersistFile> file;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.putVoid())) ||
        !pointLinkAt(*link.get(), target) || FAILED(link->QueryInterface(IID_IPersistFile, file.putVoid())))
        return false;
    if (iconFile != nullptr && FAILED(link->SetIconLocation(iconFile, 0))) return false;
    wchar_t wide[MAX_PATH * 4];
    if (!::MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH * 4) || FAILED(file->Save(wide, TRUE)))
        return false;
    if (recordedAttributes == 0) return true;
    HANDLE opened = ::CreateFileA(linkPath.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (opened == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool wrote = ::SetFilePointer(opened, 0x18, nullptr, FILE_BEGIN) == 0x18 &&
                       ::WriteFile(opened, &recordedAttributes, sizeof recordedAttributes, &written, nullptr);
    ::CloseHandle(opened);
    return wrote;
}

}  // namespace wintest
