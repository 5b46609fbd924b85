#include "app/folder_shortcut.h"

#include <windows.h>
#include <objbase.h>
#include <propsys.h>
#include <shellapi.h>
#include <shlobj.h>

#include <vector>

#include "app/argument_roles.h"
#include "app/folder_shortcut_rules.h"
#include "common/com_ptr.h"
#include "common/win_text.h"
#include "framework/command_line_info.h"

namespace trm {

namespace {

// System.AppUserModel.ID, spelled out: the headers give it only to newer
// targets than the program's.
const PROPERTYKEY appUserModelIdKey = {{0x9f4c2855, 0x9f79, 0x4b39, {0xa8, 0xd0, 0xe1, 0xd4, 0x2d, 0xe1, 0xd5, 0xf3}},
                                       5};

// Sizes beyond MAX_PATH: paths may be long where the system allows it.
constexpr DWORD textBufferSize = 32768;

std::string utf8Of(const std::wstring& text) {
    return narrowOf(text, CP_UTF8);
}

void tell(const std::string& message, UINT icon) {
    ::MessageBoxW(nullptr, wideOf(message, CP_UTF8).c_str(), L"Information", MB_OK | icon);
}

bool isDirectory(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool exists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring withSeparator(const std::wstring& folder) {
    return (!folder.empty() && folder.back() == L'\\') ? folder : folder + L'\\';
}

std::wstring thisProgram() {
    std::vector<wchar_t> buffer(textBufferSize);
    const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0 || length >= buffer.size()) return std::wstring();
    return std::wstring(buffer.data(), length);
}

std::wstring desktopFolder() {
    wchar_t path[MAX_PATH];
    if (FAILED(::SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, path))) return L"";
    return path;
}

// A path given on the command line, taken from the directory the program
// was started in (the folder shown has been made current since).
std::wstring placeOf(const std::string& place, const std::wstring& startedIn) {
    std::wstring path = wideOf(place);
    const bool absolute =
        (path.size() >= 2 && path[1] == L':') || (!path.empty() && (path[0] == L'\\' || path[0] == L'/'));
    if (!absolute) path = withSeparator(startedIn) + path;
    std::vector<wchar_t> buffer(textBufferSize);
    const DWORD length = ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
    return (length == 0 || length >= buffer.size()) ? path : std::wstring(buffer.data(), length);
}

struct Link {
    std::wstring target;
    std::wstring arguments;
    std::wstring workingFolder;
    std::wstring iconFile;
    int iconIndex = 0;
};

ComPtr<IShellLinkW> newShellLink() {
    ComPtr<IShellLinkW> link;
    ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.putVoid());
    return link;
}

bool readLink(const std::wstring& file, Link& read) {
    const ComPtr<IShellLinkW> link = newShellLink();
    ComPtr<IPersistFile> persist;
    if (!link || FAILED(link->QueryInterface(IID_IPersistFile, persist.putVoid())) ||
        FAILED(persist->Load(file.c_str(), STGM_READ)))
        return false;
    std::vector<wchar_t> text(textBufferSize);
    const int size = static_cast<int>(text.size());
    if (FAILED(link->GetPath(text.data(), size, nullptr, SLGP_RAWPATH))) return false;
    read.target = text.data();
    if (FAILED(link->GetArguments(text.data(), size))) return false;
    read.arguments = text.data();
    if (FAILED(link->GetWorkingDirectory(text.data(), size))) return false;
    read.workingFolder = text.data();
    return true;
}

// Our shortcut for the same folder and options: starting it does what the
// new one would, so it may be replaced.
bool isSameLauncher(const Link& found, const Link& wanted) {
    return ::lstrcmpiW(found.target.c_str(), wanted.target.c_str()) == 0 && found.arguments == wanted.arguments &&
           ::lstrcmpiW(found.workingFolder.c_str(), wanted.workingFolder.c_str()) == 0;
}

bool setAppUserModelId(IShellLinkW& link, const std::string& id) {
    ComPtr<IPropertyStore> store;
    // Links before Windows 7 have no properties, and that taskbar pins nothing.
    if (FAILED(link.QueryInterface(IID_IPropertyStore, store.putVoid()))) return true;
    const std::wstring wide = wideOf(id);
    const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    PROPVARIANT value;
    ::PropVariantInit(&value);
    value.vt = VT_LPWSTR;
    value.pwszVal = static_cast<LPWSTR>(::CoTaskMemAlloc(bytes));
    if (value.pwszVal == nullptr) return false;
    ::CopyMemory(value.pwszVal, wide.c_str(), bytes);
    const bool set = SUCCEEDED(store->SetValue(appUserModelIdKey, value)) && SUCCEEDED(store->Commit());
    ::PropVariantClear(&value);
    return set;
}

