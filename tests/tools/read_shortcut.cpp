// Writes what a ".lnk" shortcut holds, one "name=value" line each, in UTF-8:
// target, arguments, workingfolder, iconfile, iconindex.
//   read_shortcut.exe LINK OUTPUT-FILE
// Exits 1 when the shortcut cannot be read.
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "common/com_ptr.h"
#include "common/win_text.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc < 3) return 2;
    ::CoInitialize(nullptr);
    trm::ComPtr<IShellLinkW> link;
    trm::ComPtr<IPersistFile> file;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.putVoid())) ||
        FAILED(link->QueryInterface(IID_IPersistFile, file.putVoid())) ||
        FAILED(file->Load(trm::wideOf(__argv[1]).c_str(), STGM_READ)))
        return 1;
    std::vector<wchar_t> text(32768);
    const int size = static_cast<int>(text.size());
    int iconIndex = 0;
    std::string out;
    const auto line = [&](const char* name) {
        out += std::string(name) + "=" + trm::narrowOf(text.data(), CP_UTF8) + "\r\n";
    };
    if (FAILED(link->GetPath(text.data(), size, nullptr, SLGP_RAWPATH))) return 1;
    line("target");
    if (FAILED(link->GetArguments(text.data(), size))) return 1;
    line("arguments");
    if (FAILED(link->GetWorkingDirectory(text.data(), size))) return 1;
    line("workingfolder");
    if (FAILED(link->GetIconLocation(text.data(), size, &iconIndex))) return 1;
    line("iconfile");
    out += "iconindex=" + std::to_string(iconIndex) + "\r\n";

    HANDLE output = ::CreateFileA(__argv[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (output == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    const bool wrote = ::WriteFile(output, out.data(), static_cast<DWORD>(out.size()), &written, nullptr) != FALSE;
    ::CloseHandle(output);
    return wrote ? 0 : 1;
}
