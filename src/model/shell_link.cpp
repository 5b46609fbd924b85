#include "model/shell_link.h"

#include "common/win_text.h"

namespace trm {

bool ShellLink::load(const std::string& linkPath) {
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.putVoid())))
        return false;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.putVoid()))) return false;
    const std::wstring wide = wideOf(linkPath);
    return !wide.empty() && SUCCEEDED(file->Load(wide.c_str(), STGM_READ));
}

bool ShellLink::targetPath(DWORD flags, std::string& path, WIN32_FIND_DATAW* found) {
    wchar_t buffer[MAX_PATH] = {};
    if (!link || FAILED(link->GetPath(buffer, MAX_PATH, found, flags))) return false;
    path = narrowOf(buffer);
    return true;
}

bool ShellLink::iconLocation(std::string& path, int& index) {
    wchar_t location[MAX_PATH] = {};
    if (!link || FAILED(link->GetIconLocation(location, MAX_PATH, &index)) || location[0] == L'\0') return false;
    // Links keep locations such as "%SystemRoot%\system32\shell32.dll".
    wchar_t expanded[MAX_PATH] = {};
    const DWORD length = ::ExpandEnvironmentStringsW(location, expanded, MAX_PATH);
    path = narrowOf(length > 0 && length <= MAX_PATH ? expanded : location);
    return true;
}

bool ShellLink::resolveQuietly() {
    // SLR_NO_UI with a 2 ms time-out in the high word, SLR_ANY_MATCH.
    const DWORD flags = SLR_NO_UI | SLR_ANY_MATCH | (2u << 16);
    return link && SUCCEEDED(link->Resolve(nullptr, flags));
}

}  // namespace trm
