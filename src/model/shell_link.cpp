#include "model/shell_link.h"

#include <vector>

namespace trm {

bool ShellLink::load(const std::string& linkPath) {
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.putVoid())))
        return false;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.putVoid()))) return false;
    const int length = ::MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, nullptr, 0);
    if (length <= 0) return false;
    std::vector<wchar_t> wide(static_cast<size_t>(length));
    ::MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide.data(), length);
    return SUCCEEDED(file->Load(wide.data(), STGM_READ));
}

bool ShellLink::targetPath(DWORD flags, std::string& path, WIN32_FIND_DATAA* found) {
    char buffer[MAX_PATH] = {};
    if (!link || FAILED(link->GetPath(buffer, MAX_PATH, found, flags))) return false;
    path = buffer;
    return true;
}

bool ShellLink::hasIconLocation() {
    char location[MAX_PATH] = {};
    int index = 0;
    return link && SUCCEEDED(link->GetIconLocation(location, MAX_PATH, &index)) && location[0] != '\0';
}

bool ShellLink::resolveQuietly() {
    // SLR_NO_UI with a 2 ms time-out in the high word, SLR_ANY_MATCH.
    const DWORD flags = SLR_NO_UI | SLR_ANY_MATCH | (2u << 16);
    return link && SUCCEEDED(link->Resolve(nullptr, flags));
}

}  // namespace trm