bool writeLink(const std::wstring& file, const Link& wanted, const std::string& id) {
    const ComPtr<IShellLinkW> link = newShellLink();
    ComPtr<IPersistFile> persist;
    if (!link || FAILED(link->SetPath(wanted.target.c_str())) || FAILED(link->SetArguments(wanted.arguments.c_str())) ||
        FAILED(link->SetWorkingDirectory(wanted.workingFolder.c_str())))
        return false;
    if (!wanted.iconFile.empty()) link->SetIconLocation(wanted.iconFile.c_str(), wanted.iconIndex);
    // Without its ID the shortcut would still start the folder, but pin as
    // every other folder's: no shortcut rather than that one.
    if (!setAppUserModelId(*link.get(), id)) return false;
    return SUCCEEDED(link->QueryInterface(IID_IPersistFile, persist.putVoid())) &&
           SUCCEEDED(persist->Save(file.c_str(), TRUE));
}

// The folder's name and icon as the shell shows them (a desktop.ini's
// included).
std::wstring shownName(const std::wstring& folder) {
    SHFILEINFOW info = {};
    if (!::SHGetFileInfoW(folder.c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME)) return L"";
    return info.szDisplayName;
}

void takeFolderIcon(const std::wstring& folder, Link& link) {
    SHFILEINFOW info = {};
    if (!::SHGetFileInfoW(folder.c_str(), 0, &info, sizeof info, SHGFI_ICONLOCATION)) return;
    link.iconFile = info.szDisplayName;
    link.iconIndex = info.iIcon;
}

}  // namespace

void makeFolderShortcut(const ShortcutRequest& request) {
    if (!request.missingFolders.empty())
        return tell(noSuchFolderMessage(utf8Of(wideOf(request.missingFolders[0]))), MB_ICONEXCLAMATION);
    if (!isDirectory(request.folder)) return tell(noSuchFolderMessage(utf8Of(request.folder)), MB_ICONEXCLAMATION);

    Link wanted;
    wanted.target = thisProgram();
    // Quoting touches only ASCII, so it works on UTF-8 as on any text.
    StringList options;
    for (const std::string& option : request.options) options.push_back(utf8Of(wideOf(option)));
    wanted.arguments = wideOf(joinArguments(shortcutArguments(utf8Of(request.folder), options)), CP_UTF8);
    wanted.workingFolder = request.folder;
    takeFolderIcon(request.folder, wanted);

    std::wstring place;
    std::string stem = shortcutStem(utf8Of(shownName(request.folder)));
    const bool onDesktop = request.place.empty();
    if (onDesktop) {
        place = desktopFolder();
        if (!isDirectory(place)) return tell(noPlaceForShortcutMessage(utf8Of(place)), MB_ICONEXCLAMATION);
    } else {
        const std::wstring named = placeOf(request.place, request.startedIn);
        if (isDirectory(named)) {
            place = named;
        } else {
            const size_t slash = named.find_last_of(L"\\/");
            place = named.substr(0, slash == std::wstring::npos ? 0 : slash);
            if (place.size() == 2 && place[1] == L':') place += L'\\';  // a drive's root
            if (!isDirectory(place)) return tell(noPlaceForShortcutMessage(utf8Of(place)), MB_ICONEXCLAMATION);
            stem = stemOfShortcutName(utf8Of(named.substr(slash + 1)));
        }
    }

    for (int number = 1; number <= 100; ++number) {
        const std::wstring file = withSeparator(place) + wideOf(numberedShortcutName(stem, number), CP_UTF8);
        Link found;
        if (exists(file) && !(readLink(file, found) && isSameLauncher(found, wanted))) continue;
        if (!writeLink(file, wanted, request.appUserModelId))
            return tell(shortcutNotWrittenMessage(utf8Of(file)), MB_ICONEXCLAMATION);
        return tell(shortcutMadeMessage(utf8Of(request.folder), utf8Of(file), onDesktop), MB_ICONINFORMATION);
    }
    tell(shortcutNotWrittenMessage(utf8Of(withSeparator(place) + wideOf(numberedShortcutName(stem, 1), CP_UTF8))),
         MB_ICONEXCLAMATION);
}

}  // namespace trm
